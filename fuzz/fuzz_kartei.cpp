// Any bytes as a card-box file, as they are and after the UTF-8 mark: the reader must never
// crash, a box it accepts holds well-formed UTF-8 in NFC only, and it must write and read back
// to the same compartments, cards, dates and due flags, whatever the regional date pattern
// and today's date.
#include "cp1252.h"
#include "karteidatei.h"
#include "unicodetext.h"
#include "zeilen.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace lexidor;

// Always the highest value, under which the shuffle leaves every card where it is, so both
// reads keep the file's order.
class OhneMischen final : public Zufall {
public:
    std::uint32_t Unter(std::uint32_t n) override { return n - 1; }
};

bool Wohlgeformt(const TKartei& k) {
    for (int c = 1; c <= 6; ++c) {
        for (int i = 0; i < k.Fach[c].Count(); ++i) {
            for (const std::string_view t :
                 {k.Fach[c].Deutsch(i), k.Fach[c].Fremd(i), k.Fach[c].Zusatz(i)}) {
                if (!IstUtf8(t) || !IstNfc(t)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool Gleich(const TKartei& a, const TKartei& b) {
    if (a.Termin != b.Termin || a.Faellig != b.Faellig || a.Anzeigename != b.Anzeigename) {
        return false;
    }
    for (int c = 1; c <= 6; ++c) {
        if (a.Fach[c].Count() != b.Fach[c].Count()) {
            return false;
        }
        for (int i = 0; i < a.Fach[c].Count(); ++i) {
            if (!(a.Fach[c].Get(i) == b.Fach[c].Get(i))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view roh(reinterpret_cast<const char*>(daten), groesse);
    const std::string mitBom = std::string(kBom).append(roh);
    // German, American, ISO, glibc's unpadded form, and one with month names that gives way
    // to the German form.
    const std::string_view muster[] = {"%d.%m.%Y", "%m/%d/%y", "%F", "%-d. %-m. %y", "%d %b %Y"};
    const Datum tage[] = {DatumAus(2026, 12, 6), DatumAus(1, 1, 1), DatumAus(9999, 12, 31)};
    OhneMischen zufall;
    for (const std::string_view datei : {roh, std::string_view(mitBom)}) {
        for (const std::string_view m : muster) {
            for (const Datum heute : tage) {
                TKartei kartei;
                kartei.Dateipfad = "/tmp/f.vkd";
                if (!KarteiLesen(kartei, datei, m, heute, zufall)) {
                    continue;
                }
                TKartei wieder;
                wieder.Dateipfad = kartei.Dateipfad;
                if (!Wohlgeformt(kartei) ||
                    !KarteiLesen(wieder, KarteiSchreiben(kartei, m), m, heute, zufall) ||
                    !Gleich(kartei, wieder)) {
                    std::abort();
                }
            }
        }
    }
    return 0;
}
