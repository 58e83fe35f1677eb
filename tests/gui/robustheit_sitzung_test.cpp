// Leaving the question about unsaved changes without a choice (Escape, its close box) never
// drops the changes: neither at closing the window nor at the session manager's question.
// The open dialog finds card boxes whatever the case of their ending; the reminder keeps the
// clock going.
#include "hauptfenster_hilfen.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>

namespace lexidor::test {
namespace {

TEST_F(HauptfensterTest, LeavingTheUnsavedQuestionKeepsTheWindowAndTheChanges) {
    const std::function<void(QWidget*)> verlassen[] = {
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QWidget* box) { box->close(); },
    };
    const std::function<bool(TForm1&)> enden[] = {
        [](TForm1& f) { return f.close(); },
        [](TForm1& f) { return f.SitzungBeantworten(true); },
    };
    MitKartei();
    const std::string vorher = Lesen(u"k.vkd"_s);
    // The real box, not the test hook: Qt decides what Escape and the close box press.
    Meldung::Testbetrieb(false);
    for (const auto& v : verlassen) {
        for (const auto& ende : enden) {
            form->Kartei.Gesichert = false;
            QStringList knoepfe;
            ModalBedienen([&](QWidget* modal) {
                for (auto* knopf : modal->findChildren<QAbstractButton*>()) {
                    if (knopf->isVisible()) {
                        knoepfe.append(knopf->text());
                    }
                }
                v(modal);
            });
            EXPECT_FALSE(ende(*form));
            EXPECT_EQ(knoepfe, (QStringList{u"&Ja"_s, u"&Nein"_s}));
            EXPECT_TRUE(form->isVisible());
            EXPECT_FALSE(form->Kartei.Gesichert);
        }
    }
    Meldung::Testbetrieb(true);
    EXPECT_EQ(Lesen(u"k.vkd"_s), vorher);
}

// Qt's own file dialog (the one shown where no desktop supplies one) with the card-box type:
// a box is listed whatever the case of its ending, other files are not.
TEST_F(HauptfensterTest, TheCardBoxTypeListsVkdInAnyCase) {
    for (const char* name : {"MEINE.VKD", "klein.vkd", "Gemischt.Vkd", "andere.txt"}) {
        Schreiben(QString::fromLatin1(name), "");
    }
    Dateiwahl::Testbetrieb(false);
    QStringList gezeigt;
    ModalBedienen([&](QWidget* modal) {
        auto* dialog = static_cast<QFileDialog*>(modal);
        auto* modell = dialog->findChild<QFileSystemModel*>();
        const QModelIndex ordner = modell->index(verzeichnis.path());
        Bis([&] { return modell->rowCount(ordner) >= 3; }, 10000);
        for (int i = 0; i < modell->rowCount(ordner); ++i) {
            gezeigt.append(modell->index(i, 0, ordner).data().toString());
        }
        dialog->reject();
    });
    QString letzter = Pfad(u"klein.vkd"_s);
    EXPECT_FALSE(Dateiwahl::Oeffnen(nullptr, letzter));
    Dateiwahl::Testbetrieb(true);
    gezeigt.sort();
    EXPECT_EQ(gezeigt, (QStringList{u"Gemischt.Vkd"_s, u"MEINE.VKD"_s, u"klein.vkd"_s}));
}

// The study-time reminder does not stop the clock: while "Vokabeltimer" is open, the elapsed
// time goes on counting. The clock's tick is made a millisecond, so no test waits for real
// seconds.
TEST_F(HauptfensterTest, ClockGoesOnWhileTheReminderIsOpen) {
    Starten();
    form->Einstellungen.Timer = 1;
    Oeffnen(Kartei(u"a.vkd"_s, {{1, "Haus", "house"}}));
    form->Abfrage.Sekunden = 59;
    QTimer* uhr = Uhr();

    // The real box, not the test hook: only a box that is shown can stop the clock.
    Meldung::Testbetrieb(false);
    QString titel;
    QString zeitImOffenenFenster;
    bool geschlossen = false;
    ModalBedienen([&](QWidget* modal) {
        titel = modal->windowTitle();
        Bis([&] { return Beschriftung("Label8") > u"01:00"_s; });
        zeitImOffenenFenster = Beschriftung("Label8");
        static_cast<QMessageBox*>(modal)->accept();
        geschlossen = true;
    });
    uhr->setInterval(1);
    Bis([&] { return geschlossen; }, 10000);
    uhr->stop();
    Meldung::Testbetrieb(true);
    ASSERT_TRUE(geschlossen) << "the reminder did not come";
    EXPECT_EQ(titel, u"Vokabeltimer"_s);
    EXPECT_GT(zeitImOffenenFenster, u"01:00"_s);
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Sie lernen schon ziemlich lange..."_s});
}

} // namespace
} // namespace lexidor::test
