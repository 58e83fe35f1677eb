// Code page 1252 and UTF-8: every byte string survives the way to UTF-8 and back, UTF-8 that
// converts converts back to itself, and both lower cases agree.
#include "cp1252.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    using namespace lexidor;
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);

    const std::string utf8 = Cp1252NachUtf8(bytes);
    const auto zurueck = Utf8NachCp1252(utf8);
    if (!zurueck.ok() || zurueck.text != bytes) {
        std::abort();
    }

    // The same bytes taken as UTF-8: either all of it converts and back, or the first
    // character that cannot is named.
    const auto kodiert = Utf8NachCp1252(bytes);
    if (kodiert.ok() ? Cp1252NachUtf8(kodiert.text) != bytes : kodiert.fremdzeichen->empty()) {
        std::abort();
    }

    const std::string klein = Kleinschreibung(bytes);
    if (klein.size() != bytes.size() || Kleinschreibung(klein) != klein ||
        Utf8Kleinschreibung(utf8) != Cp1252NachUtf8(klein)) {
        std::abort();
    }
    const std::string utf8Klein = Utf8Kleinschreibung(bytes);
    if (utf8Klein.size() != bytes.size() || Utf8Kleinschreibung(utf8Klein) != utf8Klein) {
        std::abort();
    }
    return 0;
}
