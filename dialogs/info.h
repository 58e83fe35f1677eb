// The about window: product name and slogan on a gradient, the homepage link, version,
// maker, licence and contact. It says when it closes; the main window then restarts its query
// clock.
#pragma once

#include <QDialog>

class QLabel;

namespace lexidor {
// Shown by the link label; "Connect.html" is the page behind it.
QString Homepageadresse();
} // namespace lexidor

class TForm4 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget* parent);

    void Label8Click();
    void FormClose();

signals:
    void Geschlossen();

protected:
    void done(int ergebnis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QWidget* VerlaufAufbauen();
    QWidget* VersionAufbauen();

    QLabel* Label8 = nullptr;
};
