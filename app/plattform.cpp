// Platform glue: files, dates, locale and text conversion.
#include "plattform.h"

#include "cp1252.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QThread>
#include <chrono>
#include <clocale>
#include <ctime>
#include <langinfo.h>
#include <vector>

// Last: Xlib's macros (None, Bool, KeyPress...) would clash with Qt's headers.
#include <X11/Xlib.h>

namespace lexidor {

namespace {
QString& Festgelegt() {
    static QString pfad;
    return pfad;
}
} // namespace

QString Programmverzeichnis() {
    return Festgelegt().isEmpty() ? QCoreApplication::applicationDirPath() : Festgelegt();
}

void ProgrammverzeichnisFestlegen(const QString& pfad) {
    Festgelegt() = pfad;
}

QString ProgrammDatei(const QString& name) {
    return Programmverzeichnis() + u'/' + name;
}

std::optional<std::string> DateiLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
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

bool DateiSchreiben(const QString& pfad, std::string_view bytes) {
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto laenge = static_cast<qint64>(bytes.size());
    if (datei.write(bytes.data(), laenge) != laenge) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
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

QString AusCp1252(std::string_view bytes) {
    return QString::fromStdString(Cp1252NachUtf8(bytes));
}

std::optional<std::string> NachCp1252(const QString& text, QString* fremd) {
    auto k = Utf8NachCp1252(text.toStdString());
    if (!k.ok()) {
        if (fremd) {
            *fremd = QString::fromStdString(*k.fremdzeichen);
        }
        return std::nullopt;
    }
    return std::move(k.text);
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
} // namespace

bool DateiStueckweiseLesen(const QString& pfad, const Stueckweise& verbraucher) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
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

bool DateiStueckweiseSchreiben(const QString& pfad,
                               const std::function<bool(const Stueckweise&)>& schreiber) {
    QSaveFile datei(pfad);
    // Unbuffered: the pieces are large already, another copy would only cost time.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const bool geschrieben = schreiber([&datei](std::string_view stueck) {
        const auto laenge = static_cast<qint64>(stueck.size());
        return datei.write(stueck.data(), laenge) == laenge;
    });
    if (!geschrieben) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
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
