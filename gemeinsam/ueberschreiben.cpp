// Overwriting in place: count, copy the old content aside, reserve the space, write, sync,
// and on any failure copy the old content back. Plain POSIX calls, since QFile can neither
// reserve space nor write at an offset without truncating.
#include "ueberschreiben.h"

#include "umwandlung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lexidor {
namespace {

// A file descriptor closed with its scope.
class Deskriptor final {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Q_DISABLE_COPY_MOVE(Deskriptor)
    int fd() const { return fd_; }

private:
    int fd_;
};

bool SchreibenAb(int fd, std::string_view bytes, off_t& pos) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), pos);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        pos += n;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool Kopieren(int von, int nach, off_t laenge) {
    std::vector<char> puffer(std::size_t{1} << 20);
    off_t pos = 0;
    while (pos < laenge) {
        const ssize_t n = ::pread(von, puffer.data(), puffer.size(), pos);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        off_t ziel = pos;
        if (n <= 0 || !SchreibenAb(nach, std::string_view(puffer.data(), std::size_t(n)), ziel)) {
            return false;
        }
        pos = ziel;
    }
    return true;
}

bool OrdnerSynchronisieren(const QString& ordner) {
    const Deskriptor fd(::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_CLOEXEC));
    return fd.fd() >= 0 && ::fsync(fd.fd()) == 0;
}

// A new file in the folder of copies, under the first free name for this file and moment.
int Sicherungsdatei(const QString& name, QString& pfad) {
    const QString ordner = Sicherungsordner();
    if (!QDir().mkpath(ordner)) {
        return -1;
    }
    const std::string stempel =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")).toStdString();
    for (int nummer = 1; nummer < 100; ++nummer) {
        pfad = ordner + u'/' +
               QString::fromStdString(Sicherungsname(name.toStdString(), stempel, nummer));
        const int fd = ::open(QFile::encodeName(pfad).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The old content, copied and on the disk; -1 when it could not be, and nothing is left.
int Sichern(int quelle, off_t laenge, const QString& name, QString& pfad) {
    const int fd = Sicherungsdatei(name, pfad);
    if (fd < 0) {
        return -1;
    }
    if (::posix_fallocate(fd, 0, std::max<off_t>(laenge, 1)) != 0 ||
        !Kopieren(quelle, fd, laenge) || ::ftruncate(fd, laenge) != 0 || ::fsync(fd) != 0 ||
        !OrdnerSynchronisieren(Sicherungsordner())) {
        ::close(fd);
        QFile::remove(pfad);
        return -1;
    }
    return fd;
}

bool Zurueckholen(int sicherung, int ziel, off_t laenge) {
    return Kopieren(sicherung, ziel, laenge) && ::ftruncate(ziel, laenge) == 0 &&
           ::fsync(ziel) == 0;
}

} // namespace

QString Sicherungsordner() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/lexidor/Sicherungen");
}

Schreibergebnis AmOrtUeberschreiben(const QString& pfad, const Schreiber& schreiber) {
    const Deskriptor ziel(
        ::open(QFile::encodeName(pfad).constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (ziel.fd() < 0 || ::fstat(ziel.fd(), &st) != 0) {
        return {false, SchreibgrundAus(errno), {}};
    }
    if (!S_ISREG(st.st_mode)) {
        return {false, Schreibgrund::KeineDatei, {}};
    }
    off_t neu = 0;
    if (!schreiber([&neu](std::string_view stueck) {
            neu += static_cast<off_t>(stueck.size());
            return true;
        })) {
        return {false, Schreibgrund::Unbekannt, {}};
    }
    QString kopie;
    const Deskriptor sicherung(Sichern(ziel.fd(), st.st_size, QFileInfo(pfad).fileName(), kopie));
    if (sicherung.fd() < 0) {
        return {false, Schreibgrund::KeineSicherung, {}};
    }
    // The whole new size is reserved before the first old byte is overwritten; a failed
    // reservation may have lengthened the file, never changed what was in it.
    if (const int fehler = ::posix_fallocate(ziel.fd(), 0, std::max<off_t>(neu, 1))) {
        const bool gekuerzt = ::ftruncate(ziel.fd(), st.st_size) == 0;
        if (gekuerzt) {
            QFile::remove(kopie);
        }
        return {false, SchreibgrundAus(fehler), gekuerzt ? std::string() : PfadBytes(kopie)};
    }
    off_t pos = 0;
    int fehler = 0;
    const bool geschrieben = schreiber([&](std::string_view stueck) {
        if (pos + static_cast<off_t>(stueck.size()) > neu) {
            return false;
        }
        const bool ok = SchreibenAb(ziel.fd(), stueck, pos);
        fehler = ok ? 0 : errno;
        return ok;
    });
    if (geschrieben && pos == neu) {
        if (::ftruncate(ziel.fd(), neu) == 0 && ::fsync(ziel.fd()) == 0) {
            QFile::remove(kopie);
            return {};
        }
        fehler = errno;
    }
    if (!Zurueckholen(sicherung.fd(), ziel.fd(), st.st_size)) {
        return {false, SchreibgrundAus(fehler), PfadBytes(kopie)};
    }
    QFile::remove(kopie);
    return {false, SchreibgrundAus(fehler), {}};
}

} // namespace lexidor
