// Writing the export.
#include "vokabelexport.h"

#include "zeilen.h"

namespace lexidor {
namespace {

bool MussQuotieren(std::string_view seite, char trenner) {
    const char zeichen[] = {trenner, '"'};
    return seite.find_first_of(std::string_view(zeichen, 2)) != std::string_view::npos ||
           seite.find(kKodiertCR) != std::string_view::npos ||
           seite.find(kKodiertLF) != std::string_view::npos;
}

// Appends one side, with its line breaks decoded.
void Seite(std::string& out, std::string_view seite, char trenner) {
    if (!MussQuotieren(seite, trenner)) {
        out.append(seite);
        return;
    }
    out += '"';
    for (char c : UmbruecheDekodieren(seite)) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

} // namespace

bool VokabelnExportieren(const TKartei& kartei, Exportformat format, const Senke& senke) {
    const char trenner = format == Exportformat::CsvSemikolon ? ';' : '\t';
    std::string text(kBom);
    text.reserve(kStueck + kStueck / 8);
    text.append("Deutsch").append(1, trenner).append("Fremd").append(1, trenner);
    text.append("Lernstufe\r\n");
    const auto abgeben = [&] {
        const bool weiter = senke(text);
        text.clear();
        return weiter;
    };
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            Seite(text, fach.Deutsch(i), trenner);
            text += trenner;
            Seite(text, fach.Fremd(i), trenner);
            text += trenner;
            text += static_cast<char>('0' + k);
            text += "\r\n";
            if (text.size() >= kStueck && !abgeben()) {
                return false;
            }
        }
    }
    return abgeben();
}

std::string VokabelnExportieren(const TKartei& kartei, Exportformat format) {
    std::string datei;
    VokabelnExportieren(kartei, format, [&datei](std::string_view stueck) {
        datei.append(stueck);
        return true;
    });
    return datei;
}

} // namespace lexidor
