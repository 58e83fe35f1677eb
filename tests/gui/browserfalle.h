// Catches what the program hands to the web browser, so a test never starts one.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace lexidor::test {

class Browserfalle final : public QObject {
    Q_OBJECT

public:
    Browserfalle() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Oeffnen"); }
    ~Browserfalle() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    Q_INVOKABLE void Oeffnen(const QUrl& adresse) { geoeffnet.append(adresse.toLocalFile()); }

    QStringList geoeffnet;
};

} // namespace lexidor::test
