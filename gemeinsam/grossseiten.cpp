// Debian's kernels give large pages only to memory that asks for them: a box of millions of
// cards read from a file lies in one block of hundreds of megabytes, and a walk over its
// shuffled cards would otherwise miss the address cache at nearly every card.
#include "grossseiten.h"

#include "kartei.h"

#include <cstdint>
#include <sys/mman.h>

namespace lexidor {

namespace {

constexpr std::uintptr_t kGrosseSeite = std::uintptr_t{1} << 21;

// Only blocks that hold at least one whole large page gain anything; the advice covers the
// part of the block between the first and the last page boundary. A refusal changes nothing
// but the speed.
void GrosseSeitenRaten(char* anfang, std::size_t laenge) {
    const auto von =
        (reinterpret_cast<std::uintptr_t>(anfang) + kGrosseSeite - 1) & ~(kGrosseSeite - 1);
    const auto bis = (reinterpret_cast<std::uintptr_t>(anfang) + laenge) & ~(kGrosseSeite - 1);
    if (bis <= von) {
        return;
    }
    madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
}

} // namespace

void GrosseSeitenNutzen() {
    TVokList::BlockratSetzen(&GrosseSeitenRaten);
}

} // namespace lexidor
