// Resolving a path link by link, to check each link before it is followed. By hand since
// neither QFileInfo nor realpath() tells which links they passed on the way.
#include "schreibziel.h"

#include "schreibfehler.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace lexidor {
namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

QStringList Teile(const QString& pfad) {
    return pfad.split(u'/', Qt::SkipEmptyParts);
}

std::optional<QString> Linkziel(const QString& link) {
    char puffer[PATH_MAX];
    const ssize_t n = ::readlink(QFile::encodeName(link).constData(), puffer, sizeof puffer);
    if (n <= 0 || n == static_cast<ssize_t>(sizeof puffer)) {
        return std::nullopt;
    }
    return QFile::decodeName(QByteArray(puffer, static_cast<qsizetype>(n)));
}

bool DarfFolgen(const struct stat& link, const QString& ordner) {
    struct stat o {};
    const QString pfad = ordner.isEmpty() ? QStringLiteral("/") : ordner;
    return ::stat(QFile::encodeName(pfad).constData(), &o) == 0 &&
           LinkFolgen({link.st_uid, o.st_uid, o.st_mode, ::geteuid()});
}

} // namespace

std::optional<QString> Schreibziel(const QString& pfad) {
    QStringList offen = Teile(QFileInfo(pfad).absoluteFilePath());
    QString erreicht; // resolved so far, free of links; empty for the root
    for (int links = 0; !offen.isEmpty();) {
        const QString teil = offen.takeFirst();
        if (teil == u'.') {
            continue;
        }
        if (teil == QStringLiteral("..")) {
            erreicht.truncate(std::max<qsizetype>(erreicht.lastIndexOf(u'/'), 0));
            continue;
        }
        const QString naechster = erreicht + u'/' + teil;
        struct stat st {};
        if (::lstat(QFile::encodeName(naechster).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            erreicht = naechster;
            continue;
        }
        if (!DarfFolgen(st, erreicht)) {
            return std::nullopt;
        }
        const auto ziel = Linkziel(naechster);
        if (!ziel || ++links > kMaxLinks) {
            return pfad;
        }
        offen = Teile(*ziel) + offen;
        if (ziel->startsWith(u'/')) {
            erreicht.clear();
        }
    }
    return erreicht.isEmpty() ? QStringLiteral("/") : erreicht;
}

} // namespace lexidor
