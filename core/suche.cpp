// Search hit rule, without copying or lower-casing each row.
#include "suche.h"

#include "cp1252.h"
#include "kartei.h"

#include <experimental/simd>

namespace lexidor {
namespace {
// The length up to which a side is scanned as a whole: most sides are shorter.
constexpr std::size_t kFenster = 32;
static_assert(kFenster + 1 <= TVokList::kNachlauf);
namespace stdx = std::experimental;
using Fenster = stdx::fixed_size_simd<unsigned char, kFenster>;
const Fenster kStellen([](auto i) { return static_cast<unsigned char>(i); });

// The byte itself and the one byte whose lower case it is, if there is one: code page 1252
// has no third.
std::pair<unsigned char, unsigned char> Formen(char zeichen) {
    const auto klein = static_cast<unsigned char>(zeichen);
    for (int b = 0; b < 256; ++b) {
        if (b != klein && Klein(static_cast<unsigned char>(b)) == klein) {
            return {klein, static_cast<unsigned char>(b)};
        }
    }
    return {klein, klein};
}

} // namespace

TSuchmuster::TSuchmuster(std::string_view suchtext) : muster_(Kleinschreibung(suchtext)) {
    // An empty pattern never hits; nor does one that holds the first line's end.
    nie_ = muster_.empty() || muster_.find(kKodiertCR) != std::string::npos;
    if (nie_) {
        return;
    }
    erstes_ = Formen(muster_[0]);
    if (muster_.size() > 1) {
        zweites_ = Formen(muster_[1]);
    }
}

bool TSuchmuster::PasstAb(std::string_view seite, std::size_t i) const {
    for (std::size_t j = 1; j < muster_.size(); ++j) {
        if (Klein(static_cast<unsigned char>(seite[i + j])) !=
            static_cast<unsigned char>(muster_[j])) {
            return false;
        }
    }
    return true;
}

// The places where a hit can start are found for a whole short side at once, in vector
// registers and without a branch that depends on its length: such branches, mispredicted
// for nearly every one of millions of sides, would take most of the time. The card box lets
// a window be read past a side's end (TVokList::kNachlauf); the bytes there do not count.
bool TSuchmuster::SeiteImFach(std::string_view seite) const {
    if (seite.size() < muster_.size()) {
        return false;
    }
    if (seite.size() > kFenster) {
        return Seite(seite);
    }
    const auto* daten = reinterpret_cast<const unsigned char*>(seite.data());
    const Fenster bytes(daten, stdx::element_aligned);
    const auto laenge = static_cast<unsigned char>(seite.size());
    const auto letzte = static_cast<unsigned char>(seite.size() - muster_.size());
    auto anfaenge = ((bytes == erstes_.first) | (bytes == erstes_.second)) & (kStellen <= letzte);
    if (muster_.size() > 1) {
        const Fenster danach(daten + 1, stdx::element_aligned);
        anfaenge &= (danach == zweites_.first) | (danach == zweites_.second);
    }
    const auto enden = (bytes == static_cast<unsigned char>(kKodiertCR)) & (kStellen < laenge);
    if (stdx::any_of(enden)) {
        anfaenge &= kStellen < static_cast<unsigned char>(stdx::find_first_set(enden));
    }
    while (stdx::any_of(anfaenge)) {
        const int stelle = stdx::find_first_set(anfaenge);
        if (PasstAb(seite, static_cast<std::size_t>(stelle))) {
            return true;
        }
        anfaenge[stelle] = false;
    }
    return false;
}

bool TSuchmuster::Seite(std::string_view seite) const {
    for (std::size_t i = 0; i + muster_.size() <= seite.size(); ++i) {
        if (seite[i] == kKodiertCR) {
            return false;
        }
        const auto byte = static_cast<unsigned char>(seite[i]);
        if ((byte == erstes_.first || byte == erstes_.second) && PasstAb(seite, i)) {
            return true;
        }
    }
    return false;
}

bool TSuchmuster::Ziffer(int stufe) const {
    const char ziffer = static_cast<char>('0' + stufe);
    return muster_ == std::string_view(&ziffer, 1);
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
