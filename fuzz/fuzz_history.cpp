// Any bytes as "history.ini": loading always gives four slots, the menu texts and Add never
// crash, and what is saved loads again as the same four slots.
#include "cp1252.h"
#include "history.h"
#include "kartei.h"
#include "zeilen.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    const std::string_view datei(reinterpret_cast<const char*>(daten), groesse);
    THistory h(4);
    h.Load(datei);
    // A path opened again, and a new one made of the first line's text.
    const std::string bekannt = h.Get(2);
    const std::string neu = h.Get(0) + "/neu.vkd";
    for (const std::string& pfad : {bekannt, neu}) {
        h.Add(pfad);
        if (h.Lines.size() != 4 || Utf8Kleinschreibung(h.Get(0)) != Utf8Kleinschreibung(pfad)) {
            std::abort();
        }
    }
    for (int i = 0; i < 4; ++i) {
        const std::string text = h.GetDisplay(i);
        if (!text.ends_with(Dateiname(h.Get(i))) && text != h.Get(i)) {
            std::abort();
        }
    }
    THistory wieder(4);
    const std::string gespeichert = h.Save();
    wieder.Load(gespeichert);
    // A first path that starts with the mark's character cannot be told from a mark.
    if (wieder.Lines != h.Lines && !gespeichert.starts_with(kBom)) {
        std::abort();
    }
    return 0;
}
