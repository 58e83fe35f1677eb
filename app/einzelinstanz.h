// At most one running Lexidor per user and program directory: a second start hands over
// to the first, which comes to the front, and then ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QWidget>
#include <functional>

namespace lexidor {

class Einzelinstanz final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Einzelinstanz)

public:
    explicit Einzelinstanz(QObject* parent = nullptr);

    // True when another instance runs; it has been told to come to the front.
    bool LaeuftSchon();
    // From now on, a second start brings this window to the front.
    void Lauschen(QWidget* fenster);

private:
    QString name_;
    QLocalServer server_;
};

} // namespace lexidor
