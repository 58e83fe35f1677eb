// Writing the export.
#include "vokabelexport.h"

#include "cp1252.h"

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

// Appends one side in UTF-8, with its line breaks decoded.
void Seite(std::string& out, std::string_view seite, char trenner, std::string& puffer) {
    if (!MussQuotieren(seite, trenner)) {
        Cp1252NachUtf8Anhaengen(out, seite);
        return;
    }
    puffer = '"';
    for (const char c : seite) {
        if (c == '"') {
            puffer += "\"\"";
        } else {
            puffer += c == kKodiertCR ? '\r' : c == kKodiertLF ? '\n' : c;
        }
    }
    puffer += '"';
    Cp1252NachUtf8Anhaengen(out, puffer);
}

} // namespace

std::string VokabelnExportieren(const TKartei& kartei, Exportformat format) {
    const char trenner = format == Exportformat::CsvSemikolon ? ';' : '\t';
    std::string text = "\xEF\xBB\xBF";
    text.append("Deutsch").append(1, trenner).append("Fremd").append(1, trenner);
    text.append("Lernstufe\r\n");
    std::string puffer;
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            Seite(text, fach.Deutsch(i), trenner, puffer);
            text += trenner;
            Seite(text, fach.Fremd(i), trenner, puffer);
            text += trenner;
            text += static_cast<char>('0' + k);
            text += "\r\n";
        }
    }
    return text;
}

} // namespace lexidor
