// Settings codec: integer, Boolean and colour encodings and the read and write orders.
#include "einstellungen.h"

#include "cp1252.h"

#include <array>
#include <cstdio>

namespace lexidor {
namespace {

struct Farbname {
    std::string_view name;
    std::uint32_t wert;
};

constexpr std::uint32_t kSystem = 0xFF000000u;

constexpr std::array<Farbname, 52> kFarbnamen = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", kSystem | 0},
    {"clBackground", kSystem | 1},
    {"clActiveCaption", kSystem | 2},
    {"clInactiveCaption", kSystem | 3},
    {"clMenu", kSystem | 4},
    {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6},
    {"clMenuText", kSystem | 7},
    {"clWindowText", kSystem | 8},
    {"clCaptionText", kSystem | 9},
    {"clActiveBorder", kSystem | 10},
    {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12},
    {"clHighlight", kSystem | 13},
    {"clHighlightText", kSystem | 14},
    {"clBtnFace", kSystem | 15},
    {"clBtnShadow", kSystem | 16},
    {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18},
    {"clInactiveCaptionText", kSystem | 19},
    {"clBtnHighlight", kSystem | 20},
    {"cl3DDkShadow", kSystem | 21},
    {"cl3DLight", kSystem | 22},
    {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24},
    {"clHotLight", kSystem | 26},
    {"clGradientActiveCaption", kSystem | 27},
    {"clGradientInactiveCaption", kSystem | 28},
    {"clMenuHighlight", kSystem | 29},
    {"clMenuBar", kSystem | 30},
}};

std::optional<std::uint32_t> HexLesen(std::string_view s) {
    if (s.empty() || s.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t wert = 0;
    for (char c : s) {
        int ziffer = -1;
        if (c >= '0' && c <= '9') {
            ziffer = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            ziffer = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            ziffer = c - 'A' + 10;
        }
        if (ziffer < 0) {
            return std::nullopt;
        }
        wert = wert * 16 + static_cast<std::uint32_t>(ziffer);
    }
    return wert;
}

std::optional<std::int32_t> DezimalLesen(std::string_view s) {
    bool negativ = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negativ = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 10) {
        return std::nullopt;
    }
    std::int64_t wert = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        wert = wert * 10 + (c - '0');
    }
    wert = negativ ? -wert : wert;
    if (wert < INT32_MIN || wert > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(wert);
}

std::int32_t ZahlOder(const Profildatei& ini, std::string_view sektion, std::string_view key,
                      std::int32_t standard) {
    const auto text = ini.Lesen(sektion, key);
    const auto zahl = text ? ProfilZahl(*text) : std::nullopt;
    return zahl.value_or(standard);
}

bool BoolOder(const Profildatei& ini, std::string_view sektion, std::string_view key,
              bool standard) {
    return ZahlOder(ini, sektion, key, standard ? 1 : 0) != 0;
}

std::string ZahlText(std::int32_t wert) {
    return std::to_string(wert);
}
std::string BoolText(bool wert) {
    return wert ? "1" : "0";
}

} // namespace

std::optional<std::int32_t> ProfilZahl(std::string_view text) {
    std::optional<std::uint32_t> hex;
    if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X"))) {
        hex = HexLesen(text.substr(2));
    } else if (text.starts_with("$")) {
        hex = HexLesen(text.substr(1));
    } else {
        return DezimalLesen(text);
    }
    if (!hex) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*hex);
}

std::string FarbeNachText(TColor farbe) {
    const auto wert = static_cast<std::uint32_t>(farbe);
    for (const auto& n : kFarbnamen) {
        if (n.wert == wert) {
            return std::string(n.name);
        }
    }
    char puffer[12];
    std::snprintf(puffer, sizeof puffer, "$%08X", wert);
    return puffer;
}

std::optional<TColor> TextNachFarbe(std::string_view text) {
    for (const auto& n : kFarbnamen) {
        if (GleichOhneFall(n.name, text)) {
            return static_cast<TColor>(n.wert);
        }
    }
    return ProfilZahl(text);
}

EinstellungenGeladen EinstellungenLaden(const Profildatei& ini, TEinstellungen& e,
                                        bool& hintergrundStartFlag) {
    e.Abfragerichtung = ZahlOder(ini, "Optionen", "Abfragerichtung", 1);
    e.Fach2 = ZahlOder(ini, "Intervalle", "Fach2", 3);
    e.Fach3 = ZahlOder(ini, "Intervalle", "Fach3", 10);
    e.Fach4 = ZahlOder(ini, "Intervalle", "Fach4", 30);
    e.Fach5 = ZahlOder(ini, "Intervalle", "Fach5", 90);
    e.Autosave = BoolOder(ini, "Optionen", "Autosave", false);
    e.Timer = ZahlOder(ini, "Sonstiges", "Timer", 7);
    const auto farbe = TextNachFarbe(ini.Lesen("Sonstiges", "Hintergrundfarbe").value_or("clNavy"));
    if (!farbe) {
        return {false, "Hintergrundfarbe"};
    }
    e.Hintergrundfarbe = *farbe;
    hintergrundStartFlag = BoolOder(ini, "Sonstiges", "Form10Sichtbar", false);
    e.Enterneu = BoolOder(ini, "Sonstiges", "Enterneu", false);
    e.Enterab = BoolOder(ini, "Sonstiges", "Enterab", false);
    return {};
}

void EinstellungenSpeichern(Profildatei& ini, const TEinstellungen& e, bool form10Sichtbar) {
    ini.Schreiben("Optionen", "Abfragerichtung", ZahlText(e.Abfragerichtung));
    ini.Schreiben("Optionen", "Autosave", BoolText(e.Autosave));
    ini.Schreiben("Intervalle", "Fach2", ZahlText(e.Fach2));
    ini.Schreiben("Intervalle", "Fach3", ZahlText(e.Fach3));
    ini.Schreiben("Intervalle", "Fach4", ZahlText(e.Fach4));
    ini.Schreiben("Intervalle", "Fach5", ZahlText(e.Fach5));
    ini.Schreiben("Sonstiges", "Timer", ZahlText(e.Timer));
    ini.Schreiben("Sonstiges", "Hintergrundfarbe", FarbeNachText(e.Hintergrundfarbe));
    ini.Schreiben("Sonstiges", "Form10Sichtbar", BoolText(form10Sichtbar));
    ini.Schreiben("Sonstiges", "Enterneu", BoolText(e.Enterneu));
    ini.Schreiben("Sonstiges", "Enterab", BoolText(e.Enterab));
}

} // namespace lexidor
