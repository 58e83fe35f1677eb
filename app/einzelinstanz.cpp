// Single-instance guard over a local socket named after the user and the program directory.
#include "einzelinstanz.h"

#include "plattform.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <unistd.h>

namespace lexidor {

Einzelinstanz::Einzelinstanz(QObject* parent) : QObject(parent) {
    const QByteArray schluessel = QByteArray::number(static_cast<qulonglong>(getuid())) + '|' +
                                  Programmverzeichnis().toUtf8();
    name_ = QStringLiteral("lexidor-") +
            QString::fromLatin1(
                QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1).toHex().left(16));
}

bool Einzelinstanz::LaeuftSchon() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(500)) {
        return false;
    }
    socket.write("vor");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

void Einzelinstanz::Lauschen(QWidget* fenster) {
    // A socket left behind by a crashed run would keep every later start from listening.
    QLocalServer::removeServer(name_);
    server_.listen(name_);
    connect(&server_, &QLocalServer::newConnection, fenster, [this, fenster] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
        fenster->setWindowState((fenster->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        fenster->show();
        fenster->raise();
        fenster->activateWindow();
    });
}

} // namespace lexidor
