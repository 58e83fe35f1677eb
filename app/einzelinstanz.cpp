// Single-instance guard: a lock file and a local socket in the user's private runtime folder,
// named after the user and the program directory. The lock decides who runs; the socket
// carries a second start's wish to see the first, and the path of its card box.
#include "einzelinstanz.h"

#include "einzelsperre.h"
#include "meldung.h"
#include "programmpfade.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

namespace lexidor {
namespace {

// Only the user may create, replace or remove what lies in it: nobody else can take the
// guard's name first or plant a socket of their own there.
bool Privat(const QString& verzeichnis) {
    struct stat st {};
    return ::stat(QFile::encodeName(verzeichnis).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

// How long a second start waits for the first, which holds the lock but may be a moment
// away from listening.
constexpr int kWartezeitMs = 5000;
// How long a lock file may stay without its holder's name before it counts as unreadable.
constexpr int kInhaberFristMs = 1000;

} // namespace

QString Einzelinstanz::PrivatesVerzeichnis() {
    const QString laufzeit = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!laufzeit.isEmpty() && Privat(laufzeit)) {
        return laufzeit;
    }
    // Not Qt's fallback in /tmp: another user could create that folder first.
    const QString eigenes = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                            QStringLiteral("/lexidor");
    QDir().mkpath(QFileInfo(eigenes).path());
    const QByteArray name = QFile::encodeName(eigenes);
    ::mkdir(name.constData(), 0700);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && st.st_uid == ::getuid()) {
        ::chmod(name.constData(), 0700);
    }
    return Privat(eigenes) ? eigenes : QString();
}

Einzelinstanz::Einzelinstanz(QObject* parent) : QObject(parent) {
    const QString verzeichnis = PrivatesVerzeichnis();
    if (verzeichnis.isEmpty()) {
        return;
    }
    const QByteArray schluessel = QByteArray::number(static_cast<qulonglong>(::getuid())) + '|' +
                                  Programmverzeichnis().toUtf8();
    pfad_ = verzeichnis + QStringLiteral("/lexidor-") +
            QString::fromLatin1(
                QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1).toHex().left(16));
}

bool Einzelinstanz::Beanspruchen(const QString& kartei) {
    if (pfad_.isEmpty()) {
        return true;
    }
    sperre_ = std::make_unique<QLockFile>(pfad_ + QStringLiteral(".lock"));
    // Held for the whole run; only a lock whose process has ended counts as stale.
    sperre_->setStaleLockTime(0);
    if (!sperre_->tryLock(0)) {
        // A lock file that cannot even be made guards nothing: run rather than not at all.
        if (sperre_->error() != QLockFile::LockFailedError) {
            return true;
        }
        if (const auto inhaber = InhaberAbwarten(); SperreUebernehmen(inhaber, Rechner())) {
            Uebernehmen(inhaber);
            return true;
        }
        if (!ErstenVorholen(QFile::encodeName(kartei))) {
            // Never end without a word: the holder runs here but does not answer.
            Meldung::Information(nullptr, QString::fromStdString(KeineAntwortMeldung(
                                              Inhaber().value_or(Sperrinhaber{}))));
        }
        return false;
    }
    Lauschen();
    return true;
}

void Einzelinstanz::Lauschen() {
    // Whatever lies at the socket's place was left by a run that has ended.
    QLocalServer::removeServer(pfad_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(pfad_);
    connect(&server_, &QLocalServer::newConnection, this, &Einzelinstanz::NachVorn);
}

// A second start still connected at the end hangs up while the server goes; by then the
// members its message would reach are gone, so it must reach nothing.
Einzelinstanz::~Einzelinstanz() {
    for (QLocalSocket* s : server_.findChildren<QLocalSocket*>()) {
        s->disconnect(this);
    }
}

void Einzelinstanz::NachVorn() {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
        // The message is whole once the second start has hung up; it is collected as it comes.
        auto nachricht = std::make_shared<QByteArray>();
        connect(s, &QLocalSocket::readyRead, s,
                [s, nachricht] { nachricht->append(s->readAll()); });
        connect(s, &QLocalSocket::disconnected, this, [this, s, nachricht] {
            nachricht->append(s->readAll());
            s->deleteLater();
            Angekommen(*nachricht);
        });
    }
}

void Einzelinstanz::Angekommen(const QByteArray& nachricht) {
    if (!nachricht.isEmpty()) {
        wartend_.append(QFile::decodeName(nachricht));
    }
    QWidget* ziel = fenster_ ? fenster_.data() : QApplication::activeModalWidget();
    if (ziel) {
        ziel->setWindowState((ziel->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        ziel->show();
        ziel->raise();
        ziel->activateWindow();
    }
    // Outside the socket's signal: opening may ask a question and wait for the answer.
    QTimer::singleShot(0, this, &Einzelinstanz::Abarbeiten);
}

// One box after the other: a box handed over while the question about another is open waits
// for that one's end instead of being refused.
void Einzelinstanz::Abarbeiten() {
    if (!oeffnen_ || oeffnet_) {
        return;
    }
    oeffnet_ = true;
    while (!wartend_.isEmpty()) {
        oeffnen_(wartend_.takeFirst());
    }
    oeffnet_ = false;
}

void Einzelinstanz::FensterSetzen(QWidget* fenster, std::function<void(const QString&)> oeffnen) {
    fenster_ = fenster;
    oeffnen_ = std::move(oeffnen);
    QTimer::singleShot(0, this, &Einzelinstanz::Abarbeiten);
}

bool Einzelinstanz::ErstenVorholen(const QByteArray& nachricht) {
    const QDeadlineTimer frist(kWartezeitMs);
    while (!Weitergeben(nachricht)) {
        if (frist.hasExpired()) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

// A first start that has just made the lock file may not have written its name into it yet:
// read at once, an empty file would look like a holder that cannot be read, and both starts
// would run.
std::optional<Sperrinhaber> Einzelinstanz::InhaberAbwarten() const {
    const QDeadlineTimer frist(kInhaberFristMs);
    auto inhaber = Inhaber();
    while (!inhaber && !frist.hasExpired()) {
        QThread::msleep(20);
        inhaber = Inhaber();
    }
    return inhaber;
}

std::optional<Sperrinhaber> Einzelinstanz::Inhaber() const {
    qint64 pid = 0;
    QString rechner;
    QString programm;
    if (!sperre_->getLockInfo(&pid, &rechner, &programm)) {
        return std::nullopt;
    }
    return Sperrinhaber{pid, rechner.toStdString()};
}

std::string Einzelinstanz::Rechner() {
    return QSysInfo::machineHostName().toStdString();
}

void Einzelinstanz::Uebernehmen(const std::optional<Sperrinhaber>& inhaber) {
    sperre_->removeStaleLockFile();
    // Where the lock stays (its holder's system lock still stands), this start runs
    // unguarded rather than not at all.
    if (sperre_->tryLock(0)) {
        Lauschen();
    }
    Meldung::Information(nullptr, QString::fromStdString(UebernahmeHinweis(inhaber)));
}

bool Einzelinstanz::Weitergeben(const QByteArray& nachricht) const {
    QLocalSocket socket;
    socket.connectToServer(pfad_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write(nachricht);
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

} // namespace lexidor
