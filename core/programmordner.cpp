// The folder rule of an installed and a carried-along program.
#include "programmordner.h"

#include "kartei.h"

namespace lexidor {

namespace {

constexpr std::string_view kSonderzeichen = "sonderzeichen.ini";

std::string_view Ordnerteil(std::string_view pfad) {
    const auto schnitt = pfad.rfind('/');
    if (schnitt == std::string_view::npos) {
        return {};
    }
    return schnitt == 0 ? pfad.substr(0, 1) : pfad.substr(0, schnitt);
}

std::string Verbinden(std::string_view ordner, std::string_view name) {
    std::string pfad(ordner);
    if (pfad.empty() || pfad.back() != '/') {
        pfad += '/';
    }
    return pfad.append(name);
}

// The base-directory rules ignore a relative XDG_CONFIG_HOME or XDG_DATA_HOME as invalid, and
// an empty one means "$HOME/.config" or "$HOME/.local/share"; a home that is no absolute path
// counts as "/", as Qt takes it.
std::string Basisordner(std::string_view xdg, const Umgebung& umgebung, std::string_view vorgabe) {
    if (xdg.starts_with('/')) {
        return std::string(xdg);
    }
    return Verbinden(umgebung.home.starts_with('/') ? umgebung.home : "/", vorgabe);
}

} // namespace

std::string GeteilterOrdner(std::string_view programmpfad) {
    const std::string_view bin = Ordnerteil(programmpfad);
    if (Dateiname(bin) != "bin") {
        return {};
    }
    return Verbinden(Ordnerteil(bin), "share/lexidor");
}

Programmordner ProgrammordnerBestimmen(std::string_view programmpfad, bool geteilterOrdnerDa,
                                       const Umgebung& umgebung) {
    const std::string geteilt = GeteilterOrdner(programmpfad);
    if (geteilt.empty() || !geteilterOrdnerDa) {
        const std::string neben(Ordnerteil(programmpfad));
        return {neben, neben, false, neben};
    }
    return {Verbinden(Basisordner(umgebung.xdgConfigHome, umgebung, ".config"), "lexidor"), geteilt,
            true,
            Verbinden(Basisordner(umgebung.xdgDataHome, umgebung, ".local/share"), "lexidor")};
}

std::string SonderzeichenQuelle(const Programmordner& ordner, bool eigeneDateiDa) {
    const bool vorgabe = ordner.installiert && !eigeneDateiDa;
    return Verbinden(vorgabe ? ordner.mitgelieferte : ordner.eigene, kSonderzeichen);
}

} // namespace lexidor
