// Platform glue between core and Qt: the program directory, whole-file reading and safe
// writing, today's date and the regional short-date pattern, text conversions, the clock seed.
#pragma once

#include "kurzdatum.h"
#include "schreibfehler.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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

// nullopt when the file does not exist, cannot be read or is no regular file (a FIFO, a
// device, a folder), which is refused at once without being opened.
std::optional<std::string> DateiLesen(const QString& pfad);
// Writes the whole file before it replaces the old one, so a failure keeps the old file; in a
// folder where no file can be made, a writable file is overwritten in place as
// AmOrtUeberschreiben does. Refused for a path that holds something other than a regular
// file, and for one that leads through a symbolic link another user planted in a shared
// folder.
Schreibergebnis DateiSchreiben(const QString& pfad, std::string_view bytes);

Datum Heute();
// From LC_TIME of the environment; dd.mm.yyyy where the locale has no regional format.
std::string Datumsmuster();
std::uint64_t Uhrsaat();
// The time of day in the regional long time format (LC_TIME's T_FMT).
QString Uhrzeit();

// A blocking pause of the user-interface thread. Tests switch the waiting off.
void Pause(int ms);
void PausenAbschalten(bool ab);

// Card texts are UTF-8 in NFC; widgets speak QString.
QString AusUtf8(std::string_view text);
std::string NachUtf8(const QString& text);

// User text quoted in a message: what would show as nothing or turn the message around, by
// its code (Anzeigetext).
QString Sichtbar(const QString& text);

// Paths are kept as UTF-8 bytes (the system's encoding) in core.
std::string PfadBytes(const QString& pfad);
QString PfadAus(std::string_view bytes);

// Files too big to be held whole beside what is made of them, piece by piece. The reader
// hands the file's bytes to verbraucher, which answers false when it wants no more; false when
// the file does not exist or cannot be read. The writer lets schreiber hand the bytes to the
// sink it is given, and replaces the file as DateiSchreiben does only when schreiber and every
// write succeeded.
using Stueckweise = std::function<bool(std::string_view)>;
using Schreiber = std::function<bool(const Stueckweise&)>;
bool DateiStueckweiseLesen(const QString& pfad, const Stueckweise& verbraucher);
Schreibergebnis DateiStueckweiseSchreiben(const QString& pfad, const Schreiber& schreiber);

// The busy cursor for as long as it exists: reading, saving or searching a big card box keeps
// the user-interface thread from the user for a moment.
class Sanduhr final {
public:
    Sanduhr();
    ~Sanduhr();
    Q_DISABLE_COPY_MOVE(Sanduhr)
};

// Sends the window system at once what Qt has queued for it (a repaint, a cursor), before a
// step that keeps the event loop busy.
void AnzeigeAbschicken();

} // namespace lexidor
