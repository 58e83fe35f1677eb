// A borderless panel filled with a vertical colour gradient, by default from the window face
// at the top to sky blue at the bottom.
#pragma once

#include <QColor>
#include <QWidget>

namespace lexidor {

class Verlaufspanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Verlaufspanel)

public:
    explicit Verlaufspanel(QWidget* parent);
    // An invalid colour stands for the window face.
    Verlaufspanel(QWidget* parent, const QColor& oben, const QColor& unten);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QColor oben_;
    QColor unten_;
};

} // namespace lexidor
