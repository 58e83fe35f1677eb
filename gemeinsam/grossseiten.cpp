// Debian's kernels give large pages only to memory that asks for them: a box of millions of
// cards read from a file lies in blocks of hundreds of megabytes, and a walk over its shuffled
// cards would otherwise miss the address cache at nearly every card.
#include "grossseiten.h"

#include "kartei.h"

#include <sys/mman.h>

namespace lexidor {

void GrosseSeitenNutzen() {
    // A refusal changes nothing but the speed.
    TVokList::BlockratSetzen(
        [](char* anfang, std::size_t laenge) { madvise(anfang, laenge, MADV_HUGEPAGE); });
}

} // namespace lexidor
