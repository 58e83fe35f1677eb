// Reading and safe writing of whole files and of files piece by piece.
#pragma once

#include "schreibfehler.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lexidor {

// nullopt when the file does not exist, cannot be read or is no regular file (a FIFO, a
// device, a folder), which is refused at once without being opened.
std::optional<std::string> DateiLesen(const QString& pfad);
// Writes the whole file before it replaces the old one, so a failure keeps the old file; in a
// folder where no file can be made, a writable file is overwritten in place as
// AmOrtUeberschreiben does. Refused for a path that holds something other than a regular
// file, and for one that leads through a symbolic link another user planted in a shared
// folder.
Schreibergebnis DateiSchreiben(const QString& pfad, std::string_view bytes);

// Files too big to be held whole beside what is made of them, piece by piece. The reader
// hands the file's bytes to verbraucher, which answers false when it wants no more; false when
// the file does not exist or cannot be read. The writer lets schreiber hand the bytes to the
// sink it is given, and replaces the file as DateiSchreiben does only when schreiber and every
// write succeeded.
using Stueckweise = std::function<bool(std::string_view)>;
using Schreiber = std::function<bool(const Stueckweise&)>;
bool DateiStueckweiseLesen(const QString& pfad, const Stueckweise& verbraucher);
Schreibergebnis DateiStueckweiseSchreiben(const QString& pfad, const Schreiber& schreiber);

} // namespace lexidor
