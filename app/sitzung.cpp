// Signals and the recovery copy.
#include "sitzung.h"

#include "dateien.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace lexidor {
namespace {

int& Schreibende() {
    static int fd = -1;
    return fd;
}

void Signalempfang(int signal) {
    const char zeichen = static_cast<char>(signal);
    [[maybe_unused]] const auto n = ::write(Schreibende(), &zeichen, 1);
}

constexpr int kSignale[] = {SIGTERM, SIGHUP, SIGINT};

QString Ordner() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/lexidor");
}

QString Herkunft() {
    return Ordner() + QStringLiteral("/Wiederherstellung.herkunft");
}

} // namespace

Signalwache::Signalwache(std::function<void()> beenden, QObject* parent)
    : QObject(parent), beenden_(std::move(beenden)) {
    int paar[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, paar) != 0) {
        return;
    }
    Schreibende() = paar[0];
    melder_ = new QSocketNotifier(paar[1], QSocketNotifier::Read, this);
    connect(melder_, &QSocketNotifier::activated, this, [this] {
        char zeichen = 0;
        [[maybe_unused]] const auto n = ::read(static_cast<int>(melder_->socket()), &zeichen, 1);
        beenden_();
    });
    struct sigaction aktion {};
    aktion.sa_handler = Signalempfang;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (const int signal : kSignale) {
        ::sigaction(signal, &aktion, nullptr);
    }
}

Signalwache::~Signalwache() {
    if (!melder_) {
        return;
    }
    for (const int signal : kSignale) {
        ::signal(signal, SIG_DFL);
    }
    ::close(Schreibende());
    ::close(static_cast<int>(melder_->socket()));
    Schreibende() = -1;
}

namespace Wiederherstellung {

QString Kopie() {
    return Ordner() + QStringLiteral("/Wiederherstellung.vkd");
}

bool Ablegen(const std::function<bool(const Stueckweise&)>& schreiber,
             const std::string& original) {
    QDir().mkpath(Ordner());
    // The origin goes last: a copy without one is never offered.
    QFile::remove(Herkunft());
    return DateiStueckweiseSchreiben(Kopie(), schreiber) && DateiSchreiben(Herkunft(), original);
}

std::optional<std::string> Vorhanden() {
    if (!QFile::exists(Kopie())) {
        return std::nullopt;
    }
    auto original = DateiLesen(Herkunft());
    if (!original) {
        Entfernen();
    }
    return original;
}

void Entfernen() {
    QFile::remove(Herkunft());
    QFile::remove(Kopie());
}

} // namespace Wiederherstellung

} // namespace lexidor
