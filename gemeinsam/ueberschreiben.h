// Overwriting a file where it lies, for a folder in which no new file can be made beside it
// to replace it: nothing is overwritten until the new content is sure to fit, and the old
// content waits in the user's cache folder until the new one is complete and on the disk.
#pragma once

#include "dateien.h"

#include <QString>

namespace lexidor {

// The writer runs twice: once to count the bytes, once to write them, and must hand over
// the same bytes both times. Any failure puts the old content back; only when that fails
// too is the copy kept, and the result names it.
Schreibergebnis AmOrtUeberschreiben(const QString& pfad, const Schreiber& schreiber);

// The folder of those copies: "lexidor/Sicherungen" in the user's cache folder.
QString Sicherungsordner();

} // namespace lexidor
