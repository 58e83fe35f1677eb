// Characters by their code: the classes come from ICU's Unicode tables, the library that
// already does the card text's normalisation and case folding.
#include "zeichenanzeige.h"

#include <cstdio>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace lexidor {
namespace {

// Marks a letter carries in any living script; a longer stack paints over the lines around.
constexpr int kMarkenJeZeichen = 4;

bool Unsichtbar(UChar32 c) {
    switch (u_charType(c)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_SURROGATE:
    case U_PRIVATE_USE_CHAR:
    case U_UNASSIGNED:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
        return true;
    case U_SPACE_SEPARATOR:
        return c != ' ';
    default:
        return u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
    }
}

bool Marke(UChar32 c) {
    const auto kategorie = u_charType(c);
    return kategorie == U_NON_SPACING_MARK || kategorie == U_ENCLOSING_MARK;
}

void Code(std::string& text, UChar32 c) {
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
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto laenge = static_cast<int32_t>(utf8.size());
    int32_t i = 0;
    while (i < laenge) {
        const int32_t anfang = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, laenge, c);
        if (c < 0) {
            Code(text, 0xFFFD);
            marken = -1;
        } else if (Marke(c) ? marken < 0 || marken >= kMarkenJeZeichen : Unsichtbar(c)) {
            Code(text, c);
            marken = -1;
        } else {
            text.append(utf8.substr(static_cast<std::size_t>(anfang),
                                    static_cast<std::size_t>(i - anfang)));
            marken = Marke(c) ? marken + 1 : (c == ' ' ? -1 : 0);
        }
    }
    return text;
}

} // namespace lexidor
