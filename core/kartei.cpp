// Card box model: the compartment lists and the card box operations.
#include "kartei.h"

#include <algorithm>
#include <numeric>

namespace lexidor {

TVokList::Eintrag TVokList::Ablegen(std::string_view deutsch, std::string_view fremd,
                                    std::string_view zusatz) {
    Eintrag e{text_.size(), static_cast<std::uint32_t>(deutsch.size()),
              static_cast<std::uint32_t>(fremd.size()), static_cast<std::uint32_t>(zusatz.size())};
    text_.insert(text_.end(), deutsch.begin(), deutsch.end());
    text_.insert(text_.end(), fremd.begin(), fremd.end());
    text_.insert(text_.end(), zusatz.begin(), zusatz.end());
    return e;
}

void TVokList::Verwerfen(const Eintrag& e) {
    muell_ += std::size_t{e.d} + e.f + e.z;
    // Compact once most of the buffer is garbage, so repeated edits and moves stay cheap.
    if (muell_ > 4096 && muell_ * 2 > text_.size()) {
        std::vector<std::uint32_t> gleich(eintraege_.size());
        std::iota(gleich.begin(), gleich.end(), 0u);
        NeuOrdnen(gleich);
    }
}

void TVokList::NeuOrdnen(const std::vector<std::uint32_t>& reihenfolge) {
    std::vector<char> text;
    text.reserve(text_.size() - muell_);
    std::vector<Eintrag> eintraege;
    eintraege.reserve(reihenfolge.size());
    for (std::uint32_t alt : reihenfolge) {
        Eintrag e = eintraege_[alt];
        const std::size_t laenge = std::size_t{e.d} + e.f + e.z;
        const auto quelle = text_.begin() + static_cast<std::ptrdiff_t>(e.start);
        e.start = text.size();
        text.insert(text.end(), quelle, quelle + static_cast<std::ptrdiff_t>(laenge));
        eintraege.push_back(e);
    }
    text_ = std::move(text);
    eintraege_ = std::move(eintraege);
    muell_ = 0;
}

void TVokList::Add(const TVokabel& v) {
    Anhaengen(v.Deutsch, v.Fremd, v.Zusatz);
}

void TVokList::Anhaengen(std::string_view deutsch, std::string_view fremd,
                         std::string_view zusatz) {
    eintraege_.push_back(Ablegen(deutsch, fremd, zusatz));
}

TVokabel TVokList::Get(int i) const {
    return TVokabel{std::string(Deutsch(i)), std::string(Fremd(i)), std::string(Zusatz(i)), true};
}

void TVokList::Put(int i, const TVokabel& v) {
    const Eintrag alt = eintraege_[i];
    eintraege_[i] = Ablegen(v.Deutsch, v.Fremd, v.Zusatz);
    Verwerfen(alt);
}

void TVokList::Delete(int i) {
    const Eintrag alt = eintraege_[i];
    eintraege_.erase(eintraege_.begin() + i);
    Verwerfen(alt);
}

void TVokList::Clear() {
    eintraege_ = {};
    text_ = {};
    muell_ = 0;
}

void TVokList::Exchange(int i, int j) {
    if (i != j) {
        std::swap(eintraege_[i], eintraege_[j]);
    }
}

void TVokList::Shuffle(Zufall& zufall) {
    const auto n = static_cast<std::uint32_t>(eintraege_.size());
    if (n == 0) {
        return;
    }
    // The 2n + 1 exchanges run on an index array; the cards then move once, which also
    // lays their texts out in list order for everything that walks the list later.
    std::vector<std::uint32_t> reihenfolge(n);
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0u);
    for (std::uint64_t k = 0; k < 2 * std::uint64_t{n} + 1; ++k) {
        const std::uint32_t j = zufall.Unter(n);
        const std::uint32_t i = zufall.Unter(n);
        std::swap(reihenfolge[i], reihenfolge[j]);
    }
    NeuOrdnen(reihenfolge);
}

void TVokList::Reservieren(std::size_t karten, std::size_t textBytes) {
    eintraege_.reserve(karten);
    text_.reserve(textBytes);
}

std::size_t TVokList::Speicherbedarf() const {
    return text_.capacity() + eintraege_.capacity() * sizeof(Eintrag);
}

void TKartei::Schliessen() {
    for (auto& f : Fach) {
        f.Clear();
    }
    Geoeffnet = false;
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
    Fach[nach].Anhaengen(quelle.Deutsch(index), quelle.Fremd(index), quelle.Zusatz(index));
    Fach[von].Delete(index);
}

int TKartei::Gesamtzahl() const {
    int summe = 0;
    for (int k = 1; k <= 6; ++k) {
        summe += Fach[k].Count();
    }
    return summe;
}

std::string UmbruecheKodieren(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\n', kKodiertLF);
    std::replace(out.begin(), out.end(), '\r', kKodiertCR);
    return out;
}

std::string UmbruecheDekodieren(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), kKodiertLF, '\n');
    std::replace(out.begin(), out.end(), kKodiertCR, '\r');
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
