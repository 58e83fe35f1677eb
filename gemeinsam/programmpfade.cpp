// The folders of the user's files, the shipped files and the data, as core decides them for
// this binary and this environment.
#include "programmpfade.h"

#include "programmordner.h"
#include "umwandlung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

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

} // namespace lexidor
