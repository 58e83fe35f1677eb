// The main window's commands that open the other windows: what happens around each one,
// from the menu key to the card asked, the clock and the files afterwards.
#include "browserfalle.h"
#include "hauptfenster_hilfen.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace lexidor::test {
namespace {

const QString kKeineKartei = QStringLiteral("Keine Vokabelkartei geöffnet!");

class FensteraufrufeTest : public HauptfensterTest {
protected:
    QTimer* Uhr() {
        return form->findChild<QTimer*>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
    }
    QAction* Befehl(const char* name) { return Teil<QAction>(name); }
    static QWidget* Hintergrund() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("Form10")) {
                return w;
            }
        }
        return nullptr;
    }
    static void Klicken(QWidget* modal, const char* knopf) {
        modal->findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
    }
    // Opens the box and answers the first card, so a card is being asked.
    void MitKartei(const std::vector<Karte>& karten) {
        Starten();
        Oeffnen(Kartei(QStringLiteral("k.vkd"), karten));
        ASSERT_TRUE(form->Kartei.Geoeffnet);
    }
};

TEST_F(FensteraufrufeTest, WithoutACardBoxAddAndListOnlySayIt) {
    Starten();
    for (const char* befehl : {"Hinzufgen1", "Liste1"}) {
        Meldung::Zuruecksetzen();
        Befehl(befehl)->trigger();
        EXPECT_EQ(Meldung::Gezeigt(), QStringList{kKeineKartei}) << befehl;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FensteraufrufeTest, AddedCardsCountAtOnceAndAreSavedAutomatically) {
    Schreiben(QStringLiteral("lexidor.ini"),
              "[Optionen]\r\nAbfragerichtung=0\r\nAutosave=1\r\n[Sonstiges]\r\nEnterneu=1\r\n");
    MitKartei({{1, "Haus", "house"}});
    ModalBedienen([](QWidget* modal) {
        // Every activation empties the fields, and the main window's own activation may still
        // be on its way to the dialog: type only once that has settled.
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        QTest::qWait(100);
        auto* deutsch = modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        auto* fremd = modal->findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
        for (const auto& [d, f] : {std::pair{"Baum", "tree"}, std::pair{"Katze", "cat"}}) {
            Tippen(deutsch, QString::fromUtf8(d));
            Tippen(fremd, QString::fromUtf8(f));
            QTest::keyClick(fremd, Qt::Key_Return);
        }
        Klicken(modal, "Button2");
    });
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(form->Kartei.Fach[1].Count(), 3);
    EXPECT_EQ(Beschriftung("gesamt"), QStringLiteral("Gesamt:  3"));
    EXPECT_TRUE(Uhr()->isActive());
    EXPECT_TRUE(form->Kartei.Gesichert); // saved by the automatic save
    const auto datei = Lesen(QStringLiteral("k.vkd"));
    EXPECT_NE(datei.find("Baum\r\ntree\r\n"), std::string::npos);
    EXPECT_NE(datei.find("Katze\r\ncat\r\n"), std::string::npos);
}

TEST_F(FensteraufrufeTest, TheToolbarButtonOpensTheSameDialogAndItsCloseBoxStillMarksTheBox) {
    MitKartei({{1, "Haus", "house"}});
    form->Kartei.Gesichert = true;
    bool offen = false;
    ModalBedienen([&](QWidget* modal) {
        offen = modal->objectName() == QStringLiteral("Form5");
        modal->close();
    });
    Teil<QWidget>("SpeedButton3")->setFocus();
    QTest::mouseClick(Teil<QWidget>("SpeedButton3"), Qt::LeftButton);
    EXPECT_TRUE(offen);
    EXPECT_FALSE(form->Kartei.Gesichert);
    EXPECT_TRUE(Uhr()->isActive());
}

TEST_F(FensteraufrufeTest, ACardDeletedInTheListIsGoneFromTheSavedFile) {
    MitKartei({{1, "Haus", "house"}, {1, "Baum", "tree"}, {2, "Katze", "cat"}});
    int zeilen = 0;
    ModalBedienen([&](QWidget* modal) {
        auto* tabelle = modal->findChild<QTableView*>(QStringLiteral("List"));
        zeilen = tabelle->model()->rowCount();
        // Starting the query shuffles compartment 1: find the row.
        const auto treffer = tabelle->model()->match(tabelle->model()->index(0, 0), Qt::DisplayRole,
                                                     QStringLiteral("Baum"));
        ASSERT_EQ(treffer.size(), 1);
        tabelle->selectRow(treffer.first().row());
        Klicken(modal, "Button2");
        Klicken(modal, "Button1");
    });
    QTest::keyClick(form.get(), Qt::Key_F6);
    EXPECT_EQ(zeilen, 3);
    EXPECT_FALSE(Text("Memo1").isEmpty()); // the next card is asked
    EXPECT_EQ(Beschriftung("gesamt"), QStringLiteral("Gesamt:  2"));
    form->Speichern1Click();
    const auto datei = Lesen(QStringLiteral("k.vkd"));
    EXPECT_EQ(datei.find("Baum"), std::string::npos);
    EXPECT_NE(datei.find("Haus\r\nhouse\r\n"), std::string::npos);
    EXPECT_NE(datei.find("Katze\r\ncat\r\n"), std::string::npos);
}

TEST_F(FensteraufrufeTest, SettingsStopTheClockWhileOpenAndTheirColourReachesTheBackdrop) {
    MitKartei({{1, "Haus", "house"}});
    form->Hintergrundanaus1Click();
    bool uhrLiefOffen = true;
    ModalBedienen([&](QWidget* modal) {
        uhrLiefOffen = Uhr()->isActive();
        form->Einstellungen.Hintergrundfarbe = 0x0000FF; // red, as a confirmed choice leaves it
        modal->close();
    });
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(uhrLiefOffen);
    EXPECT_TRUE(Uhr()->isActive());
    EXPECT_EQ(Hintergrund()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Haus"));
}

TEST_F(FensteraufrufeTest, SettingsConfirmedWithOkAreWrittenAtExit) {
    MitKartei({{1, "Haus", "house"}});
    ModalBedienen([](QWidget* modal) {
        modal->findChild<QCheckBox*>(QStringLiteral("AutosaveBox"))->setChecked(true);
        Klicken(modal, "JvBitBtn2");
    });
    Befehl("Allgemein1")->trigger();
    EXPECT_TRUE(form->Einstellungen.Autosave);
    form->close();
    EXPECT_NE(Lesen(QStringLiteral("lexidor.ini")).find("Autosave=1"), std::string::npos);
}

TEST_F(FensteraufrufeTest, AboutStopsTheClockAndItsClosingStartsItAgain) {
    MitKartei({{1, "Haus", "house"}});
    bool uhrLiefOffen = true;
    QString titel;
    ModalBedienen([&](QWidget* modal) {
        uhrLiefOffen = Uhr()->isActive();
        titel = modal->objectName();
        modal->close();
    });
    Befehl("ber1")->trigger();
    EXPECT_EQ(titel, QStringLiteral("Form4"));
    EXPECT_FALSE(uhrLiefOffen);
    EXPECT_TRUE(Uhr()->isActive());
}

TEST_F(FensteraufrufeTest, AboutLeavesTheClockStoppedWithoutACardBox) {
    Starten();
    ModalBedienen([](QWidget* modal) { modal->close(); });
    Befehl("ber1")->trigger();
    EXPECT_FALSE(Uhr()->isActive());
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
    Befehl("Homepage1")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(falle.geoeffnet, (QStringList{Pfad(QStringLiteral("Hilfe.html")),
                                            Pfad(QStringLiteral("Connect.html"))}));
}

TEST_F(FensteraufrufeTest, TheMappingDialogChangesWhatTheAnswerFieldTypes) {
    MitKartei({{1, "Haus", "house"}});
    ModalBedienen([](QWidget* modal) {
        ModalBedienen([](QWidget* picker) {
            picker->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("é"));
            Klicken(picker, "BitBtn1");
        });
        modal->findChild<QListWidget*>(QStringLiteral("slist"))->setCurrentRow(0);
        Klicken(modal, "Button10");
        Klicken(modal, "JvBitBtn1");
    });
    Befehl("TastaturbelegungSonderzeichen1")->trigger();
    Antworten(QStringLiteral("1"));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("é"));
}

TEST_F(FensteraufrufeTest, TheBackdropComesBackAfterARestartWhenItWasOnAtExit) {
    Starten();
    Befehl("Hintergrundanaus1")->trigger();
    ASSERT_TRUE(Hintergrund()->isVisible());
    form->close();
    EXPECT_NE(Lesen(QStringLiteral("lexidor.ini")).find("Form10Sichtbar=1"), std::string::npos);
    form.reset();
    EXPECT_EQ(Hintergrund(), nullptr);
    Starten();
    QTRY_VERIFY(Hintergrund() && Hintergrund()->isVisible());
    Befehl("Hintergrundanaus1")->trigger();
    EXPECT_FALSE(Hintergrund()->isVisible());
}

// Counts how often the main window is hidden.
class Verstecktzaehler final : public QObject {
public:
    int anzahl = 0;
    bool eventFilter(QObject*, QEvent* ereignis) override {
        anzahl += ereignis->type() == QEvent::Hide ? 1 : 0;
        return false;
    }
};

TEST_F(FensteraufrufeTest, TheEffectBlinksSixTimesDrawsOverTheWindowAndLeavesItAsItWas) {
    MitKartei({{1, "Haus", "house"}});
    auto* flaeche = Teil<QWidget>("Wirbelflaeche");
    Verstecktzaehler zaehler;
    form->installEventFilter(&zaehler);
    bool gezeichnet = false;
    int uhrTicks = 0;
    QTimer::singleShot(300, [&] {
        gezeichnet = flaeche->isVisible() && flaeche->geometry().width() == form->width();
    });
    // The program keeps running meanwhile: its timers tick.
    QObject::connect(Uhr(), &QTimer::timeout, [&] { ++uhrTicks; });
    QElapsedTimer dauer;
    dauer.start();
    Befehl("Wirbel1")->trigger();
    RecordProperty("Wirbel_ms", static_cast<int>(dauer.elapsed()));
    EXPECT_EQ(zaehler.anzahl, 6);
    EXPECT_TRUE(gezeichnet);
    EXPECT_GT(uhrTicks, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(flaeche->isVisible());
    EXPECT_LT(dauer.elapsed(), 60000);
}

} // namespace
} // namespace lexidor::test
