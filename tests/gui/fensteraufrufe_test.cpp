// The main window's commands that open the other windows: what happens around each one,
// from the menu key to the card asked, the clock and the files afterwards.
#include "browserfalle.h"
#include "hauptfenster_hilfen.h"
#include "wirbelflaeche.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace lexidor::test {
namespace {

const QString kKeineKartei = QStringLiteral("Keine Vokabelkartei geöffnet!");

class FensteraufrufeTest : public HauptfensterTest {
protected:
    static QWidget* Hintergrund() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("Form10")) {
                return w;
            }
        }
        return nullptr;
    }
};

// Each command that needs a box sits where learners look for it and, without a box, only
// says so.
TEST_F(FensteraufrufeTest, WithoutACardBoxTheBoxCommandsOnlySayIt) {
    Starten();
    struct Zeile {
        const char* menue;
        const char* name;
        const char* davor;
    };
    const Zeile befehle[] = {{"Vokabeln1", "Hinzufgen1", nullptr},
                             {"Vokabeln1", "Liste1", "Hinzufgen1"},
                             {"Vokabeln1", "Importieren1", "Liste1"},
                             {"Vokabeln1", "Exportieren1", "Importieren1"},
                             {"Vokabeln1", "Lernverlauf1", "Exportieren1"},
                             {"Datei1", "Drucken1", "Schlieen1"}};
    for (const auto& [menue, befehl, davor] : befehle) {
        QAction* aktion = Teil<QAction>(befehl);
        const QList<QAction*> eintraege = Teil<QMenu>(menue)->actions();
        const qsizetype stelle = eintraege.indexOf(aktion);
        EXPECT_TRUE(davor ? stelle > 0 && eintraege[stelle - 1] == Teil<QAction>(davor)
                          : stelle == 0)
            << befehl;
        EXPECT_FALSE(aktion->statusTip().isEmpty()) << befehl;
        Meldung::Zuruecksetzen();
        aktion->trigger();
        EXPECT_EQ(Meldung::Gezeigt(), QStringList{kKeineKartei}) << befehl;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FensteraufrufeTest, AddedCardsCountAtOnceAndAreSavedAutomatically) {
    Schreiben(QStringLiteral("lexidor.ini"), "[Optionen]\r\nAbfragerichtung=0\r\nAutosave=1\r\n");
    MitKartei();
    ModalBedienen([](QWidget* modal) {
        for (const auto& [d, f] : {std::pair{"Baum", "tree"}, std::pair{"Katze", "cat"}}) {
            Kind<QPlainTextEdit>(modal, "Memo1")->setPlainText(QString::fromUtf8(d));
            Kind<QPlainTextEdit>(modal, "Memo2")->setPlainText(QString::fromUtf8(f));
            Klicken(modal, "Button1");
        }
        Klicken(modal, "Button2");
    });
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(Beschriftung("gesamt"), QStringLiteral("Gesamt:  3"));
    EXPECT_TRUE(Uhr()->isActive());
    EXPECT_TRUE(form->Kartei.Gesichert); // saved by the automatic save
    const auto datei = Lesen(QStringLiteral("k.vkd"));
    EXPECT_NE(datei.find("Baum\r\ntree\r\n"), std::string::npos);
    EXPECT_NE(datei.find("Katze\r\ncat\r\n"), std::string::npos);
}

TEST_F(FensteraufrufeTest, TheToolbarButtonOpensTheSameDialogAndItsCloseBoxStillMarksTheBox) {
    MitKartei();
    form->Kartei.Gesichert = true;
    bool offen = false;
    ModalBedienen([&](QWidget* modal) {
        offen = modal->objectName() == QStringLiteral("Form5");
        modal->close();
    });
    Teil<QWidget>("SpeedButton3")->setFocus();
    Klicken(form.get(), "SpeedButton3");
    EXPECT_TRUE(offen);
    EXPECT_FALSE(form->Kartei.Gesichert);
    EXPECT_TRUE(Uhr()->isActive());
}

TEST_F(FensteraufrufeTest, SettingsStopTheClockWhileOpenAndWhatOkTakesIsUsedAndWritten) {
    MitKartei();
    form->Hintergrundanaus1Click();
    bool uhrLiefOffen = true;
    ModalBedienen([&](QWidget* modal) {
        uhrLiefOffen = Uhr()->isActive();
        ModalBedienen([](QWidget* farbwahl) {
            static_cast<QColorDialog*>(farbwahl)->setCurrentColor(QColor(255, 0, 0));
            static_cast<QColorDialog*>(farbwahl)->accept();
        });
        Klicken(modal, "Button4");
        Kind<QCheckBox>(modal, "AutosaveBox")->setChecked(true);
        Klicken(modal, "JvBitBtn2");
    });
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(uhrLiefOffen);
    EXPECT_TRUE(Uhr()->isActive());
    EXPECT_EQ(Hintergrund()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Haus"));
    form->close();
    EXPECT_NE(Lesen(QStringLiteral("lexidor.ini")).find("Autosave=1"), std::string::npos);
}

// Closing the about window starts the clock again, but only while a box is open.
TEST_F(FensteraufrufeTest, AboutStopsTheClockAndItsClosingStartsItAgain) {
    Starten();
    for (const bool mitKartei : {false, true}) {
        if (mitKartei) {
            Oeffnen(Kartei(QStringLiteral("k.vkd"), {{1, "Haus", "house"}}));
        }
        QString offen;
        ModalBedienen([&](QWidget* modal) {
            offen = modal->objectName() + (Uhr()->isActive() ? u'+' : u'-');
            modal->close();
        });
        Teil<QAction>("ber1")->trigger();
        EXPECT_EQ(offen, QStringLiteral("Form4-"));
        EXPECT_EQ(Uhr()->isActive(), mitKartei);
    }
}

TEST_F(FensteraufrufeTest, HelpOpensThePageThenTheNoticeAndHomepageOnlyThePage) {
    Starten();
    Browserfalle falle;
    QString hinweis;
    ModalBedienen([&](QWidget* modal) {
        hinweis = modal->objectName();
        modal->close();
    });
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(hinweis, QStringLiteral("Form3"));
    Teil<QAction>("Homepage1")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(falle.geoeffnet, (QStringList{Pfad(QStringLiteral("Hilfe.html")),
                                            Pfad(QStringLiteral("Connect.html"))}));
}

TEST_F(FensteraufrufeTest, TheMappingDialogChangesWhatTheAnswerFieldTypes) {
    MitKartei();
    ModalBedienen([](QWidget* modal) {
        ModalBedienen([](QWidget* picker) {
            Kind<QLineEdit>(picker, "Edit1")->setText(QStringLiteral("é"));
            Klicken(picker, "BitBtn1");
        });
        Kind<QListWidget>(modal, "slist")->setCurrentRow(0);
        Klicken(modal, "Button10");
        Klicken(modal, "JvBitBtn1");
    });
    Teil<QAction>("TastaturbelegungSonderzeichen1")->trigger();
    Antworten(QStringLiteral("1"));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("é"));
}

TEST_F(FensteraufrufeTest, TheBackdropComesBackAfterARestartWhenItWasOnAtExit) {
    Starten();
    Teil<QAction>("Hintergrundanaus1")->trigger();
    ASSERT_TRUE(Hintergrund()->isVisible());
    form->close();
    EXPECT_NE(Lesen(QStringLiteral("lexidor.ini")).find("Form10Sichtbar=1"), std::string::npos);
    form.reset();
    EXPECT_EQ(Hintergrund(), nullptr);
    Starten();
    QTRY_VERIFY(Hintergrund() && Hintergrund()->isVisible());
    Teil<QAction>("Hintergrundanaus1")->trigger();
    EXPECT_FALSE(Hintergrund()->isVisible());
}

// Counts how often the main window is hidden and notes the surface's width when it shows.
class Wirbelbeobachter final : public QObject {
public:
    explicit Wirbelbeobachter(QWidget* flaeche) : flaeche_(flaeche) {}
    int versteckt = 0;
    int breite = 0;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == flaeche_ && ereignis->type() == QEvent::Show) {
            breite = flaeche_->width();
        } else if (objekt != flaeche_ && ereignis->type() == QEvent::Hide) {
            ++versteckt;
        }
        return false;
    }

private:
    QWidget* flaeche_;
};

TEST_F(FensteraufrufeTest, TheEffectBlinksSixTimesDrawsOverTheWindowAndLeavesItAsItWas) {
    MitKartei();
    auto* flaeche = form->findChild<Wirbelflaeche*>();
    flaeche->SchritteBegrenzen(1000);
    Wirbelbeobachter beobachter(flaeche);
    form->installEventFilter(&beobachter);
    flaeche->installEventFilter(&beobachter);
    // The program keeps running meanwhile: what is queued is handled before the effect ends.
    bool behandelt = false;
    QTimer::singleShot(0, [&] { behandelt = true; });
    Teil<QAction>("Wirbel1")->trigger();
    EXPECT_EQ(beobachter.versteckt, 6);
    EXPECT_EQ(beobachter.breite, form->width());
    EXPECT_TRUE(behandelt);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(flaeche->isVisible());
}

} // namespace
} // namespace lexidor::test
