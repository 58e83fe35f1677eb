// Text and paths between core's UTF-8 bytes and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lexidor {

// Card texts are UTF-8 in NFC; widgets speak QString.
QString AusUtf8(std::string_view text);
std::string NachUtf8(const QString& text);

// User text quoted in a message: what would show as nothing or turn the message around, by
// its code (Anzeigetext).
QString Sichtbar(const QString& text);

// Paths are kept as UTF-8 bytes (the system's encoding) in core.
std::string PfadBytes(const QString& pfad);
QString PfadAus(std::string_view bytes);

} // namespace lexidor
