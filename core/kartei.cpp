// Card box model: the compartment lists and the card box operations.
#include "kartei.h"

#include "cp1252.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <new>
#include <numeric>
#include <stdexcept>

namespace lexidor {

namespace {

// Blocks of text grow from a size that suits a small box to one that holds tens of thousands
// of cards, whose unused end still costs little. A full block with its run-out is exactly one
// window of the span, as large as a large memory page, and lies on one, so the platform can
// back it with such a page.
constexpr std::size_t kErsterBlock = std::size_t{1} << 12;
// Cards per bucket of the shuffle: the entries of one bucket fit in the second-level cache.
constexpr std::size_t kEimer = std::size_t{1} << 14;

template <typename T> void FisherYates(T* karten, std::size_t n, Zufall& zufall) {
    for (std::size_t i = n; i > 1; --i) {
        std::swap(karten[i - 1], karten[zufall.Unter(static_cast<std::uint32_t>(i))]);
    }
}

} // namespace

void TVokList::NeuerBlock(std::size_t groesse) {
    // Uninitialised first, so that the platform's advice comes before the pages are touched.
    const bool gross = groesse + kNachlauf >= kFenster;
    const std::size_t ausrichtung = gross ? kFenster : alignof(std::max_align_t);
    const std::size_t bytes = (groesse + kNachlauf + ausrichtung - 1) / ausrichtung * ausrichtung;
    std::unique_ptr<char[], Freigabe> block(
        static_cast<char*>(std::aligned_alloc(ausrichtung, bytes)));
    if (!block) {
        throw std::bad_alloc();
    }
    if (gross && blockrat_ != nullptr) {
        blockrat_(block.get(), bytes);
    }
    std::memset(block.get(), 0, bytes);
    // The windows of the span the block takes: a card may start in any of them.
    const std::size_t fenster = std::max<std::size_t>(1, (groesse + kFenster - 1) / kFenster);
    if (fenster_.size() + fenster > (std::size_t{1} << (32 - kFensterBits))) {
        throw std::length_error("more than 4 GiB of text in one compartment");
    }
    if (!bloecke_.empty()) {
        enden_.push_back(belegt_);
    }
    ort_ = fenster_.size() << kFensterBits;
    for (std::size_t j = 0; j < fenster; ++j) {
        fenster_.push_back(block.get() + j * kFenster);
    }
    bloecke_.push_back(std::move(block));
    reserviert_ += groesse;
    belegt_ = 0;
    frei_ = groesse;
}

char* TVokList::Platz(std::size_t laenge) {
    if (laenge > frei_ || bloecke_.empty()) {
        const std::size_t bisher = bloecke_.empty() ? 0 : belegt_ + frei_;
        NeuerBlock(std::max(laenge, std::clamp(2 * bisher, kErsterBlock, kFenster - kNachlauf)));
    }
    char* p = bloecke_.back().get() + belegt_;
    belegt_ += laenge;
    frei_ -= laenge;
    text_ += laenge;
    return p;
}

char* TVokList::KopfSchreiben(char* p, bool kurz, bool utf8, std::size_t d, std::size_t f,
                              std::size_t z) {
    const unsigned char marke = utf8 ? kUtf8 : 0;
    if (kurz) {
        p[0] = static_cast<char>(marke | d);
        p[1] = static_cast<char>(f);
        p[2] = static_cast<char>(z);
        return p + kKopfKurz;
    }
    const std::uint32_t l[3] = {static_cast<std::uint32_t>(d), static_cast<std::uint32_t>(f),
                                static_cast<std::uint32_t>(z)};
    p[0] = static_cast<char>(marke | kLang);
    std::memcpy(p + 1, l, sizeof l);
    return p + kKopfLang;
}

TVokList::Eintrag TVokList::Ort(const char* p) const {
    return static_cast<Eintrag>(ort_ + static_cast<std::size_t>(p - bloecke_.back().get()));
}

TVokList::Eintrag TVokList::Ablegen(std::string_view deutsch, std::string_view fremd,
                                    std::string_view zusatz, bool nurCp1252) {
    const bool kurz = KurzerKopf(deutsch.size(), fremd.size(), zusatz.size());
    char* p = Platz((kurz ? kKopfKurz : kKopfLang) + deutsch.size() + fremd.size() + zusatz.size());
    utf8Karten_ += nurCp1252 ? 0 : 1;
    const Eintrag e = Ort(p);
    p = KopfSchreiben(p, kurz, !nurCp1252, deutsch.size(), fremd.size(), zusatz.size());
    p = std::copy(deutsch.begin(), deutsch.end(), p);
    p = std::copy(fremd.begin(), fremd.end(), p);
    std::copy(zusatz.begin(), zusatz.end(), p);
    return e;
}

void TVokList::Verwerfen(Eintrag e) {
    const Karte k = Lesen(e);
    muell_ += static_cast<std::size_t>(k.text - Anfang(e)) + k.d + k.f + k.z;
    utf8Karten_ -= k.utf8 ? 1 : 0;
    // Compact once most of the text is garbage, so repeated edits and moves stay cheap.
    if (muell_ > 4096 && muell_ * 2 > text_) {
        Verdichten();
    }
}

void TVokList::Verdichten() {
    const auto alteBloecke = std::move(bloecke_);
    const auto alteFenster = std::move(fenster_);
    bloecke_.clear();
    fenster_.clear();
    enden_.clear();
    ort_ = belegt_ = frei_ = reserviert_ = text_ = muell_ = utf8Karten_ = 0;
    for (Eintrag& e : eintraege_) {
        const Karte k = KarteAb(Anfang(alteFenster, e));
        e = Ablegen({k.text, k.d}, {k.text + k.d, k.f}, {k.text + k.d + k.f, k.z}, !k.utf8);
    }
}

void TVokList::Add(const TVokabel& v) {
    Anhaengen(v.Deutsch, v.Fremd, v.Zusatz);
}

void TVokList::Anhaengen(std::string_view deutsch, std::string_view fremd, std::string_view zusatz,
                         std::optional<bool> nurCp1252) {
    // Not value_or: its argument, three scans of the texts, would be paid for every card read.
    const bool passt =
        nurCp1252 ? *nurCp1252 : PasstCp1252(deutsch) && PasstCp1252(fremd) && PasstCp1252(zusatz);
    eintraege_.push_back(Ablegen(deutsch, fremd, zusatz, passt));
}

// Straight into the block: a box of millions of cards is converted without a copy between.
// The room for the longest UTF-8 the texts can become is taken first, with the head that
// length needs (a byte of code page 1252 takes at most three), and the rest given back.
void TVokList::AnhaengenCp1252(std::string_view deutsch, std::string_view fremd,
                               std::string_view zusatz) {
    const bool lang = !KurzerKopf(3 * deutsch.size(), 3 * fremd.size(), 3 * zusatz.size());
    const std::size_t platz = (lang ? kKopfLang : kKopfKurz) +
                              Cp1252Utf8Platz(deutsch.size() + fremd.size() + zusatz.size());
    char* const kopf = Platz(platz);
    char* anfang = kopf + (lang ? kKopfLang : kKopfKurz);
    char* const f = Cp1252NachUtf8Schreiben(deutsch, anfang);
    char* const z = Cp1252NachUtf8Schreiben(fremd, f);
    char* const geschrieben = Cp1252NachUtf8Schreiben(zusatz, z);
    const auto d = static_cast<std::size_t>(f - anfang);
    const auto fl = static_cast<std::size_t>(z - f);
    const auto zl = static_cast<std::size_t>(geschrieben - z);
    // Most texts come out short enough for a short head after all.
    const bool kurz = KurzerKopf(d, fl, zl);
    if (lang && kurz) {
        anfang = static_cast<char*>(std::memmove(kopf + kKopfKurz, anfang, d + fl + zl));
    }
    char* const ende = anfang + d + fl + zl;
    // What the conversion wrote past the end is free room again.
    std::memset(ende, 0, static_cast<std::size_t>(geschrieben + 3 - ende));
    const auto frei = static_cast<std::size_t>(kopf + platz - ende);
    belegt_ -= frei;
    frei_ += frei;
    text_ -= frei;
    KopfSchreiben(kopf, kurz, false, d, fl, zl);
    eintraege_.push_back(Ort(kopf));
}

TVokabel TVokList::Get(int i) const {
    return TVokabel{std::string(Deutsch(i)), std::string(Fremd(i)), std::string(Zusatz(i)), true};
}

void TVokList::Put(int i, const TVokabel& v) {
    const Eintrag alt = eintraege_[i];
    eintraege_[i] =
        Ablegen(v.Deutsch, v.Fremd, v.Zusatz,
                PasstCp1252(v.Deutsch) && PasstCp1252(v.Fremd) && PasstCp1252(v.Zusatz));
    Verwerfen(alt);
}

void TVokList::Delete(int i) {
    const Eintrag alt = eintraege_[i];
    eintraege_.erase(eintraege_.begin() + i);
    Verwerfen(alt);
}

void TVokList::Clear() {
    eintraege_ = {};
    bloecke_.clear();
    fenster_.clear();
    enden_.clear();
    ort_ = belegt_ = frei_ = reserviert_ = text_ = muell_ = utf8Karten_ = 0;
}

// Exchanges across a list of millions wait for memory at nearly every step. So each card
// first goes to a bucket drawn evenly at random, and then each bucket, small enough for the
// cache, is shuffled on its own (Rao and Sandelius): every order stays equally likely.
void TVokList::Shuffle(Zufall& zufall) {
    const std::size_t n = eintraege_.size();
    if (n <= kEimer) {
        FisherYates(eintraege_.data(), n, zufall);
        return;
    }
    // A power of two of buckets, so that one draw yields the buckets of several cards.
    const int bits = std::bit_width((n - 1) / kEimer);
    const std::uint32_t eimer = 1u << bits;
    const int jeZug = 30 / bits;
    std::vector<std::uint32_t> wahl(n);
    std::vector<std::size_t> anfang(eimer + 1);
    for (std::size_t i = 0; i < n;) {
        std::uint32_t zug = zufall.Unter(1u << (bits * jeZug));
        for (int k = 0; k < jeZug && i < n; ++k, ++i) {
            wahl[i] = zug & (eimer - 1);
            zug >>= bits;
            ++anfang[wahl[i] + 1];
        }
    }
    std::partial_sum(anfang.begin(), anfang.end(), anfang.begin());
    // Each card is exchanged straight into its bucket, so no second list of entries is
    // needed beside the first; the places the buckets are filled at move on one by one,
    // which the cache follows well.
    std::vector<std::size_t> kopf(anfang.begin(), anfang.end() - 1);
    for (std::uint32_t b = 0; b < eimer; ++b) {
        while (kopf[b] < anfang[b + 1]) {
            const std::uint32_t ziel = wahl[kopf[b]];
            if (ziel != b) {
                std::swap(eintraege_[kopf[b]], eintraege_[kopf[ziel]]);
                std::swap(wahl[kopf[b]], wahl[kopf[ziel]]);
            }
            ++kopf[ziel];
        }
    }
    for (std::uint32_t b = 0; b < eimer; ++b) {
        FisherYates(eintraege_.data() + anfang[b], anfang[b + 1] - anfang[b], zufall);
    }
}

void TVokList::Reservieren(std::size_t karten, std::size_t textBytes) {
    eintraege_.reserve(karten);
    if (textBytes > frei_) {
        NeuerBlock(textBytes);
    }
}

std::size_t TVokList::Speicherbedarf() const {
    return reserviert_ + eintraege_.capacity() * sizeof(Eintrag);
}

void TKartei::Schliessen() {
    for (auto& f : Fach) {
        f.Clear();
    }
    Geoeffnet = false;
    Utf8Datei = false;
}

void TKartei::NeuAnlegen(Datum heute, const Intervalle& intervalle) {
    Anzeigename = kNeuName;
    Dateipfad = kKeineDatei;
    for (int k = 2; k <= 5; ++k) {
        Faellig[k] = false;
        Termin[k] = PlusTage(heute, intervalle[k]);
    }
}

void TKartei::FaelligkeitBestimmen(Datum heute) {
    for (int k = 2; k <= 5; ++k) {
        Faellig[k] = heute >= Termin[k];
    }
}

void TKartei::TerminFortschreiben(int k, Datum heute, int intervall) {
    Faellig[k] = false;
    Termin[k] = PlusTage(heute, intervall);
}

void TKartei::Verschieben(int von, int index, int nach) {
    const TVokList& quelle = Fach[von];
    Fach[nach].Anhaengen(quelle.Deutsch(index), quelle.Fremd(index), quelle.Zusatz(index),
                         quelle.NurCp1252(index));
    Fach[von].Delete(index);
}

bool TKartei::NurCp1252() const {
    return std::all_of(Fach.begin() + 1, Fach.end(),
                       [](const TVokList& f) { return f.NurCp1252(); });
}

int TKartei::Gesamtzahl() const {
    int summe = 0;
    for (int k = 1; k <= 6; ++k) {
        summe += Fach[k].Count();
    }
    return summe;
}

std::string UmbruecheKodieren(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            out += c == '\n' ? kKodiertLF : kKodiertCR;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UmbruecheDekodieren(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(kKodiertLF) || rest.starts_with(kKodiertCR)) {
            out += rest.starts_with(kKodiertLF) ? '\n' : '\r';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string_view ErsteZeile(std::string_view text) {
    return text.substr(0, text.find(kKodiertCR));
}

bool DeutschSpeicherbar(std::string_view deutsch) {
    return !deutsch.starts_with("----");
}

std::string Dateiname(std::string_view pfad) {
    const auto p = pfad.rfind('/');
    return std::string(p == std::string_view::npos ? pfad : pfad.substr(p + 1));
}

} // namespace lexidor
