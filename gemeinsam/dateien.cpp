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
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
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
// Writes the pieces on a thread of its own, so that making a piece and writing the one before
// overlap; each written piece starts on its way to the disk at once, so that the sync of the
// commit waits for little. At most kVorrat pieces wait, so a slow disk costs no more memory.
class Hintergrundschreiber {
public:
    explicit Hintergrundschreiber(QSaveFile& datei) : datei_(datei), faden_([this] { Laufen(); }) {}
    ~Hintergrundschreiber() { Ende(); }
    Q_DISABLE_COPY_MOVE(Hintergrundschreiber)

    // False once a piece could not be written.
    bool Stueck(std::string_view stueck) {
        std::unique_lock sperre(mutex_);
        platz_.wait(sperre, [this] { return warten_.size() < kVorrat || fehler_; });
        if (fehler_) {
            return false;
        }
        warten_.emplace_back(stueck);
        da_.notify_one();
        return true;
    }

    // Waits until every piece is written; false when one could not be.
    bool Ende() {
        {
            const std::lock_guard sperre(mutex_);
            fertig_ = true;
        }
        da_.notify_one();
        if (faden_.joinable()) {
            faden_.join();
        }
        return !fehler_;
    }

private:
    static constexpr std::size_t kVorrat = 4;

    void Laufen() {
        for (;;) {
            std::string stueck;
            {
                std::unique_lock sperre(mutex_);
                da_.wait(sperre, [this] { return !warten_.empty() || fertig_; });
                if (warten_.empty()) {
                    return;
                }
                stueck = std::move(warten_.front());
                warten_.pop_front();
            }
            platz_.notify_one();
            const auto laenge = static_cast<qint64>(stueck.size());
            if (datei_.write(stueck.data(), laenge) != laenge) {
                const std::lock_guard sperre(mutex_);
                fehler_ = true;
                platz_.notify_one();
                return;
            }
            // Only a hint: the sync of the commit is what counts.
            ::sync_file_range(datei_.handle(), datei_.pos() - laenge, laenge,
                              SYNC_FILE_RANGE_WRITE);
        }
    }

    QSaveFile& datei_;
    std::mutex mutex_;
    std::condition_variable da_;    // a piece waits, or the end has come
    std::condition_variable platz_; // room for a piece, or a write failed
    std::deque<std::string> warten_;
    bool fertig_ = false;
    bool fehler_ = false;
    std::thread faden_; // last, so that it starts once everything above is there
};

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
    Hintergrundschreiber hinten(datei);
    const bool gemacht =
        schreiber([&hinten](std::string_view stueck) { return hinten.Stueck(stueck); });
    if (!hinten.Ende() || !gemacht) {
        const Schreibergebnis ergebnis = Gescheitert(datei);
        datei.cancelWriting();
        return ergebnis;
    }
    return datei.commit() ? Schreibergebnis{} : Gescheitert(datei);
}

} // namespace lexidor
