// The study-time reminder does not stop the clock: while "Vokabeltimer" is open, the
// elapsed time goes on counting. The clock's tick is made a millisecond, so no test waits
// for real seconds.
#include "hauptfenster_hilfen.h"

#include <QMessageBox>

namespace lexidor::test {
namespace {

TEST_F(HauptfensterTest, ClockGoesOnWhileTheReminderIsOpen) {
    Starten();
    form->Einstellungen.Timer = 1;
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}}));
    form->Abfrage.Sekunden = 59;
    QTimer* uhr = Uhr();

    // The real box, not the test hook: only a box that is shown can stop the clock.
    Meldung::Testbetrieb(false);
    QString titel;
    QString zeitImOffenenFenster;
    bool geschlossen = false;
    ModalBedienen([&](QWidget* modal) {
        titel = modal->windowTitle();
        Bis([&] { return Beschriftung("Label8") > QStringLiteral("01:00"); });
        zeitImOffenenFenster = Beschriftung("Label8");
        static_cast<QMessageBox*>(modal)->accept();
        geschlossen = true;
    });
    uhr->setInterval(1);
    Bis([&] { return geschlossen; }, 10000);
    uhr->stop();
    Meldung::Testbetrieb(true);
    ASSERT_TRUE(geschlossen) << "the reminder did not come";
    EXPECT_EQ(titel, QStringLiteral("Vokabeltimer"));
    EXPECT_GT(zeitImOffenenFenster, QStringLiteral("01:00"));
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{QStringLiteral("Sie lernen schon ziemlich lange...")});
}

} // namespace
} // namespace lexidor::test
