// The help notice.
#include "hilfehinweis.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

TForm3::TForm3(QWidget* parent, std::chrono::milliseconds dauer)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Einen Moment..."));
    Panel1 = new QLabel(QStringLiteral("Die HTML-Hilfedatei wird in Ihrem Browser geladen"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->installEventFilter(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Panel1);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(dauer);
    Timer1->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the notice promises its three seconds.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    setFixedSize(378, 75);
}

bool TForm3::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(ereignis);
}

void TForm3::showEvent(QShowEvent* ereignis) {
    // The browser may take the focus before the notice is ever activated; it must still go.
    FormActivate();
    QDialog::showEvent(ereignis);
}

void TForm3::hideEvent(QHideEvent* ereignis) {
    Timer1->stop();
    QDialog::hideEvent(ereignis);
}

void TForm3::FormActivate() {
    // Once per showing: coming back from the browser does not prolong it, and an activation
    // that arrives after the notice has gone must not arm it again.
    if (isVisible() && !Timer1->isActive()) {
        Timer1->start();
    }
}

void TForm3::Timer1Timer() {
    Timer1->stop();
    accept();
}

void TForm3::Panel1Click() {
    accept();
}

bool TForm3::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Panel1 && ereignis->type() == QEvent::MouseButtonRelease) {
        Panel1Click();
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}
