// The notice "Einen Moment..." shown while the browser loads the help, for at most 3 s.
#pragma once

#include <QDialog>
#include <chrono>

class QLabel;
class QTimer;

class TForm3 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    // dauer: how long each showing lasts; tests shorten it.
    explicit TForm3(QWidget* parent, std::chrono::milliseconds dauer = std::chrono::seconds(3));

    void FormActivate();
    void Timer1Timer();
    void Panel1Click();

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    QLabel* Panel1 = nullptr;
    QTimer* Timer1 = nullptr;
};
