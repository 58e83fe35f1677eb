// Large memory pages for the card box's text.
#pragma once

namespace lexidor {

// From now on, the card box asks the system to back its big blocks of text with large pages.
void GrosseSeitenNutzen();

} // namespace lexidor
