// Where a write really lands: the path with every symbolic link on the way resolved, as the
// kernel would resolve it, and refused where a link must not be followed.
#pragma once

#include <QString>
#include <optional>

namespace lexidor {

// nullopt when a link on the way lies in a sticky folder everybody may write to and belongs
// neither to the user nor to the folder's owner (LinkFolgen): another user may have planted
// it there to have the write replace a file of the user's. A path that cannot be resolved
// (a loop) comes back as it is, for the write to fail on.
std::optional<QString> Schreibziel(const QString& pfad);

} // namespace lexidor
