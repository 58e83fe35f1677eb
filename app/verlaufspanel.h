// A borderless panel filled with a vertical colour gradient from the window face to sky blue.
#pragma once

#include <QWidget>

namespace lexidor {

class Verlaufspanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Verlaufspanel)

public:
    explicit Verlaufspanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

} // namespace lexidor
