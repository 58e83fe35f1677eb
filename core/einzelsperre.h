// The single-instance lock another start holds: whether it can be checked from here, and
// what the user is told when it cannot, or when its holder does not answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

// What the lock file says about its holder; nullopt when it says nothing readable.
struct Sperrinhaber {
    std::int64_t pid = 0;
    std::string rechner;
};

// A lock from another computer (a home shared over the network) or without a readable holder
// cannot be checked: whether its process still runs nobody here can tell, so it would keep
// every start out for ever. Such a lock is taken over.
bool SperreUebernehmen(const std::optional<Sperrinhaber>& inhaber, std::string_view rechner);
// The note of a start that took such a lock over.
std::string UebernahmeHinweis(const std::optional<Sperrinhaber>& inhaber);
// The message of a start that ends because the running program does not answer.
std::string KeineAntwortMeldung(const Sperrinhaber& inhaber);

} // namespace lexidor
