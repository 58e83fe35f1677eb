// The main window's commands that open the other windows: what happens around each one,
// from the menu key to the card asked, the clock and the files afterwards, and what the
// progress and print windows show of the open box.
#include "browserfalle.h"
#include "hauptfenster_hilfen.h"
#include "lernverlauf.h"
#include "wirbelflaeche.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

namespace lexidor::test {
namespace {

using FensteraufrufeTest = HauptfensterTest;

// The backdrop, a window of its own.
QWidget* Hintergrund() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"Form10"_s) {
            return w;
        }
    }
    return nullptr;
}

// Each command that needs a box sits where learners look for it and, without a box, only
// says so.
TEST_F(FensteraufrufeTest, WithoutACardBoxTheBoxCommandsOnlySayIt) {
    Starten();
    // The menu, the command and the item before it.
    const char* const befehle[][3] = {{"Vokabeln1", "Hinzufgen1", nullptr},
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
        EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Keine Vokabelkartei geöffnet!"_s}) << befehl;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Added cards count at once and are saved automatically; the toolbar button opens the same
// dialog as F5, and its close box still marks the box.
TEST_F(FensteraufrufeTest, TheAddDialogFromF5OrTheButtonCountsAndSavesWhatItAdds) {
    Schreiben(u"lexidor.ini"_s, "[Optionen]\r\nAbfragerichtung=0\r\nAutosave=1\r\n");
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
    EXPECT_EQ(Beschriftung("gesamt"), u"Gesamt:  3"_s);
    EXPECT_TRUE(Uhr()->isActive());
    EXPECT_TRUE(form->Kartei.Gesichert); // saved by the automatic save
    const auto datei = Lesen(u"k.vkd"_s);
    EXPECT_NE(datei.find("Baum\r\ntree\r\n"), std::string::npos);
    EXPECT_NE(datei.find("Katze\r\ncat\r\n"), std::string::npos);

    form->Einstellungen.Autosave = false;
    ModalSchliessen("Form5");
    Teil<QWidget>("SpeedButton3")->setFocus();
    Klicken(form.get(), "SpeedButton3");
    EXPECT_FALSE(form->Kartei.Gesichert);
    EXPECT_TRUE(Uhr()->isActive());
}

TEST_F(FensteraufrufeTest, SettingsStopTheClockWhileOpenAndWhatOkTakesAndTheBackdropAreKept) {
    MitKartei();
    Teil<QAction>("Hintergrundanaus1")->trigger();
    ASSERT_TRUE(Hintergrund()->isVisible());
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
    EXPECT_EQ(Text("Memo1"), u"Haus"_s);
    form->close();
    EXPECT_NE(Lesen(u"lexidor.ini"_s).find("Autosave=1"), std::string::npos);

    // The backdrop comes back after a restart when it was on at exit.
    EXPECT_NE(Lesen(u"lexidor.ini"_s).find("Form10Sichtbar=1"), std::string::npos);
    form.reset();
    Starten();
    ASSERT_TRUE(Bis([] { return Hintergrund() && Hintergrund()->isVisible(); }));
    Teil<QAction>("Hintergrundanaus1")->trigger();
    EXPECT_FALSE(Hintergrund()->isVisible());
}

// Closing the about window starts the clock again, but only while a box is open. Help opens
// the page, then the notice; the homepage only the page.
TEST_F(FensteraufrufeTest, AboutAndHelpOpenTheirWindowsAndPages) {
    Starten();
    Browserfalle falle;
    ModalSchliessen("Form3");
    QTest::keyClick(form.get(), Qt::Key_F1);
    Teil<QAction>("Homepage1")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(falle.geoeffnet, (QStringList{Pfad(u"Hilfe.html"_s), Pfad(u"Connect.html"_s)}));
    for (const bool mitKartei : {false, true}) {
        if (mitKartei) {
            Oeffnen(Kartei(u"k.vkd"_s, {{1, "Haus", "house"}}));
        }
        QString offen;
        ModalBedienen([&](QWidget* modal) {
            offen = modal->objectName() + (Uhr()->isActive() ? u'+' : u'-');
            modal->close();
        });
        Teil<QAction>("ber1")->trigger();
        EXPECT_EQ(offen, u"Form4-"_s);
        EXPECT_EQ(Uhr()->isActive(), mitKartei);
    }
}

TEST_F(FensteraufrufeTest, TheMappingDialogChangesWhatTheAnswerFieldTypes) {
    MitKartei();
    ModalBedienen([](QWidget* modal) {
        ModalBedienen([](QWidget* picker) {
            Kind<QLineEdit>(picker, "Edit1")->setText(u"é"_s);
            Klicken(picker, "BitBtn1");
        });
        Kind<QListWidget>(modal, "slist")->setCurrentRow(0);
        Klicken(modal, "Button10");
        Klicken(modal, "JvBitBtn1");
    });
    Teil<QAction>("TastaturbelegungSonderzeichen1")->trigger();
    Antworten(u"1"_s);
    EXPECT_EQ(Text("Memo2"), u"é"_s);
}

// The history recorded and shown (the window reads it from the file; how it is read and
// written is core's), a damaged one named, and the print preview's pages.
TEST_F(FensteraufrufeTest, ProgressAndPrintWindowsShowTheBoxAndItsHistory) {
    MitKartei({{1, "Haus", "house"}, {1, "Baum", "tree"}, {3, "Katze", "cat"}, {6, "Hund", "dog"}});
    Taste(Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_R);
    form->Speichern1Click();
    QString zusammenfassung;
    QStringList heute;
    ModalBedienen([&](QWidget* fenster) {
        zusammenfassung = Kind<QLabel>(fenster, "Zusammenfassung")->text();
        EXPECT_FALSE(Kind<QLabel>(fenster, "Hinweis")->isVisible());
        const auto* zahlen = Kind<QTableWidget>(fenster, "Zahlen");
        for (int s = 0; s < zahlen->columnCount(); ++s) {
            heute.append(zahlen->item(0, s)->text());
        }
        fenster->close();
    });
    Teil<QAction>("Lernverlauf1")->trigger();
    // Compartment 3 is due and its card was asked first: it went up to 4; the two new cards
    // remain due today.
    EXPECT_EQ(zusammenfassung, u"Heute fällig: 2 Karten    Tage in Folge gelernt: 1"_s);
    ASSERT_EQ(heute.size(), 9);
    EXPECT_EQ(heute.mid(1).join(u' '), u"1 0 2 0 0 1 0 1"_s);

    // A damaged history is named.
    const QString verlauf = VerlaufDatei(PfadBytes(Pfad(u"k.vkd"_s)));
    DatenverzeichnisAnlegen(QFileInfo(verlauf).absolutePath());
    ASSERT_TRUE(DateiSchreiben(verlauf, "Lexidor-Lernverlauf 1\n\x01kaputt\n"));
    QString hinweis;
    ModalBedienen([&](QWidget* fenster) {
        hinweis = Kind<QLabel>(fenster, "Hinweis")->text();
        fenster->close();
    });
    Teil<QAction>("Lernverlauf1")->trigger();
    EXPECT_TRUE(hinweis.startsWith(
        u"Der Lernverlauf dieser Kartei ist beschädigt: 1 Zeile wurde übergangen"_s))
        << hinweis.toStdString();

    // Ctrl+P shows the first page of the list and of a test sheet.
    QStringList seiten;
    ModalBedienen([&](QWidget* fenster) {
        seiten.append(Kind<QLabel>(fenster, "Seitenzahl")->text());
        EXPECT_FALSE(Kind<QLabel>(fenster, "Seitenbild")->pixmap().isNull());
        auto* art = Kind<QComboBox>(fenster, "Art");
        art->setCurrentIndex(1);
        EXPECT_EQ(Kind<QComboBox>(fenster, "Auswahl")->currentText(), u"Heute fällige"_s);
        seiten.append(Kind<QLabel>(fenster, "Seitenzahl")->text());
        fenster->close();
    });
    Zeigen(form.get()); // shortcuts reach only the active window
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(seiten, (QStringList{u"von 1"_s, u"von 1"_s}));
}

TEST_F(FensteraufrufeTest, TheEffectBlinksSixTimesDrawsOverTheWindowAndLeavesItAsItWas) {
    MitKartei();
    auto* flaeche = form->findChild<Wirbelflaeche*>();
    flaeche->SchritteBegrenzen(1000);
    QSignalSpy umgeschaltet(form->windowHandle(), &QWindow::visibleChanged);
    // The program keeps running meanwhile: what is queued is handled before the effect ends.
    bool behandelt = false;
    QTimer::singleShot(0, [&] { behandelt = true; });
    Teil<QAction>("Wirbel1")->trigger();
    EXPECT_EQ(umgeschaltet.count(), 12);
    EXPECT_EQ(flaeche->width(), form->width());
    EXPECT_TRUE(behandelt);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(flaeche->isVisible());
}

} // namespace
} // namespace lexidor::test
