// Reader and writer of card-box files.
#include "karteidatei.h"

#include "cp1252.h"
#include "unicodetext.h"
#include "zeilen.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace lexidor {
namespace {

constexpr std::size_t kDatumHoechstens = 4096;
constexpr std::string_view kKartenschluss = "true\r\n<<<<<>>>>>\r\n";

// Collects lines, each ended by CR LF, and hands them on in pieces of up to kStueck bytes;
// with cp1252 the lines, UTF-8 that fits code page 1252, are written in it.
class Stueckpuffer {
public:
    Stueckpuffer(const Senke& senke, bool cp1252) : senke_(senke), cp1252_(cp1252) {}

    // False once senke has stopped the writing.
    bool Zeilen(std::initializer_list<std::string_view> zeilen) {
        std::size_t laenge = 0;
        for (const std::string_view z : zeilen) {
            laenge += z.size() + 2;
        }
        if (belegt_ > 0 && belegt_ + laenge > kStueck && !Abgeben()) {
            return false;
        }
        if (belegt_ + laenge > daten_.size()) { // grows to a piece's size, or a big card's
            daten_.resize(std::max(belegt_ + laenge, std::min(2 * daten_.size(), kStueck)));
        }
        char* p = daten_.data() + belegt_;
        for (const std::string_view z : zeilen) {
            p = cp1252_ ? Cp1252Schreiben(z, p) : std::copy(z.begin(), z.end(), p);
            *p++ = '\r';
            *p++ = '\n';
        }
        belegt_ = static_cast<std::size_t>(p - daten_.data());
        return true;
    }

    bool Abgeben() {
        const bool weiter = belegt_ == 0 || senke_(std::string_view(daten_.data(), belegt_));
        belegt_ = 0;
        return weiter;
    }

    // The byte-order mark before the first line.
    void Bom() {
        daten_.assign(kBom.begin(), kBom.end());
        belegt_ = kBom.size();
    }

private:
    const Senke& senke_;
    const bool cp1252_;
    std::vector<char> daten_;
    std::size_t belegt_ = 0;
};

} // namespace

bool KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster, const Senke& senke) {
    const bool cp1252 = kartei.NurCp1252();
    Stueckpuffer out(senke, cp1252);
    if (!cp1252) {
        out.Bom();
    }
    for (int k = 2; k <= 5; ++k) {
        out.Zeilen({KurzdatumFormatieren(kartei.Termin[k], datumsmuster)});
    }
    out.Zeilen({kMarker[0]});
    for (int c = 1; c <= 6; ++c) {
        const TVokList& fach = kartei.Fach[c];
        for (int i = 0; i < fach.Count(); ++i) {
            fach.Vorausladen(i);
            if (!out.Zeilen(
                    {fach.Deutsch(i), fach.Fremd(i), fach.Zusatz(i), "true", kKartenende})) {
                return false;
            }
        }
        if (!out.Zeilen({kMarker[c]})) {
            return false;
        }
    }
    return out.Abgeben();
}

std::string KarteiSchreiben(const TKartei& kartei, std::string_view datumsmuster) {
    std::string datei;
    KarteiSchreiben(kartei, datumsmuster, [&datei](std::string_view stueck) {
        datei.append(stueck);
        return true;
    });
    return datei;
}

KarteiLeser::KarteiLeser(TKartei& kartei, std::string_view datumsmuster, Datum heute)
    : kartei_(kartei), datumsmuster_(datumsmuster), heute_(heute) {
    kartei_.Anzeigename = Dateiname(kartei_.Dateipfad);
}

// The first bytes tell the encoding: the UTF-8 mark, or else code page 1252.
bool KarteiLeser::KodierungErkennen(std::string_view stueck) {
    const std::size_t fehlt = kBom.size() - anfang_.size();
    anfang_.append(stueck.substr(0, fehlt));
    stueck.remove_prefix(std::min(fehlt, stueck.size()));
    if (anfang_.size() < kBom.size() && kBom.starts_with(anfang_) && stueck.empty()) {
        return true; // the piece ended within what may be the mark
    }
    if (anfang_ == kBom) {
        kodierung_ = Kodierung::Utf8;
        kartei_.Utf8Datei = true;
        return Weiter(stueck);
    }
    kodierung_ = Kodierung::Cp1252;
    const std::string anfang = std::move(anfang_);
    return Weiter(anfang) && Weiter(stueck);
}

bool KarteiLeser::Weiter(std::string_view stueck) {
    if (kodierung_ == Kodierung::Offen) {
        return KodierungErkennen(stueck);
    }
    std::size_t pos = 0;
    if (crZuletzt_ && !stueck.empty()) {
        crZuletzt_ = false;
        pos = stueck[0] == '\n' ? 1 : 0;
    }
    bool mitRest = !rest_.empty();
    pos = Zeilen(stueck, pos, mitRest);
    if (!Laeuft()) {
        return false;
    }
    if (mitRest) {
        rest_.append(stueck.substr(pos));
    } else {
        rest_.assign(stueck.substr(pos));
    }
    // A review date is never this long: a file that starts without a line end (a stream of
    // zeros, say) is refused before it fills the memory.
    if (schritt_ == Schritt::Termin && rest_.size() > kDatumHoechstens) {
        schritt_ = Schritt::Fehler;
    }
    return Laeuft();
}

// Takes every line of the piece from pos on that ends in it, the first one completing the
// rest of the last piece while mitRest; returns where the unfinished last line starts.
std::size_t KarteiLeser::Zeilen(std::string_view stueck, std::size_t pos, bool& mitRest) {
    while (Laeuft()) {
        // The flag and end-of-card lines as the writer writes them, passed over in one step.
        if (schritt_ == Schritt::Flag && !mitRest &&
            stueck.substr(pos).starts_with(kKartenschluss)) {
            pos += kKartenschluss.size();
            schritt_ = Schritt::Deutsch;
            continue;
        }
        if (schritt_ == Schritt::Deutsch && !mitRest) {
            if (const auto weiter = GanzeKarte(stueck, pos)) {
                pos = *weiter;
                continue;
            }
        }
        const std::size_t ende = ZeilenendeSuchen(stueck, pos);
        if (ende == stueck.size()) {
            break;
        }
        std::string_view zeile = stueck.substr(pos, ende - pos);
        if (mitRest) {
            rest_.append(zeile);
            zeile = rest_;
            mitRest = false;
        }
        pos = ende + 1;
        if (stueck[ende] == '\r') {
            if (pos == stueck.size()) {
                crZuletzt_ = true;
            } else if (stueck[pos] == '\n') {
                ++pos;
            }
        }
        Zeile(zeile);
    }
    return pos;
}

bool KarteiLeser::Ende(Zufall& zufall) {
    if (kodierung_ == Kodierung::Offen) { // a file shorter than the mark
        kodierung_ = Kodierung::Cp1252;
        Weiter(std::string(anfang_));
    }
    if (!rest_.empty() && Laeuft()) { // a last line without a line end still counts
        Zeile(rest_);
    }
    if (schritt_ != Schritt::Fertig) {
        return false;
    }
    for (int c = 1; c <= 5; ++c) {
        kartei_.Fach[c].Shuffle(zufall);
    }
    return true;
}

// Lines are taken strictly in order, so walking them once is the same as counting positions
// 5n + b: a card is five lines, a compartment ends at a "----" line.
void KarteiLeser::Zeile(std::string_view zeile) {
    if (kodierung_ == Kodierung::Utf8 && !IstUtf8(zeile)) {
        schritt_ = Schritt::Fehler;
        return;
    }
    switch (schritt_) {
    case Schritt::Termin:
        TerminLesen(zeile);
        return;
    case Schritt::Anfang: // the start marker, whatever it says
        schritt_ = Schritt::Deutsch;
        return;
    case Schritt::Deutsch:
        if (zeile.starts_with("----")) {
            schritt_ = ++fach_ > 6 ? Schritt::Fertig : Schritt::Deutsch;
            return;
        }
        Text(zeile, deutsch_);
        schritt_ = Schritt::Fremd;
        return;
    case Schritt::Fremd:
        Text(zeile, fremd_);
        schritt_ = Schritt::Zusatz;
        return;
    case Schritt::Zusatz:
        Text(zeile, zusatz_);
        Karte(deutsch_, fremd_, zusatz_, std::nullopt);
        return;
    // The flag and end-of-card lines are not looked at; missing ones mean that the next card
    // or marker lies beyond the end, which the end of the file then shows.
    case Schritt::Flag:
        schritt_ = Schritt::Kartenende;
        return;
    case Schritt::Kartenende:
        schritt_ = Schritt::Deutsch;
        return;
    case Schritt::Fertig:
    case Schritt::Fehler:
        return;
    }
}

void KarteiLeser::TerminLesen(std::string_view zeile) {
    const auto datum = KurzdatumLesen(zeile, datumsmuster_);
    if (!datum) {
        schritt_ = Schritt::Fehler;
        return;
    }
    kartei_.Termin[termin_] = *datum;
    if (++termin_ > 5) {
        kartei_.FaelligkeitBestimmen(heute_);
        schritt_ = Schritt::Anfang;
    }
}

// A line of the file as it stands there, made NFC if it is UTF-8; the card takes code page
// 1252 as it is and converts it when it stores its text.
void KarteiLeser::Text(std::string_view zeile, std::string& text) const {
    if (kodierung_ == Kodierung::Utf8 && !IstNfc(zeile)) {
        text = Nfc(zeile);
        return;
    }
    text.assign(zeile);
}

void KarteiLeser::Karte(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
                        std::optional<bool> nurCp1252) {
    TVokList& fach = kartei_.Fach[fach_];
    if (kodierung_ == Kodierung::Cp1252) {
        fach.AnhaengenCp1252(deutsch, fremd, zusatz);
    } else {
        fach.Anhaengen(deutsch, fremd, zusatz, nurCp1252);
    }
    schritt_ = Schritt::Flag;
}

// A card whose three text lines all end within the piece, taken straight from it without a
// copy between; anything else (a marker, a line the piece does not end, UTF-8 that is broken
// or not NFC) is left to the line-by-line way. Returns where the flag line starts.
std::optional<std::size_t> KarteiLeser::GanzeKarte(std::string_view stueck, std::size_t pos) {
    const std::size_t anfang = pos;
    std::array<std::string_view, 3> texte;
    for (std::string_view& text : texte) {
        const std::size_t ende = ZeilenendeSuchen(stueck, pos);
        if (ende + 1 >= stueck.size()) {
            return std::nullopt;
        }
        text = stueck.substr(pos, ende - pos);
        pos = ende + (stueck[ende] == '\r' && stueck[ende + 1] == '\n' ? 2 : 1);
    }
    if (texte[0].starts_with("----")) {
        return std::nullopt;
    }
    std::optional<bool> cp1252;
    if (kodierung_ == Kodierung::Utf8) {
        // The three lines in one walk: the line ends between them change nothing, being
        // ASCII, which no character combines with.
        const Utf8Befund befund = Utf8Pruefen(stueck.substr(anfang, pos - anfang));
        if (!befund.nfc) { // or broken
            return std::nullopt;
        }
        cp1252 = befund.cp1252;
    }
    Karte(texte[0], texte[1], texte[2], cp1252);
    return pos;
}

bool KarteiLesen(TKartei& kartei, std::optional<std::string_view> datei,
                 std::string_view datumsmuster, Datum heute, Zufall& zufall) {
    KarteiLeser leser(kartei, datumsmuster, heute);
    if (!datei) {
        return false;
    }
    leser.Weiter(*datei);
    return leser.Ende(zufall);
}

} // namespace lexidor
