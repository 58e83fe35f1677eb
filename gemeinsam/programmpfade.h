// Where the program's files lie.
#pragma once

#include <QString>

namespace lexidor {

// The folder of the user's three files: the executable's folder, or the XDG configuration
// folder of an installed program.
QString Programmverzeichnis();
// For tests: another folder stands in for the program directory and the shipped files.
void ProgrammverzeichnisFestlegen(const QString& pfad);
QString ProgrammDatei(const QString& name);
// Hilfe.html and Connect.html: beside the executable, or in share/lexidor when installed.
QString MitgelieferteDatei(const QString& name);
// Where the key mapping is read from: an installed program whose user has none yet reads the
// shipped default.
QString SonderzeichenLesepfad();
// Creates the folder of the user's files (0700) if it is missing, so the first exit can write.
void ProgrammverzeichnisAnlegen();
// A file in the user's data folder (the learning history): beside the executable, or in the
// XDG data folder of an installed program.
QString DatenDatei(const QString& name);
// Creates a folder below the data folder (0700, parents too) if it is missing.
void DatenverzeichnisAnlegen(const QString& pfad);

} // namespace lexidor
