// Taking a card from the add and edit dialogs' fields.
#include "vokabeleingabe.h"

#include "unicodetext.h"

#include <algorithm>

namespace lexidor {
namespace {

bool Leer(std::string_view text) {
    // Blanks and control characters are the bytes up to the space; UTF-8 puts no other
    // character there, so the bytes can be tested as they are.
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') {
            return false;
        }
    }
    return true;
}

std::string Ersetzen(std::string_view text, std::string_view alt, std::string_view neu) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t fund; (fund = text.find(alt, pos)) != std::string_view::npos;
         pos = fund + alt.size()) {
        out.append(text.substr(pos, fund - pos)).append(neu);
    }
    out.append(text.substr(pos));
    return out;
}

// One field's text as a card side.
std::string Seite(std::string_view feld, const Vorlage* vorher) {
    if (vorher && feld == vorher->gezeigt) {
        return vorher->gespeichert;
    }
    std::string text = Nfc(feld);
    if (std::none_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; })) {
        return text; // the common one-line side needs no more copies
    }
    return UmbruecheKodieren(Ersetzen(text, "\n", "\r\n"));
}

Eingabeergebnis Vokabel(std::string_view deutsch, std::string_view fremd, TVokabel& karte,
                        const Vorlage* deutschVorher = nullptr,
                        const Vorlage* fremdVorher = nullptr) {
    std::string d = Seite(deutsch, deutschVorher);
    if (!DeutschSpeicherbar(d)) {
        return {Eingabe::Markerzeile};
    }
    karte = TVokabel{std::move(d), Seite(fremd, fremdVorher), std::string(), true};
    return {};
}

} // namespace

Eingabeergebnis NeueVokabel(std::string_view deutsch, std::string_view fremd, TVokabel& karte) {
    if (Leer(deutsch) && Leer(fremd)) {
        return {Eingabe::Leer};
    }
    return Vokabel(deutsch, fremd, karte);
}

Eingabeergebnis VokabelHinzufuegen(TKartei& kartei, std::string_view deutsch,
                                   std::string_view fremd) {
    if (kartei.Gesamtzahl() >= kKartenlimit) {
        return {Eingabe::Limit};
    }
    TVokabel karte;
    const Eingabeergebnis e = NeueVokabel(deutsch, fremd, karte);
    if (e.ergebnis == Eingabe::Ok) {
        kartei.Fach[1].Add(karte);
    }
    return e;
}

Eingabeergebnis VokabelAendern(TKartei& kartei, TPosInfo bearb, std::string_view deutsch,
                               std::string_view fremd, const Vorlage& deutschVorher,
                               const Vorlage& fremdVorher) {
    TVokabel karte;
    Eingabeergebnis e = Vokabel(deutsch, fremd, karte, &deutschVorher, &fremdVorher);
    if (e.ergebnis != Eingabe::Ok) {
        return e;
    }
    if (bearb.Stufe >= 1 && bearb.Stufe <= 6) {
        kartei.Fach[bearb.Stufe].Put(bearb.Index, karte);
    }
    kartei.Gesichert = false;
    return e;
}

std::string UmbruecheImFeld(std::string_view utf8) {
    const std::string lf = Ersetzen(utf8, "\xC2\xBC", "\n");
    const std::string crlf = Ersetzen(lf, "\xC2\xBE", "\r");
    return Ersetzen(Ersetzen(crlf, "\r\n", "\n"), "\r", "\n");
}

} // namespace lexidor
