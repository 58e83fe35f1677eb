// Platform glue: files, dates, locale and text conversion.
#include "plattform.h"

#include "programmordner.h"
#include "schreibziel.h"
#include "ueberschreiben.h"
#include "unicodetext.h"
#include "zeichenanzeige.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <ctime>
#include <fcntl.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xlib.h>

namespace lexidor {

namespace {

std::optional<Programmordner>& Festgelegt() {
    static std::optional<Programmordner> ordner;
    return ordner;
}

Programmordner Ermitteln() {
    // The resolved path of the running binary, so a symbolic link in PATH does not count.
    const std::string programm = PfadBytes(QCoreApplication::applicationFilePath());
    const std::string geteilt = GeteilterOrdner(programm);
    const bool geteiltDa = !geteilt.empty() && QFileInfo(PfadAus(geteilt)).isDir();
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    const QByteArray daten = qgetenv("XDG_DATA_HOME");
    return ProgrammordnerBestimmen(programm, geteiltDa,
                                   {std::string_view(xdg.constData(), xdg.size()),
                                    std::string_view(home.constData(), home.size()),
                                    std::string_view(daten.constData(), daten.size())});
}

const Programmordner& Ordner() {
    if (Festgelegt()) {
        return *Festgelegt();
    }
    static const Programmordner ermittelt = Ermitteln();
    return ermittelt;
}

bool OrdnerAnlegen(const QString& pfad) {
    const QFileInfo info(pfad);
    if (info.isDir()) {
        return true;
    }
    return OrdnerAnlegen(info.absolutePath()) &&
           QDir().mkdir(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString Programmverzeichnis() {
    return PfadAus(Ordner().eigene);
}

void ProgrammverzeichnisFestlegen(const QString& pfad) {
    if (pfad.isEmpty()) {
        Festgelegt().reset();
        return;
    }
    const std::string ordner = PfadBytes(pfad);
    Festgelegt() = Programmordner{ordner, ordner, false, ordner};
}

QString ProgrammDatei(const QString& name) {
    return Programmverzeichnis() + u'/' + name;
}

QString MitgelieferteDatei(const QString& name) {
    return PfadAus(Ordner().mitgelieferte) + u'/' + name;
}

QString SonderzeichenLesepfad() {
    const bool eigeneDa = QFileInfo::exists(ProgrammDatei(QStringLiteral("sonderzeichen.ini")));
    return PfadAus(SonderzeichenQuelle(Ordner(), eigeneDa));
}

void ProgrammverzeichnisAnlegen() {
    OrdnerAnlegen(Programmverzeichnis());
}

QString DatenDatei(const QString& name) {
    return PfadAus(Ordner().daten) + u'/' + name;
}

void DatenverzeichnisAnlegen(const QString& pfad) {
    OrdnerAnlegen(pfad);
}

Datum Heute() {
    const QDate heute = QDate::currentDate();
    return DatumAus(heute.year(), static_cast<unsigned>(heute.month()),
                    static_cast<unsigned>(heute.day()));
}

std::string Datumsmuster() {
    // The regional settings are LC_TIME of the environment, as the user set them.
    const char* name = std::setlocale(LC_TIME, "");
    return KurzdatumMuster(name ? name : "C", nl_langinfo(D_FMT));
}

std::uint64_t Uhrsaat() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QString Uhrzeit() {
    std::setlocale(LC_TIME, "");
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    char puffer[64];
    const std::size_t n = std::strftime(puffer, sizeof puffer, nl_langinfo(T_FMT), &ortszeit);
    return QString::fromLocal8Bit(puffer, static_cast<qsizetype>(n));
}

namespace {
bool& OhnePausen() {
    static bool ab = false;
    return ab;
}
} // namespace

void Pause(int ms) {
    if (!OhnePausen()) {
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

void PausenAbschalten(bool ab) {
    OhnePausen() = ab;
}

QString AusUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string NachUtf8(const QString& text) {
    return Nfc(text.toStdString());
}

QString Sichtbar(const QString& text) {
    return QString::fromStdString(Anzeigetext(text.toStdString()));
}

std::string PfadBytes(const QString& pfad) {
    return pfad.toStdString();
}

QString PfadAus(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

namespace {
// A read or write of this size costs one system call, and the piece stays in the cache while
// it is taken apart.
constexpr qint64 kStueck = qint64{1} << 20;

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
    std::vector<char> puffer(static_cast<std::size_t>(kStueck));
    for (;;) {
        const qint64 gelesen = datei.read(puffer.data(), kStueck);
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
        return datei.write(stueck.data(), laenge) == laenge;
    });
    if (!geschrieben) {
        const Schreibergebnis ergebnis = Gescheitert(datei);
        datei.cancelWriting();
        return ergebnis;
    }
    return datei.commit() ? Schreibergebnis{} : Gescheitert(datei);
}

Sanduhr::Sanduhr() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    AnzeigeAbschicken();
}

Sanduhr::~Sanduhr() {
    QGuiApplication::restoreOverrideCursor();
}

void AnzeigeAbschicken() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display* anzeige = x11 ? x11->display() : nullptr) {
        XFlush(anzeige);
    }
}

} // namespace lexidor
