// User text quoted in a message, made safe to read: what would show as nothing or turn the
// rest of the message around appears by its code instead.
#pragma once

#include <string>
#include <string_view>

namespace lexidor {

// UTF-8 in, UTF-8 out. Bidi controls, other format and control characters, separators
// other than the plain space, private and unassigned code points, and combining marks with
// no letter to sit on (or stacked beyond a few) become "U+202E"; a byte that is no UTF-8
// becomes "U+FFFD". Everything else stays as it is.
std::string Anzeigetext(std::string_view utf8);

} // namespace lexidor
