// The main window: menus, toolbar, query area, statistics and the file commands.
#pragma once

#include <QMainWindow>
#include <QStringList>

class TForm1 final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(const QStringList& argumente, QWidget* parent = nullptr);
};
