// Search hit rule, without copying or case folding each row.
#include "suche.h"

#include "cp1252.h"
#include "kartei.h"
#include "unicodetext.h"

#include <algorithm>
#include <experimental/simd>

namespace lexidor {
namespace {
// The bytes of a side scanned at once.
constexpr std::size_t kFenster = 32;
static_assert(kFenster + 1 <= TVokList::kNachlauf);
namespace stdx = std::experimental;
using Fenster = stdx::fixed_size_simd<unsigned char, kFenster>;
const Fenster kStellen([](auto i) { return static_cast<unsigned char>(i); });

Fenster::mask_type Eines(const Fenster& bytes, const std::vector<unsigned char>& menge) {
    Fenster::mask_type m = bytes == menge.front();
    for (std::size_t k = 1; k < menge.size(); ++k) {
        m |= bytes == menge[k];
    }
    return m;
}

void Aufnehmen(std::vector<unsigned char>& menge, char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (std::find(menge.begin(), menge.end(), b) == menge.end()) {
        menge.push_back(b);
    }
}

std::string AlsUtf8(char32_t cp) {
    std::string s;
    Utf8Anhaengen(s, cp);
    return s;
}

} // namespace

TSuchmuster::TSuchmuster(std::string_view suchtext) {
    const std::string text = IstUtf8(suchtext) ? Nfc(suchtext) : std::string();
    // An empty pattern never hits; nor does one that holds the first line's end.
    nie_ = text.empty() || text.find(kKodiertCR) != std::string::npos;
    if (nie_) {
        return;
    }
    for (std::size_t pos = 0; pos < text.size();) {
        muster_ += Gefaltet(*Utf8Lesen(text, pos));
    }
    FormenSammeln();
}

// Every case form of the first character gives the first byte a hit can start with and the
// byte after it: its own second byte, or the first byte of a form of the second character.
void TSuchmuster::FormenSammeln() {
    std::vector<std::string> zweiteFormen;
    if (muster_.size() > 1) {
        for (const char32_t cp : Schreibweisen(muster_[1])) {
            zweiteFormen.push_back(AlsUtf8(cp));
        }
    }
    bool ohneZweites = false; // a one-letter pattern of one byte: any byte may follow
    for (std::size_t k = 0; k < muster_.size(); ++k) {
        std::size_t kuerzeste = 4;
        for (const char32_t cp : Schreibweisen(muster_[k])) {
            const std::string form = AlsUtf8(cp);
            kuerzeste = std::min(kuerzeste, form.size());
            if (k > 0) {
                continue;
            }
            Aufnehmen(erste_, form[0]);
            if (form.size() > 1) {
                Aufnehmen(zweite_, form[1]);
            }
            ohneZweites |= form.size() == 1 && muster_.size() == 1;
            for (const std::string& z :
                 form.size() > 1 ? std::vector<std::string>() : zweiteFormen) {
                Aufnehmen(zweite_, z[0]);
            }
        }
        mindestens_ += kuerzeste;
    }
    if (ohneZweites) {
        zweite_.clear();
    }
}

bool TSuchmuster::PasstAb(std::string_view seite, std::size_t i) const {
    for (const char32_t m : muster_) {
        if (i >= seite.size()) {
            return false;
        }
        const auto cp = Utf8Lesen(seite, i);
        if (!cp || Gefaltet(*cp) != m) {
            return false;
        }
    }
    return true;
}

// The places where a hit can start are found for a window of a side at once, in vector
// registers and without a branch that depends on each byte: such branches, mispredicted for
// nearly every one of millions of sides, would take most of the time. The card box lets a
// window be read past a side's end (TVokList::kNachlauf); the bytes there do not count.
bool TSuchmuster::SeiteImFach(std::string_view seite) const {
    if (seite.size() < mindestens_) {
        return false;
    }
    const auto* daten = reinterpret_cast<const unsigned char*>(seite.data());
    const std::size_t letzte = seite.size() - mindestens_; // the last place a hit can start
    for (std::size_t ab = 0; ab <= letzte; ab += kFenster) {
        const Fenster bytes(daten + ab, stdx::element_aligned);
        const Fenster danach(daten + ab + 1, stdx::element_aligned);
        auto anfaenge =
            Eines(bytes, erste_) &
            (kStellen <= static_cast<unsigned char>(std::min(letzte - ab, kFenster - 1)));
        if (!zweite_.empty()) {
            anfaenge &= Eines(danach, zweite_);
        }
        const auto enden =
            (bytes == static_cast<unsigned char>(kKodiertCR[0])) &
            (danach == static_cast<unsigned char>(kKodiertCR[1])) &
            (kStellen < static_cast<unsigned char>(std::min(seite.size() - ab, kFenster)));
        const bool zeilenende = stdx::any_of(enden);
        if (zeilenende) {
            anfaenge &= kStellen < static_cast<unsigned char>(stdx::find_first_set(enden));
        }
        while (stdx::any_of(anfaenge)) {
            const int stelle = stdx::find_first_set(anfaenge);
            if (PasstAb(seite, ab + static_cast<std::size_t>(stelle))) {
                return true;
            }
            anfaenge[stelle] = false;
        }
        if (zeilenende) {
            return false;
        }
    }
    return false;
}

bool TSuchmuster::Seite(std::string_view seite) const {
    for (std::size_t i = 0; i + mindestens_ <= seite.size(); ++i) {
        if (seite.substr(i).starts_with(kKodiertCR)) {
            return false;
        }
        const auto byte = static_cast<unsigned char>(seite[i]);
        if (std::find(erste_.begin(), erste_.end(), byte) != erste_.end() && PasstAb(seite, i)) {
            return true;
        }
    }
    return false;
}

bool TSuchmuster::Ziffer(int stufe) const {
    return muster_.size() == 1 && muster_[0] == static_cast<char32_t>('0' + stufe);
}

bool TSuchmuster::Treffer(std::string_view deutsch, std::string_view fremd, int stufe) const {
    return !nie_ && (Seite(deutsch) || Seite(fremd) || Ziffer(stufe));
}

int TSuchmuster::ErsterTreffer(const TVokList& fach, int stufe, int ab) const {
    if (nie_ || ab >= fach.Count()) {
        return -1;
    }
    if (Ziffer(stufe)) {
        return ab;
    }
    for (int i = ab; i < fach.Count(); ++i) {
        fach.Vorausladen(i + TVokList::kVoraus);
        if (SeiteImFach(fach.Deutsch(i)) || SeiteImFach(fach.Fremd(i))) {
            return i;
        }
    }
    return -1;
}

} // namespace lexidor
