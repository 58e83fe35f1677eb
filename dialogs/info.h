// The about window: product name and slogan on a gradient, the homepage link, version,
// maker, licence and contact. It stops nothing itself; closing it restarts the query clock.
#pragma once

#include "kartei.h"

#include <QDialog>

class QLabel;
class QTimer;

namespace lexidor {
// Shown by the link label; "Connect.html" is the page behind it.
QString Homepageadresse();
} // namespace lexidor

class TForm4 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    // timer1: the main window's elapsed-time clock, started again on closing while a card
    // box is open.
    TForm4(QTimer& timer1, const lexidor::TKartei& kartei, QWidget* parent);

    void Label8Click();
    void FormClose();

protected:
    void done(int ergebnis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* VerlaufAufbauen();
    QWidget* VersionAufbauen();

    QTimer& timer1_;
    const lexidor::TKartei& kartei_;
    QLabel* Label8 = nullptr;
};
