// Whole files and files piece by piece: read without blocking on what is no file, written so
// that a failure keeps the old content.
#include "dateien.h"

#include "schreibziel.h"
#include "ueberschreiben.h"
#include "zeilen.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lexidor {

namespace {
// A FIFO, socket, device or folder in place of a file: opening it could block for ever or
// do something of its own, so it is refused before it is opened, and checked again once open
// should a FIFO have taken the file's place in between.
bool NormaleDateiOeffnen(const QString& pfad, QFile& datei) {
    if (!QFileInfo(pfad).isFile()) {
        return false;
    }
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (!datei.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool KeineNormaleDatei(const QString& pfad) {
    const QFileInfo info(pfad);
    return info.exists() && !info.isFile();
}
} // namespace

std::optional<std::string> DateiLesen(const QString& pfad) {
    QFile datei;
    if (!NormaleDateiOeffnen(pfad, datei)) {
        return std::nullopt;
    }
    const qint64 groesse = datei.size();
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(groesse));
    if (groesse > 0 && datei.read(bytes.data(), groesse) != groesse) {
        return std::nullopt;
    }
    return bytes;
}

Schreibergebnis DateiSchreiben(const QString& pfad, std::string_view bytes) {
    return DateiStueckweiseSchreiben(
        pfad, [bytes](const Stueckweise& schreiben) { return schreiben(bytes); });
}

bool DateiStueckweiseLesen(const QString& pfad, const Stueckweise& verbraucher) {
    QFile datei;
    if (!NormaleDateiOeffnen(pfad, datei)) {
        return false;
    }
    // A piece of core's size costs one system call and stays in the cache while it is taken apart.
    std::vector<char> puffer(kStueck);
    for (;;) {
        const qint64 gelesen = datei.read(puffer.data(), static_cast<qint64>(kStueck));
        if (gelesen <= 0) {
            return gelesen == 0;
        }
        if (!verbraucher(std::string_view(puffer.data(), static_cast<std::size_t>(gelesen)))) {
            return true;
        }
    }
}

namespace {
// Qt tells a full disk by ResourceError; what else went wrong it does not say.
Schreibergebnis Gescheitert(const QSaveFile& datei) {
    return {false,
            datei.error() == QFileDevice::ResourceError ? Schreibgrund::KeinPlatz
                                                        : Schreibgrund::Unbekannt,
            {}};
}
} // namespace

Schreibergebnis DateiStueckweiseSchreiben(const QString& pfad, const Schreiber& schreiber) {
    const auto ziel = Schreibziel(pfad);
    if (!ziel) {
        return {false, Schreibgrund::FremderLink, {}};
    }
    if (KeineNormaleDatei(*ziel)) {
        return {false, Schreibgrund::KeineDatei, {}};
    }
    QSaveFile datei(*ziel);
    // Unbuffered: the pieces are large already, another copy would only cost time.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // A file in a folder where no new file can be made beside it: overwritten in place.
        const int fehler = errno;
        return QFileInfo(*ziel).isFile() ? AmOrtUeberschreiben(*ziel, schreiber)
                                         : Schreibergebnis{false, SchreibgrundAus(fehler), {}};
    }
    const bool geschrieben = schreiber([&datei](std::string_view stueck) {
        const auto laenge = static_cast<qint64>(stueck.size());
        if (datei.write(stueck.data(), laenge) != laenge) {
            return false;
        }
        // The piece starts on its way to the disk while the next one is made, so that the
        // sync of the commit waits for little. Only a hint: the sync is what counts.
        ::sync_file_range(datei.handle(), datei.pos() - laenge, laenge, SYNC_FILE_RANGE_WRITE);
        return true;
    });
    if (!geschrieben) {
        const Schreibergebnis ergebnis = Gescheitert(datei);
        datei.cancelWriting();
        return ergebnis;
    }
    return datei.commit() ? Schreibergebnis{} : Gescheitert(datei);
}

} // namespace lexidor
