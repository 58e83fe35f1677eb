// The main window.
#include "hauptfenster.h"

TForm1::TForm1(const QStringList& argumente, QWidget* parent) : QMainWindow(parent) {
    Q_UNUSED(argumente);
    setWindowTitle(QStringLiteral("Karvello Lexidor 1.1"));
}
