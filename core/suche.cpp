// Search hit rule, without copying or lower-casing each row.
#include "suche.h"

#include "cp1252.h"
#include "kartei.h"

namespace lexidor {

TSuchmuster::TSuchmuster(std::string_view suchtext) : muster_(Kleinschreibung(suchtext)) {
    if (muster_.empty()) {
        return;
    }
    for (int b = 0; b < 256; ++b) {
        anfang_[b] = Klein(static_cast<unsigned char>(b)) == static_cast<unsigned char>(muster_[0]);
    }
}

bool TSuchmuster::Enthaelt(std::string_view text) const {
    const std::size_t m = muster_.size();
    if (text.size() < m) {
        return false;
    }
    for (std::size_t i = 0; i + m <= text.size(); ++i) {
        if (!anfang_[static_cast<unsigned char>(text[i])]) {
            continue;
        }
        std::size_t j = 1;
        while (j < m && Klein(static_cast<unsigned char>(text[i + j])) ==
                            static_cast<unsigned char>(muster_[j])) {
            ++j;
        }
        if (j == m) {
            return true;
        }
    }
    return false;
}

bool TSuchmuster::Treffer(std::string_view deutsch, std::string_view fremd, int stufe) const {
    if (muster_.empty()) {
        return false;
    }
    const char ziffer = static_cast<char>('0' + stufe);
    return Enthaelt(ErsteZeile(deutsch)) || Enthaelt(ErsteZeile(fremd)) ||
           Enthaelt(std::string_view(&ziffer, 1));
}

} // namespace lexidor
