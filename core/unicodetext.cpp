// NFC and case folding through ICU. ICU rather than utf8proc: it tells at once whether UTF-8
// text is already in NFC without converting it (opening millions of cards checks each one),
// and it folds case one code point at a time (simple folding), which keeps "ß" from
// matching "ss"; utf8proc only folds whole texts, "ß" to "ss" included.
#include "unicodetext.h"

#include "cp1252.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/uniset.h>
#include <unicode/unorm2.h>

#include <cstdint>
#include <cstring>
#include <experimental/simd>
#include <optional>

namespace lexidor {
namespace {

const icu::Normalizer2& NfcNormalisierer() {
    UErrorCode fehler = U_ZERO_ERROR;
    static const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(fehler);
    return *n;
}

// For each code point of the Basic Multilingual Plane: whether it keeps any text in NFC,
// wherever it stands (NFC quick check "yes" and combining class 0), and whether code page
// 1252 holds it. A table built once lets a file's millions of lines be checked in the walk
// that validates them, where asking ICU for each line would cost as much again.
enum Merkmal : std::uint8_t { kNfcStabil = 1, kInCp1252 = 2 };

const std::vector<std::uint8_t>& Merkmale() {
    static const std::vector<std::uint8_t> tabelle = [] {
        std::vector<std::uint8_t> t(0x10000);
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const bool stabil = u_getIntPropertyValue(c, UCHAR_NFC_QUICK_CHECK) == UNORM_YES &&
                                u_getCombiningClass(c) == 0;
            t[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(
                (stabil ? kNfcStabil : 0) |
                (ZeichenInCp1252(static_cast<char32_t>(c)) ? kInCp1252 : 0));
        }
        return t;
    }();
    return tabelle;
}

bool IcuNfc(std::string_view utf8) {
    UErrorCode fehler = U_ZERO_ERROR;
    const bool ja = NfcNormalisierer().isNormalizedUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())), fehler);
    return U_SUCCESS(fehler) && ja;
}

} // namespace

std::optional<char32_t> Utf8Lesen(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos++]);
    if (b0 < 0x80) {
        return b0;
    }
    int folge = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        folge = 1, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        folge = 2, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        folge = 3, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < folge; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    return cp;
}

namespace {

// Whether every two-byte character with this lead byte keeps text in NFC, but for those
// whose second byte is ausser.
bool LeitbyteStabil(unsigned leitbyte, unsigned ausser = 0) {
    const std::vector<std::uint8_t>& merkmale = Merkmale();
    for (unsigned folge = 0x80; folge <= 0xBF; ++folge) {
        const unsigned cp = ((leitbyte & 0x1Fu) << 6) | (folge & 0x3Fu);
        if (folge != ausser && (merkmale[cp] & kNfcStabil) == 0) {
            return false;
        }
    }
    return true;
}

// The letters of German (ASCII and "ä" to "ü", lead byte C3), Russian (D0, D1) and Greek
// (CE but for the ano teleia CE 87, CF) keep text in NFC, as ICU tells: checked once, so that
// the windows below may rely on it.
bool FensterTauglich() {
    static const bool tauglich = LeitbyteStabil(0xC3) && LeitbyteStabil(0xD0) &&
                                 LeitbyteStabil(0xD1) && LeitbyteStabil(0xCE, 0x87) &&
                                 LeitbyteStabil(0xCF);
    return tauglich;
}

namespace stdx = std::experimental;
using Sechzehn = stdx::fixed_size_simd<unsigned char, 16>;

Sechzehn Je(unsigned byte) {
    return Sechzehn(static_cast<unsigned char>(byte));
}

// Sixteen bytes at p, when they are ASCII and whole two-byte letters of German, Russian and
// Greek only (a letter's second byte may be the seventeenth): how many bytes that is, and
// whether a letter is Russian or Greek. Nothing when they hold anything else.
struct Fenster {
    std::size_t bytes;
    bool ausserCp1252;
};
std::optional<Fenster> FensterPruefen(const unsigned char* p) {
    const Sechzehn b(p, stdx::element_aligned);
    const Sechzehn danach(p + 1, stdx::element_aligned);
    const auto folge = (b & Je(0xC0)) == Je(0x80);
    const auto folgtFolge = (danach & Je(0xC0)) == Je(0x80);
    const auto fremd = (b == Je(0xD0)) | (b == Je(0xD1)) |
                       ((b == Je(0xCE)) & (danach != Je(0x87))) | (b == Je(0xCF));
    const auto leit = (b == Je(0xC3)) | fremd;
    // Each lead byte followed by a continuation byte and each continuation byte led.
    if (!stdx::all_of((b < Je(0x80)) | folge | leit) || stdx::any_of(leit != folgtFolge) ||
        folge[0]) {
        return std::nullopt;
    }
    return Fenster{leit[15] ? 17u : 16u, stdx::any_of(fremd)};
}

} // namespace

// Card text comes in runs of ASCII and of two-byte characters (umlauts, Cyrillic, Greek): the
// letters of German, Russian and Greek are checked sixteen bytes at once in a vector register;
// the rest runs by runs, each walked by a loop of its own, whose branch the processor then
// predicts until the run ends; any other sequence goes to Utf8Lesen.
Utf8Befund Utf8Pruefen(std::string_view utf8) {
    const std::uint8_t* const merkmale = Merkmale().data();
    const auto* const anfang = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const ende = anfang + utf8.size();
    unsigned gemeinsam = kNfcStabil | kInCp1252;
    const unsigned char* p = anfang;
    while (FensterTauglich() && ende - p > 16) {
        const auto fenster = FensterPruefen(p);
        if (!fenster) {
            break;
        }
        gemeinsam &= fenster->ausserCp1252 ? ~unsigned{kInCp1252} : ~0u;
        p += fenster->bytes;
    }
    while (p < ende) {
        while (p < ende && *p < 0x80) {
            ++p;
        }
        while (ende - p >= 2 && p[0] >= 0xC2 && p[0] <= 0xDF && (p[1] & 0xC0) == 0x80) {
            gemeinsam &= merkmale[((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu)];
            p += 2;
        }
        if (p < ende && *p >= 0x80) {
            auto pos = static_cast<std::size_t>(p - anfang);
            const auto cp = Utf8Lesen(utf8, pos);
            if (!cp) {
                return {false, false, false};
            }
            gemeinsam &= *cp < 0x10000 ? merkmale[*cp] : 0u;
            p = anfang + pos;
        }
    }
    return {true, (gemeinsam & kNfcStabil) != 0 || IcuNfc(utf8), (gemeinsam & kInCp1252) != 0};
}

bool IstNfc(std::string_view utf8) {
    return Utf8Pruefen(utf8).nfc;
}

// One walk tells both whether the text is well-formed and whether it is NFC already.
std::string Nfc(std::string_view utf8) {
    const Utf8Befund befund = Utf8Pruefen(utf8);
    if (!befund.gueltig) {
        std::string heil;
        for (std::size_t pos = 0; pos < utf8.size();) {
            Utf8Anhaengen(heil, Utf8Lesen(utf8, pos).value_or(0xFFFD));
        }
        return Nfc(heil);
    }
    if (befund.nfc) {
        return std::string(utf8);
    }
    std::string out;
    icu::StringByteSink<std::string> senke(&out, static_cast<std::int32_t>(utf8.size()));
    UErrorCode fehler = U_ZERO_ERROR;
    NfcNormalisierer().normalizeUTF8(
        0, icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())), senke, nullptr,
        fehler);
    return U_SUCCESS(fehler) ? out : std::string(utf8);
}

char32_t Gefaltet(char32_t cp) {
    if (cp < 0x80) {
        return cp >= 'A' && cp <= 'Z' ? cp + 0x20 : cp;
    }
    // Simple folding keeps the Turkish capital "İ" apart from every lower case letter; a
    // learner who types "istanbul" for "İstanbul" is right all the same.
    if (cp == 0x130) {
        return 'i';
    }
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(cp), U_FOLD_CASE_DEFAULT));
}

std::string Gefaltet(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t anfang = pos;
        const auto cp = Utf8Lesen(utf8, pos);
        if (cp) {
            Utf8Anhaengen(out, Gefaltet(*cp));
        } else {
            out += utf8.substr(anfang, pos - anfang);
        }
    }
    return out;
}

std::vector<char32_t> Schreibweisen(char32_t cp) {
    icu::UnicodeSet menge(static_cast<UChar32>(cp), static_cast<UChar32>(cp));
    menge.closeOver(USET_CASE_INSENSITIVE);
    menge.add(0x130); // folds to "i" here alone (see Gefaltet), so the closure may lack it
    const char32_t ziel = Gefaltet(cp);
    std::vector<char32_t> formen;
    for (std::int32_t r = 0; r < menge.getRangeCount(); ++r) {
        for (UChar32 c = menge.getRangeStart(r); c <= menge.getRangeEnd(r); ++c) {
            if (Gefaltet(static_cast<char32_t>(c)) == ziel) {
                formen.push_back(static_cast<char32_t>(c));
            }
        }
    }
    return formen;
}

} // namespace lexidor
