// Writing the export.
#include "vokabelexport.h"

#include "cp1252.h"
#include "zeilen.h"

namespace lexidor {
namespace {

bool MussQuotieren(std::string_view seite, char trenner) {
    for (const char c : seite) {
        if (c == trenner || c == '"' || c == kKodiertCR || c == kKodiertLF) {
            return true;
        }
    }
    return false;
}

// Appends one side in code page 1252, with its line breaks decoded.
void Seite(std::string& out, std::string_view seite, char trenner) {
    if (!MussQuotieren(seite, trenner)) {
        out.append(seite);
        return;
    }
    out += '"';
    for (const char c : seite) {
        if (c == '"') {
            out += "\"\"";
        } else {
            out += c == kKodiertCR ? '\r' : c == kKodiertLF ? '\n' : c;
        }
    }
    out += '"';
}

} // namespace

bool VokabelnExportieren(const TKartei& kartei, Exportformat format, const Senke& senke) {
    const char trenner = format == Exportformat::CsvSemikolon ? ';' : '\t';
    // Each piece is built in code page 1252 and converted in one pass: separators, quotes
    // and line ends are the same bytes in both.
    std::string text;
    text.reserve(kStueck + kStueck / 8);
    text.append("Deutsch").append(1, trenner).append("Fremd").append(1, trenner);
    text.append("Lernstufe\r\n");
    std::string stueck(kBom);
    const auto abgeben = [&] {
        Cp1252NachUtf8Anhaengen(stueck, text);
        text.clear();
        const bool weiter = senke(stueck);
        stueck.clear();
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
