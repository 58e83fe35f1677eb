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

std::string VokabelnExportieren(const TKartei& kartei, Exportformat format) {
    const char trenner = format == Exportformat::CsvSemikolon ? ';' : '\t';
    // The whole file is built in code page 1252 and converted in one pass, into one buffer
    // of the right size: separators, quotes and line ends are the same bytes in both.
    std::size_t groesse = 32;
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            groesse += fach.Deutsch(i).size() + fach.Fremd(i).size() + 5;
        }
    }
    std::string text;
    text.reserve(groesse);
    text.append("Deutsch").append(1, trenner).append("Fremd").append(1, trenner);
    text.append("Lernstufe\r\n");
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            Seite(text, fach.Deutsch(i), trenner);
            text += trenner;
            Seite(text, fach.Fremd(i), trenner);
            text += trenner;
            text += static_cast<char>('0' + k);
            text += "\r\n";
        }
    }
    std::string datei = "\xEF\xBB\xBF";
    Cp1252NachUtf8Anhaengen(datei, text);
    return datei;
}

} // namespace lexidor
