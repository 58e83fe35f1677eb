// Search hit rule, without copying or lower-casing each row.
#include "suche.h"

#include "cp1252.h"
#include "kartei.h"
#include "wortweise.h"

namespace lexidor {
namespace {
// How many cards ahead the scan asks for a card's text (see TVokList::Vorausladen).
constexpr int kVoraus = 8;
// The length up to which a side is scanned as a whole: most sides are shorter.
constexpr std::size_t kFenster = 32;
static_assert(kFenster + 1 <= TVokList::kNachlauf);

// The byte itself and the one byte whose lower case it is, if there is one: code page 1252
// has no third.
std::pair<char, char> Formen(char klein) {
    for (int b = 0; b < 256; ++b) {
        if (b != static_cast<unsigned char>(klein) &&
            Klein(static_cast<unsigned char>(b)) == static_cast<unsigned char>(klein)) {
            return {klein, static_cast<char>(b)};
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

std::uint64_t TSuchmuster::Anfaenge(std::uint64_t wort, std::uint64_t danach) const {
    using wortweise::Gleich;
    const std::uint64_t erste = Gleich(wort, erstes_.first) | Gleich(wort, erstes_.second);
    if (muster_.size() == 1) {
        return erste;
    }
    return erste & (Gleich(danach, zweites_.first) | Gleich(danach, zweites_.second));
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

// The places where a hit can start are found for a whole short side at once, without a
// branch that depends on its length: such branches, mispredicted for nearly every one of
// millions of sides, would take most of the time. The card box lets whole words be read past
// a side's end (TVokList::kNachlauf); the bytes there do not count.
bool TSuchmuster::SeiteImFach(std::string_view seite) const {
    if (seite.size() < muster_.size()) {
        return false;
    }
    if (seite.size() > kFenster) {
        return Seite(seite);
    }
    using namespace wortweise;
    std::uint32_t anfaenge = 0;
    std::uint32_t enden = 0;
    for (std::size_t k = 0; k < kFenster; k += 8) {
        const std::uint64_t wort = Laden(seite.data() + k);
        anfaenge |= Bits(Anfaenge(wort, Laden(seite.data() + k + 1))) << k;
        enden |= Bits(Gleich(wort, kKodiertCR)) << k;
    }
    // Places up to the last one a hit can start at, and before the first line's end.
    const std::size_t letzte = seite.size() - muster_.size();
    anfaenge &= letzte + 1 >= kFenster ? ~0u : (1u << (letzte + 1)) - 1;
    enden &= seite.size() >= kFenster ? ~0u : (1u << seite.size()) - 1;
    anfaenge &= (enden & (0u - enden)) - 1;
    for (; anfaenge != 0; anfaenge &= anfaenge - 1) {
        if (PasstAb(seite, static_cast<std::size_t>(std::countr_zero(anfaenge)))) {
            return true;
        }
    }
    return false;
}

bool TSuchmuster::Seite(std::string_view seite) const {
    for (std::size_t i = 0; i + muster_.size() <= seite.size(); ++i) {
        if (seite[i] == kKodiertCR) {
            return false;
        }
        if ((seite[i] == erstes_.first || seite[i] == erstes_.second) && PasstAb(seite, i)) {
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
        fach.Vorausladen(i + kVoraus);
        if (SeiteImFach(fach.Deutsch(i)) || SeiteImFach(fach.Fremd(i))) {
            return i;
        }
    }
    return -1;
}

} // namespace lexidor
