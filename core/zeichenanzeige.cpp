// Characters by their code: the classes come from utf8proc's Unicode tables.
#include "zeichenanzeige.h"

#include <cstdio>
#include <utf8proc.h>

namespace lexidor {
namespace {

// Marks a letter carries in any living script; a longer stack paints over the lines around.
constexpr int kMarkenJeZeichen = 4;

bool Unsichtbar(utf8proc_int32_t c) {
    const utf8proc_property_t* e = utf8proc_get_property(c);
    switch (e->category) {
    case UTF8PROC_CATEGORY_CC:
    case UTF8PROC_CATEGORY_CF:
    case UTF8PROC_CATEGORY_CS:
    case UTF8PROC_CATEGORY_CO:
    case UTF8PROC_CATEGORY_CN:
    case UTF8PROC_CATEGORY_ZL:
    case UTF8PROC_CATEGORY_ZP:
        return true;
    case UTF8PROC_CATEGORY_ZS:
        return c != ' ';
    default:
        return e->ignorable;
    }
}

bool Marke(utf8proc_int32_t c) {
    const auto kategorie = utf8proc_category(c);
    return kategorie == UTF8PROC_CATEGORY_MN || kategorie == UTF8PROC_CATEGORY_ME;
}

void Code(std::string& text, utf8proc_int32_t c) {
    char puffer[12];
    std::snprintf(puffer, sizeof puffer, "U+%04X", static_cast<unsigned>(c));
    text += puffer;
}

} // namespace

std::string Anzeigetext(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    // Marks on the last character shown as itself; -1 while there is none to carry them (a
    // space carries none either).
    int marken = -1;
    auto rest = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
    auto laenge = static_cast<utf8proc_ssize_t>(utf8.size());
    while (laenge > 0) {
        utf8proc_int32_t c = 0;
        const utf8proc_ssize_t n = utf8proc_iterate(rest, laenge, &c);
        const std::size_t bytes = n > 0 ? static_cast<std::size_t>(n) : 1;
        if (n <= 0) {
            Code(text, 0xFFFD);
            marken = -1;
        } else if (Marke(c) ? marken < 0 || marken >= kMarkenJeZeichen : Unsichtbar(c)) {
            Code(text, c);
            marken = -1;
        } else {
            text.append(reinterpret_cast<const char*>(rest), bytes);
            marken = Marke(c) ? marken + 1 : (c == ' ' ? -1 : 0);
        }
        rest += bytes;
        laenge -= static_cast<utf8proc_ssize_t>(bytes);
    }
    return text;
}

} // namespace lexidor
