// Search hit rule, without copying or case folding each row.
#include "suche.h"

#include "cp1252.h"
#include "kartei.h"
#include "unicodetext.h"

#include <algorithm>
#include <array>
#include <experimental/simd>

namespace lexidor {
namespace {
// The bytes of a side scanned at once.
constexpr std::size_t kFenster = 32;
// A hit's first places checked at once: the bytes of a character of up to four, and the
// first byte of the next.
constexpr std::size_t kStellenHoechstens = 5;
static_assert(kFenster + kStellenHoechstens - 1 <= TVokList::kNachlauf);
// The cards scanned in list order before all are scanned in memory order.
constexpr int kVorn = 4096;
namespace stdx = std::experimental;
using Fenster = stdx::fixed_size_simd<unsigned char, kFenster>;
const Fenster kStellen([](auto i) { return static_cast<unsigned char>(i); });

// Inlined: a call per window and place would cost as much as the comparisons.
[[gnu::always_inline]] inline Fenster::mask_type Eines(const Fenster& bytes,
                                                       const std::vector<unsigned char>& menge) {
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

// The bytes a hit can hold at its first places, from every case form of the first two
// characters. Where all forms of the first character are equal in length ("Ä" and "ä", "Ж"
// and "ж"), each of its bytes and then the second character's first byte narrow the places
// to check; else ("k" and the Kelvin sign) its first byte and the byte after it.
void TSuchmuster::FormenSammeln() {
    std::array<std::vector<std::string>, 2> formen; // of the first and the second character
    for (std::size_t k = 0; k < muster_.size(); ++k) {
        std::size_t kuerzeste = 4;
        for (const char32_t cp : Schreibweisen(muster_[k])) {
            const std::string form = AlsUtf8(cp);
            kuerzeste = std::min(kuerzeste, form.size());
            if (k < formen.size()) {
                formen[k].push_back(form);
            }
        }
        mindestens_ += kuerzeste;
    }
    const std::vector<std::string>& erste = formen[0];
    const std::size_t laenge = erste.front().size();
    const bool gleichLang = std::all_of(erste.begin(), erste.end(),
                                        [laenge](const auto& f) { return f.size() == laenge; });
    const bool zweites = muster_.size() > 1;
    const std::size_t nach = gleichLang ? laenge : 1; // where the second character may start
    stellen_.resize(nach + (zweites ? 1 : 0));
    for (const std::string& form : erste) {
        for (std::size_t j = 0; j < nach; ++j) {
            Aufnehmen(stellen_[j], form[j]);
        }
        if (!gleichLang && zweites && form.size() > 1) {
            Aufnehmen(stellen_[1], form[1]);
        }
    }
    for (const std::string& form : formen[1]) {
        Aufnehmen(stellen_[nach], form[0]);
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

// The places where a hit can start are found for a window of a card at once, in vector
// registers and without a branch that depends on each byte: such branches, mispredicted for
// nearly every one of millions of cards, would take most of the time. The German side is
// directly followed by the foreign one, so both are scanned in one pass, and a hit may start
// in two stretches: before the first line end or the last place a hit fits, of either side.
// The card box lets a window be read past the card's end (TVokList::kNachlauf); the bytes
// there do not count.
bool TSuchmuster::KarteImFach(std::string_view seiten, std::size_t d) const {
    const std::size_t f = seiten.size() - d;
    // Each stretch ends where a hit no longer fits, or at its side's first line end.
    std::size_t endeD = d >= mindestens_ ? d - mindestens_ + 1 : 0;
    std::size_t endeF = f >= mindestens_ ? d + f - mindestens_ + 1 : d;
    const auto* daten = reinterpret_cast<const unsigned char*>(seiten.data());
    // A place relative to a window at ab, limited to the window.
    const auto relativ = [](std::size_t stelle, std::size_t ab) {
        return static_cast<unsigned char>(std::min(std::max(stelle, ab) - ab, kFenster));
    };
    for (std::size_t ab = 0; ab < std::max(endeD, endeF > d ? endeF : 0); ab += kFenster) {
        const Fenster bytes(daten + ab, stdx::element_aligned);
        auto enden = (bytes == static_cast<unsigned char>(kKodiertCR[0])) &
                     (Fenster(daten + ab + 1, stdx::element_aligned) ==
                      static_cast<unsigned char>(kKodiertCR[1]));
        while (stdx::any_of(enden)) {
            const auto stelle = static_cast<std::size_t>(stdx::find_first_set(enden));
            std::size_t& ende = ab + stelle < d ? endeD : endeF;
            ende = std::min(ende, ab + stelle);
            enden[static_cast<int>(stelle)] = false;
        }
        auto anfaenge = Eines(bytes, stellen_[0]) &
                        ((kStellen < relativ(endeD, ab)) |
                         ((kStellen >= relativ(d, ab)) & (kStellen < relativ(endeF, ab))));
        for (std::size_t k = 1; k < stellen_.size(); ++k) {
            anfaenge &= Eines(Fenster(daten + ab + k, stdx::element_aligned), stellen_[k]);
        }
        while (stdx::any_of(anfaenge)) {
            const int stelle = stdx::find_first_set(anfaenge);
            const std::size_t i = ab + static_cast<std::size_t>(stelle);
            if (i < d ? PasstAb(seiten.substr(0, d), i) : PasstAb(seiten.substr(d), i - d)) {
                return true;
            }
            anfaenge[stelle] = false;
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
        if (std::find(stellen_[0].begin(), stellen_[0].end(), byte) != stellen_[0].end() &&
            PasstAb(seite, i)) {
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

// A pattern that many cards hold is found among the first cards in list order. Else the cards
// are scanned in the order their texts lie in memory, as the shuffled list order would jump
// through it and wait for memory at nearly every card; the hits are then looked up in list
// order, which ends at the first.
int TSuchmuster::ErsterTreffer(const TVokList& fach, int stufe, int ab) const {
    if (nie_ || ab >= fach.Count()) {
        return -1;
    }
    if (Ziffer(stufe)) {
        return ab;
    }
    const int vorn = ab + std::min(fach.Count() - ab, kVorn);
    for (int i = ab; i < vorn; ++i) {
        fach.Vorausladen(i);
        if (KarteImFach(fach.Seiten(i), fach.Deutsch(i).size())) {
            return i;
        }
    }
    if (vorn == fach.Count()) {
        return -1;
    }
    std::vector<const void*> treffer;
    fach.InSpeicherfolge([&](const void* stelle, std::string_view seiten, std::size_t d) {
        if (KarteImFach(seiten, d)) {
            treffer.push_back(stelle);
        }
    });
    if (treffer.empty()) {
        return -1;
    }
    std::sort(treffer.begin(), treffer.end());
    for (int i = vorn; i < fach.Count(); ++i) {
        if (std::binary_search(treffer.begin(), treffer.end(), fach.Stelle(i))) {
            return i;
        }
    }
    return -1;
}

} // namespace lexidor
