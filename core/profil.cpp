// The profile-file model behind "lexidor.ini".
#include "profil.h"

#include "cp1252.h"
#include "zeilen.h"

namespace lexidor {
namespace {

// Control characters count as blanks, as in the profile files of old.
std::string_view Getrimmt(std::string_view s) {
    return OhneRaender(s, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// The name of a section header line, or nullopt for any other line.
std::optional<std::string_view> SektionsName(std::string_view zeile) {
    const auto t = Getrimmt(zeile);
    if (t.size() < 2 || t.front() != '[') {
        return std::nullopt;
    }
    const auto zu = t.find(']');
    if (zu == std::string_view::npos) {
        return std::nullopt;
    }
    return Getrimmt(t.substr(1, zu - 1));
}

bool IstKommentarOderLeer(std::string_view zeile) {
    const auto t = Getrimmt(zeile);
    return t.empty() || t.front() == ';';
}

} // namespace

bool GleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Klein(static_cast<unsigned char>(a[i])) != Klein(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

Profildatei::Profildatei(std::string_view daten) {
    Zeilenleser leser(OhneBom(daten));
    while (auto z = leser.Naechste()) {
        zeilen_.emplace_back(*z);
    }
}

std::optional<Profildatei::Bereich> Profildatei::SektionFinden(std::string_view sektion) const {
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const auto name = SektionsName(zeilen_[i]);
        if (!name || !GleichOhneFall(*name, sektion)) {
            continue;
        }
        std::size_t ende = i + 1;
        while (ende < zeilen_.size() && !SektionsName(zeilen_[ende])) {
            ++ende;
        }
        return Bereich{i, ende};
    }
    return std::nullopt;
}

std::optional<std::size_t> Profildatei::EintragFinden(const Bereich& b,
                                                      std::string_view schluessel) const {
    for (std::size_t i = b.kopf + 1; i < b.ende; ++i) {
        const std::string_view zeile = zeilen_[i];
        const auto gleich = zeile.find('=');
        if (IstKommentarOderLeer(zeile) || gleich == std::string_view::npos) {
            continue;
        }
        if (GleichOhneFall(Getrimmt(zeile.substr(0, gleich)), schluessel)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Profildatei::Lesen(std::string_view sektion,
                                              std::string_view schluessel) const {
    const auto b = SektionFinden(sektion);
    const auto i = b ? EintragFinden(*b, schluessel) : std::nullopt;
    if (!i) {
        return std::nullopt;
    }
    const std::string_view zeile = zeilen_[*i];
    return std::string(Getrimmt(zeile.substr(zeile.find('=') + 1)));
}

void Profildatei::Schreiben(std::string_view sektion, std::string_view schluessel,
                            std::string_view wert) {
    std::string eintrag(schluessel);
    eintrag += '=';
    eintrag += wert;
    const auto b = SektionFinden(sektion);
    if (!b) {
        std::string kopf = "[";
        kopf += sektion;
        kopf += ']';
        zeilen_.push_back(std::move(kopf));
        zeilen_.push_back(std::move(eintrag));
        return;
    }
    if (const auto i = EintragFinden(*b, schluessel)) {
        zeilen_[*i] = std::move(eintrag);
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    std::size_t nach = b->ende;
    while (nach > b->kopf + 1 && Getrimmt(zeilen_[nach - 1]).empty()) {
        --nach;
    }
    zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(nach), std::move(eintrag));
}

std::string Profildatei::Daten() const {
    return ZeilenVerbinden(zeilen_);
}

} // namespace lexidor
