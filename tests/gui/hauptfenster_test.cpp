// The main window driven as a user drives it: start-up and exit files, a query by keys,
// the file commands with their questions, the recent files and the clock.
#include "hauptfenster_hilfen.h"
#include "stufenbarflaeche.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace lexidor::test {
namespace {

const QString kTitel = QStringLiteral("Karvello Lexidor 1.1");
const QString kSonderzeichenFehler = QStringLiteral("Fehler beim Laden der Sonderzeichen");
const QString kLadefehler = QStringLiteral("Datei ist fehlerhaft oder nicht vorhanden!");
const QString kUngesichert = QStringLiteral("Wollen sie die Änderungen Speichern?");

TEST_F(HauptfensterTest, FreshProgramDirectoryStartsWithOneMessageAndLeavesThreeFiles) {
    QFile::remove(Pfad(QStringLiteral("lexidor.ini")));
    QFile::remove(Pfad(QStringLiteral("sonderzeichen.ini")));
    Starten();
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kSonderzeichenFehler});
    EXPECT_EQ(form->windowTitle(), kTitel);
    EXPECT_TRUE(Teil<QWidget>("JvPanel1")->isVisible());
    EXPECT_FALSE(Teil<QWidget>("sbox")->isVisible());
    for (const char* name : {"oben", "C1", "C2", "C3", "C4", "unten"}) {
        EXPECT_FALSE(Teil<QAction>(name)->isVisible()) << name;
    }
    EXPECT_EQ(form->Einstellungen.Abfragerichtung, 1);
    ASSERT_TRUE(form->close());

    std::string erwartet;
    for (int i = 0; i < 35; ++i) {
        erwartet += "(Nichts)\r\n";
    }
    EXPECT_EQ(Lesen(QStringLiteral("sonderzeichen.ini")), erwartet);
    EXPECT_EQ(Lesen(QStringLiteral("history.ini")), "none\r\nnone\r\nnone\r\nnone\r\n");
    const std::string ini = Lesen(QStringLiteral("lexidor.ini"));
    EXPECT_NE(ini.find("Abfragerichtung=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Form10Sichtbar="), std::string::npos) << ini;
}

TEST_F(HauptfensterTest, SettingsMessageComesBeforeTheSubstitutionMessage) {
    Schreiben(QStringLiteral("lexidor.ini"), "[Sonstiges]\r\nHintergrundfarbe=lila\r\n");
    Schreiben(QStringLiteral("sonderzeichen.ini"), "a\r\nb\r\n");
    Starten();
    EXPECT_EQ(
        Meldung::Gezeigt(),
        (QStringList{QStringLiteral("Fehler beim Laden der Einstellungen"), kSonderzeichenFehler}));
    EXPECT_EQ(form->Ersatztexte[1], "b");
    EXPECT_EQ(form->Ersatztexte[2], "(Nichts)");
}

TEST_F(HauptfensterTest, CommandLineBoxOpensShortlyAfterStart) {
    const QString pfad = Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}});
    Starten({pfad, QStringLiteral("zweites-wird-nicht-beachtet.vkd")});
    QTRY_VERIFY(form->Kartei.Geoeffnet);
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   a.vkd"));
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Haus"));
    QTRY_VERIFY(!Teil<QWidget>("JvPanel1")->isVisible());
    EXPECT_TRUE(Teil<QWidget>("sbox")->isVisible());
    EXPECT_EQ(Teil<QAction>("C1")->text(), pfad.left(3) + QStringLiteral(".../a.vkd"));
}

TEST_F(HauptfensterTest, MissingCommandLineBoxLeavesTheStartPanel) {
    Starten({Pfad(QStringLiteral("gibtsnicht.vkd"))});
    QTRY_COMPARE(Meldung::Gezeigt(), QStringList{kLadefehler});
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    EXPECT_EQ(form->Kartei.Dateipfad, "?none?");
    EXPECT_TRUE(Teil<QWidget>("JvPanel1")->isVisible());
    EXPECT_FALSE(Teil<QAction>("C1")->isVisible());
}

// A big box keeps the event loop busy while it is read: the window is shown and drawn first.
// A window the window system never shows keeps the box from being read for a second only.
TEST_F(HauptfensterTest, CommandLineBoxWaitsForTheWindowToBeShown) {
    const QString pfad = Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}});
    form = std::make_unique<TForm1>(QStringList{pfad});
    form->winId(); // the window exists, but is not shown
    form->Timer2Timer();
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    form->show();
    QTRY_VERIFY(form->Kartei.Geoeffnet);
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Haus"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(form->close());

    form = std::make_unique<TForm1>(QStringList{pfad});
    form->winId();
    int runden = 0;
    while (!form->Kartei.Geoeffnet && runden < 100) {
        form->Timer2Timer();
        ++runden;
    }
    EXPECT_EQ(runden, 50);
}

TEST_F(HauptfensterTest, SelfCheckWithF9ThenRAndF) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{2, "Haus", "house"}, {2, "Baum", "tree"}}));
    const QString erste = Text("Memo1");
    ASSERT_TRUE(erste == QStringLiteral("Haus") || erste == QStringLiteral("Baum"));

    // Before the reveal F and R are letters of the answer.
    Antworten(QStringLiteral("fr"));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("fr"));
    EXPECT_EQ(form->Abfrage.Richtige + form->Abfrage.Falsche, 0);

    Taste(Qt::Key_F9);
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Aufgedeckt);
    EXPECT_EQ(Text("Memo3"),
              erste == QStringLiteral("Haus") ? QStringLiteral("house") : QStringLiteral("tree"));
    EXPECT_TRUE(Teil<QPlainTextEdit>("Memo2")->isReadOnly());
    EXPECT_FALSE(Teil<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(Teil<QPushButton>("Rbutton")->isEnabled());
    EXPECT_TRUE(Teil<QPushButton>("Fbutton")->isEnabled());
    EXPECT_FALSE(form->Kartei.Gesichert);

    // F10 does nothing in a self-check.
    Taste(Qt::Key_F10);
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Aufgedeckt);

    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->Abfrage.Richtige, 1);
    EXPECT_EQ(form->Kartei.Fach[3].Count(), 1);
    EXPECT_EQ(Beschriftung("Labr"), QStringLiteral("1"));
    EXPECT_EQ(Beschriftung("Label17"), QStringLiteral("100%"));
    EXPECT_EQ(Beschriftung("lab3"), QStringLiteral("Im 3. Fach:  1"));
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Offen);
    EXPECT_TRUE(Text("Memo2").isEmpty());
    EXPECT_FALSE(Teil<QPlainTextEdit>("Memo2")->isReadOnly());

    Taste(Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_F);
    EXPECT_EQ(form->Abfrage.Falsche, 1);
    EXPECT_EQ(form->Kartei.Fach[1].Count(), 1);
    EXPECT_EQ(Beschriftung("Label17"), QStringLiteral("50%"));
    EXPECT_EQ(Beschriftung("labgesamt"), QStringLiteral("2"));
    EXPECT_EQ(Beschriftung("gesamt"), QStringLiteral("Gesamt:  2"));
}

TEST_F(HauptfensterTest, RejectedAnswerCanBeOverruledOrAccepted) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{3, "Haus", "house"}, {3, "Haus", "house"}}));
    Antworten(QStringLiteral("haus"));
    Taste(Qt::Key_F10);
    ASSERT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
    EXPECT_TRUE(Teil<QLabel>("Label6")->isVisible());
    EXPECT_TRUE(Teil<QLabel>("Label7")->isVisible());
    auto* rknopf = Teil<QPushButton>("Rbutton");
    EXPECT_EQ(rknopf->text(), QStringLiteral("Doch richtig (R)"));
    EXPECT_EQ(rknopf->width(), 209);
    EXPECT_TRUE(rknopf->isEnabled());
    EXPECT_FALSE(Teil<QPushButton>("Fbutton")->isEnabled());
    EXPECT_EQ(Teil<QPushButton>("Button2")->text(), QStringLiteral("Weiter (F10)"));
    EXPECT_EQ(Teil<QPlainTextEdit>("Memo2")->palette().color(QPalette::Text), QColor(255, 0, 0));

    QTest::keyClick(form.get(), Qt::Key_F); // F does not accept a rejection
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->Abfrage.Richtige, 1);
    EXPECT_EQ(form->Kartei.Fach[4].Count(), 1);
    EXPECT_EQ(rknopf->text(), QStringLiteral("Richtig (R)"));
    EXPECT_EQ(rknopf->width(), 100);
    EXPECT_FALSE(Teil<QLabel>("Label6")->isVisible());

    // The second card; this time the verdict stands.
    Antworten(QStringLiteral("hose"));
    Taste(Qt::Key_F10);
    Teil<QPushButton>("Button2")->click();
    EXPECT_EQ(form->Abfrage.Falsche, 1);
    EXPECT_EQ(form->Kartei.Fach[1].Count(), 1);
    EXPECT_EQ(form->Kartei.Fach[3].Count(), 0);
}

TEST_F(HauptfensterTest, AutomaticCheckIgnoresCaseBlanksAndLineBreaks) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "gehen", "to go\xBE\xBCwent"}}));
    Antworten(QStringLiteral("  TO GO"));
    Taste(Qt::Key_Return); // without Enterab, Enter is a line break of the answer
    Antworten(QStringLiteral("went "));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("  TO GO\nwent "));
    Taste(Qt::Key_F10);
    EXPECT_EQ(form->Abfrage.Richtige, 1);
    EXPECT_EQ(form->Kartei.Fach[2].Count(), 1);
    // Nothing is left to learn now; F9 and F10 do nothing and nobody is told.
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Momentan gibt es nichts zu lernen!"));
    Taste(Qt::Key_F9);
    Taste(Qt::Key_F10);
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());
    EXPECT_EQ(form->Abfrage.Richtige + form->Abfrage.Falsche, 1);
    EXPECT_EQ(form->findChild<lexidor::Stufenbarflaeche*>()->Balken().Stufe, 0);
}

TEST_F(HauptfensterTest, SolutionWithLineBreakShowsOnTwoLines) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "erste\xBE\xBCzweite", "x"}}));
    EXPECT_EQ(Text("Memo1"), QStringLiteral("erste\nzweite"));
}

TEST_F(HauptfensterTest, EnterChecksTheAnswerOnlyWithEnterab) {
    Schreiben(QStringLiteral("lexidor.ini"),
              "[Optionen]\r\nAbfragerichtung=0\r\n[Sonstiges]\r\nEnterab=1\r\n");
    Starten();
    ASSERT_TRUE(form->Einstellungen.Enterab);
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{2, "Haus", "house"}, {2, "Haus", "house"}}));
    Antworten(QStringLiteral("house"));
    Taste(Qt::Key_Return);
    EXPECT_EQ(form->Abfrage.Richtige, 1);
    Antworten(QStringLiteral("mouse"));
    Taste(Qt::Key_Enter);
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
    Taste(Qt::Key_Return); // accepts the verdict
    EXPECT_EQ(form->Abfrage.Falsche, 1);
}

TEST_F(HauptfensterTest, AnswerWithACharacterOutsideTheCodePageNeverMatches) {
    Starten();
    // A converter that replaced "ł" by "?" would take this answer for right.
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Fragezeichen", "?"}}));
    Antworten(QStringLiteral("ł"));
    Taste(Qt::Key_F10);
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
}

TEST_F(HauptfensterTest, MappedKeyIsReplacedInTheAnswerField) {
    std::string tabelle;
    tabelle += "\xE7\r\n"; // "1" types "ç"
    for (int i = 1; i < 35; ++i) {
        tabelle += "(Nichts)\r\n";
    }
    Schreiben(QStringLiteral("sonderzeichen.ini"), tabelle);
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Junge", "gar\xE7on"}}));
    Antworten(QStringLiteral("gar1on!"));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("garçon!"));
    form->Ersatztexte[15] = "?!"; // a change counts from the next key on
    Antworten(QStringLiteral("!"));
    EXPECT_EQ(Text("Memo2"), QStringLiteral("garçon!?!"));
}

TEST_F(HauptfensterTest, GradingAfterCloseDoesNothing) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}}));
    Taste(Qt::Key_F9);
    Meldung::NaechsteAntwort(QMessageBox::No);
    form->Schlieen1Click();
    ASSERT_FALSE(form->Kartei.Geoeffnet);
    form->RbuttonClick();
    form->FbuttonClick();
    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->Abfrage.Richtige + form->Abfrage.Falsche, 0);
    EXPECT_EQ(form->windowTitle(), kTitel);
    QTRY_VERIFY(Teil<QWidget>("JvPanel1")->isVisible());
}

TEST_F(HauptfensterTest, NewBoxCountsAsUnsavedAndCancelKeepsIt) {
    Starten();
    form->Neu1Click();
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   Neu"));
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Momentan gibt es nichts zu lernen!"));
    Meldung::NaechsteAntwort(QMessageBox::Cancel);
    form->Schlieen1Click();
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kUngesichert});
    EXPECT_TRUE(form->Kartei.Geoeffnet);
    Meldung::NaechsteAntwort(QMessageBox::No);
    form->Schlieen1Click();
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    EXPECT_EQ(form->windowTitle(), kTitel);
}

TEST_F(HauptfensterTest, SavingANewBoxAppendsTheExtensionOnce) {
    Starten();
    form->Neu1Click();
    form->Kartei.Fach[1].Add({"Haus", "house", "", true});
    Dateiwahl::NaechsteAntwort(Pfad(QStringLiteral("vokabeln")));
    form->Speichern1Click();
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("vokabeln.vkd"))));
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   vokabeln.vkd"));
    EXPECT_TRUE(form->Kartei.Gesichert);

    // The next save needs no dialog (none is queued: one would count as cancelled).
    form->Kartei.Fach[1].Add({"Baum", "tree", "", true});
    form->Kartei.Gesichert = false;
    form->Speichern1Click();
    EXPECT_TRUE(form->Kartei.Gesichert);
    TKartei gelesen;
    MersenneZufall zufall(1);
    ASSERT_TRUE(KarteiLesen(gelesen, DateiLesen(Pfad(QStringLiteral("vokabeln.vkd"))), "%d.%m.%Y",
                            DatumAus(2026, 1, 1), zufall));
    EXPECT_EQ(gelesen.Fach[1].Count(), 2);

    // Saving never enters the recent files.
    EXPECT_FALSE(Teil<QAction>("C1")->isVisible());

    Dateiwahl::NaechsteAntwort(Pfad(QStringLiteral("gross.VKD")));
    form->Speichernunter1Click();
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("gross.VKD.vkd"))));
    EXPECT_EQ(form->Kartei.Dateipfad, PfadBytes(Pfad(QStringLiteral("gross.VKD.vkd"))));
}

TEST_F(HauptfensterTest, FailedSavesReportAndForgetTheName) {
    Schreiben(QStringLiteral("keinordner"), "eine Datei, kein Ordner");
    const QString unmoeglich = Pfad(QStringLiteral("keinordner/x.vkd"));
    Starten();
    form->Neu1Click();

    Dateiwahl::NaechsteAntwort(unmoeglich);
    form->Speichern1Click();
    EXPECT_EQ(Meldung::Gezeigt().last(), QStringLiteral("Fehler beim speichern der Datei"));
    EXPECT_EQ(form->Kartei.Dateipfad, "?none?");
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   Neu"));

    Dateiwahl::NaechsteAntwort(unmoeglich);
    form->Speichernunter1Click();
    EXPECT_EQ(Meldung::Gezeigt().last(), QStringLiteral("Fehler beim Speichern der Datei"));
    EXPECT_EQ(form->Kartei.Dateipfad, "?none?");
    EXPECT_TRUE(form->windowTitle().isEmpty());
    EXPECT_FALSE(form->Kartei.Gesichert);
}

TEST_F(HauptfensterTest, YesWithoutASuccessfulSaveNeverDropsChanges) {
    Starten();
    form->Neu1Click();
    form->Kartei.Fach[1].Add({"Haus", "house", "", true});

    // Yes, then the save dialog is cancelled: opening another box must not go on.
    const QString andere = Kartei(QStringLiteral("b.vkd"), {{1, "Baum", "tree"}});
    Meldung::NaechsteAntwort(QMessageBox::Yes);
    Dateiwahl::NaechsteAntwort(std::nullopt);
    Dateiwahl::NaechsteAntwort(andere);
    form->ffnen1Click();
    EXPECT_EQ(form->Kartei.Fach[1].Count(), 1);
    EXPECT_EQ(form->Kartei.Fach[1].Deutsch(0), "Haus");
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   Neu"));
    Dateiwahl::Zuruecksetzen();

    // The same at exit: the window stays and no file of the program is written.
    Meldung::NaechsteAntwort(QMessageBox::Yes);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFile::exists(Pfad(QStringLiteral("history.ini"))));

    // No closes and writes the program's files, but not the box.
    Meldung::NaechsteAntwort(QMessageBox::No);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("history.ini"))));
}

TEST_F(HauptfensterTest, CancelledOpenDialogLeavesNoBoxOpen) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}}));
    Dateiwahl::NaechsteAntwort(std::nullopt);
    form->ffnen1Click();
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    EXPECT_EQ(form->windowTitle(), kTitel);

    Oeffnen(Pfad(QStringLiteral("gibtsnicht.vkd")));
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kLadefehler});
    EXPECT_EQ(form->Historie.Get(0), PfadBytes(Pfad(QStringLiteral("a.vkd"))));
    EXPECT_EQ(form->Historie.Get(1), "none");
}

TEST_F(HauptfensterTest, RecentFilesKeepTheLastFourAndReopen) {
    Starten();
    QStringList pfade;
    for (int i = 1; i <= 5; ++i) {
        pfade << Kartei(QStringLiteral("k%1.vkd").arg(i), {{1, "Haus", "house"}});
        Oeffnen(pfade.last());
    }
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(form->Historie.Get(slot), PfadBytes(pfade[4 - slot]));
        const QByteArray name = "C" + QByteArray::number(slot + 1);
        auto* eintrag = Teil<QAction>(name.constData());
        EXPECT_TRUE(eintrag->isVisible());
        EXPECT_TRUE(eintrag->text().endsWith(QStringLiteral(".../k%1.vkd").arg(5 - slot)));
    }
    EXPECT_TRUE(Teil<QAction>("oben")->isVisible());
    EXPECT_TRUE(Teil<QAction>("unten")->isVisible());

    Teil<QAction>("C3")->trigger();
    EXPECT_EQ(form->windowTitle(), kTitel + QStringLiteral("   -   k3.vkd"));
    EXPECT_EQ(form->Historie.Get(0), PfadBytes(pfade[2]));
    EXPECT_EQ(form->Historie.Get(1), PfadBytes(pfade[4]));
    EXPECT_EQ(form->Historie.Get(3), PfadBytes(pfade[1]));

    // A vanished file keeps its slot; the box that was open is closed all the same.
    QFile::remove(pfade[1]);
    Teil<QAction>("C4")->trigger();
    EXPECT_EQ(Meldung::Gezeigt().last(), kLadefehler);
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    EXPECT_EQ(form->Historie.Get(3), PfadBytes(pfade[1]));

    Teil<QAction>("oben")->trigger();
    EXPECT_EQ(Meldung::Gezeigt().last(),
              QStringLiteral("Ein Klick auf eine Trennlinie löst keinerlei Aktion aus"));
}

TEST_F(HauptfensterTest, ClockAndStudyTimeReminder) {
    Starten();
    form->Einstellungen.Timer = 7;
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}}));
    for (int s = 0; s < 7 * 60 - 1; ++s) {
        form->Timer1Timer();
    }
    EXPECT_EQ(Beschriftung("Label8"), QStringLiteral("06:59"));
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());
    form->Timer1Timer();
    EXPECT_EQ(Beschriftung("Label8"), QStringLiteral("07:00"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{QStringLiteral("Sie lernen schon ziemlich lange...")});
    for (int s = 0; s < 60; ++s) {
        form->Timer1Timer();
    }
    EXPECT_EQ(Meldung::Gezeigt().size(), 1);

    // Opening a box arms it again; with 0 it never comes.
    form->Einstellungen.Timer = 0;
    Oeffnen(Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}}));
    EXPECT_EQ(Beschriftung("Label8"), QStringLiteral("00:00"));
    for (int s = 0; s < 60 * 60; ++s) {
        form->Timer1Timer();
    }
    EXPECT_EQ(Meldung::Gezeigt().size(), 1);
}

TEST_F(HauptfensterTest, FailedWriteOfAProgramFileIsReportedAndTheRestIsWritten) {
    Starten();
    QFile::remove(Pfad(QStringLiteral("sonderzeichen.ini")));
    ASSERT_TRUE(QDir(verzeichnis.path()).mkdir(QStringLiteral("sonderzeichen.ini")));
    EXPECT_TRUE(form->close());
    ASSERT_EQ(Meldung::Gezeigt().size(), 1);
    EXPECT_TRUE(Meldung::Gezeigt().first().contains(QStringLiteral("sonderzeichen.ini")));
    EXPECT_TRUE(
        Meldung::Gezeigt().first().endsWith(QStringLiteral("konnte nicht geschrieben werden.")));
    EXPECT_TRUE(QFile::exists(Pfad(QStringLiteral("history.ini"))));
}

} // namespace
} // namespace lexidor::test
