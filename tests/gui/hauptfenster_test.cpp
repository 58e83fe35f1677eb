// The main window driven as a user drives it: start-up and exit files, a query by keys,
// the file commands with their questions, the recent files and the clock.
#include "hauptfenster_hilfen.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace lexidor::test {
namespace {

const QString kTitel = u"Karvello Lexidor 1.1"_s;
const QString kSonderzeichenFehler = u"Fehler beim Laden der Sonderzeichen"_s;

TEST_F(HauptfensterTest, StartUpFilesMissingOrDamagedAreNamedAndWrittenAtExit) {
    QFile::remove(Pfad(u"lexidor.ini"_s));
    QFile::remove(Pfad(u"sonderzeichen.ini"_s));
    Starten();
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kSonderzeichenFehler});
    EXPECT_EQ(form->windowTitle(), kTitel);
    EXPECT_TRUE(Teil<QWidget>("JvPanel1")->isVisible());
    EXPECT_FALSE(Teil<QAction>("C1")->isVisible());
    EXPECT_TRUE(Beschriftung("Uhrfeld").contains(u':')); // the status bar shows the time
    ASSERT_TRUE(form->close());

    EXPECT_EQ(Lesen(u"sonderzeichen.ini"_s), ErsatztexteSpeichern(ErsatztexteLeer()));
    EXPECT_EQ(Lesen(u"history.ini"_s), "none\r\nnone\r\nnone\r\nnone\r\n");
    EXPECT_NE(Lesen(u"lexidor.ini"_s).find("Abfragerichtung=1"), std::string::npos);

    // The settings message comes before the substitution message.
    Schreiben(u"lexidor.ini"_s, "[Sonstiges]\r\nHintergrundfarbe=lila\r\n");
    Schreiben(u"sonderzeichen.ini"_s, "a\r\nb\r\n");
    Meldung::Gezeigt().clear();
    Starten();
    EXPECT_EQ(Meldung::Gezeigt(),
              (QStringList{u"Fehler beim Laden der Einstellungen"_s, kSonderzeichenFehler}));
    EXPECT_EQ(form->Ersatztexte[1], "b");
}

TEST_F(HauptfensterTest, CommandLineBoxOpensShortlyAfterStartOrLeavesTheStartPanel) {
    const QString pfad = Kartei(u"a.vkd"_s, {{1, "Haus", "house"}});
    Starten({pfad, u"zweites-wird-nicht-beachtet.vkd"_s});
    ASSERT_TRUE(Bis([&] { return form->Kartei.Geoeffnet; }));
    EXPECT_EQ(form->windowTitle(), kTitel + u"   -   a.vkd"_s);
    EXPECT_EQ(Text("Memo1"), u"Haus"_s);
    EXPECT_TRUE(Bis([&] { return !Teil<QWidget>("JvPanel1")->isVisible(); }));
    EXPECT_EQ(Teil<QAction>("C1")->text(), pfad.left(3) + u".../a.vkd"_s);
    ASSERT_TRUE(form->close());

    Starten({Pfad(u"gibtsnicht.vkd"_s)});
    EXPECT_TRUE(Bis([] { return !Meldung::Gezeigt().isEmpty(); }));
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Datei ist fehlerhaft oder nicht vorhanden!"_s});
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    EXPECT_TRUE(Teil<QWidget>("JvPanel1")->isVisible());

    // A big box keeps the event loop busy while it is read: the window is shown and drawn
    // first. A window the window system never shows keeps the box from being read for a while.
    form = std::make_unique<TForm1>(QStringList{pfad});
    form->winId(); // the window exists, but is not shown
    form->Timer2Timer();
    EXPECT_FALSE(form->Kartei.Geoeffnet);
    form->show();
    ASSERT_TRUE(Bis([&] { return form->Kartei.Geoeffnet; }));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(form->close());

    form = std::make_unique<TForm1>(QStringList{pfad});
    form->winId();
    for (int runde = 0; runde < 100 && !form->Kartei.Geoeffnet; ++runde) {
        form->Timer2Timer();
    }
    EXPECT_TRUE(form->Kartei.Geoeffnet);
}

// Which buttons work and what they read in each answer state is core's; here the window
// shows the state it is told and the keys reach the right handler.
TEST_F(HauptfensterTest, F9RAndFThenARejectionOverruledAndOneAccepted) {
    MitKartei(
        {{2, "Haus", "house"}, {2, "Haus", "house"}, {3, "Baum", "tree"}, {3, "Baum", "tree"}});
    Antworten(u"fr"_s); // before the reveal F and R are letters of the answer
    EXPECT_EQ(Text("Memo2"), u"fr"_s);
    Taste(Qt::Key_F9);
    EXPECT_TRUE(Teil<QPlainTextEdit>("Memo2")->isReadOnly());
    EXPECT_FALSE(Teil<QPushButton>("Button1")->isEnabled());
    Taste(Qt::Key_F10); // does nothing in a self-check
    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->Kartei.Fach[4].Count(), 1);
    EXPECT_EQ(Beschriftung("lab4"), u"Im 4. Fach:  1"_s);
    EXPECT_FALSE(Teil<QPlainTextEdit>("Memo2")->isReadOnly());

    Antworten(u"falsch"_s);
    Taste(Qt::Key_F10);
    ASSERT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
    EXPECT_TRUE(Teil<QLabel>("Label7")->isVisible());
    EXPECT_EQ(Teil<QPushButton>("Rbutton")->text(), u"Doch richtig (R)"_s);
    EXPECT_EQ(Teil<QPlainTextEdit>("Memo2")->palette().color(QPalette::Text), QColor(255, 0, 0));
    QTest::keyClick(form.get(), Qt::Key_F); // F does not accept a rejection
    QTest::keyClick(form.get(), Qt::Key_R);
    EXPECT_EQ(form->Kartei.Fach[4].Count(), 2);
    EXPECT_FALSE(Teil<QLabel>("Label7")->isVisible());

    Antworten(u"hose"_s);
    Taste(Qt::Key_F10);
    Teil<QPushButton>("Button2")->click(); // accepts the verdict
    EXPECT_EQ(form->Kartei.Fach[1].Count(), 1);
    EXPECT_EQ(Beschriftung("Label17"), u"66%"_s);
    EXPECT_EQ(Beschriftung("gesamt"), u"Gesamt:  4"_s);
}

TEST_F(HauptfensterTest, AnswerFieldLinesMeetTheCardsLineBreaks) {
    MitKartei({{1, "erste¾¼zweite", "to go¾¼went"}});
    EXPECT_EQ(Text("Memo1"), u"erste\nzweite"_s);
    Antworten(u"  TO GO"_s);
    Taste(Qt::Key_Return); // without Enterab, Enter is a line break of the answer
    Antworten(u"went "_s);
    Taste(Qt::Key_F10);
    EXPECT_EQ(form->Kartei.Fach[2].Count(), 1);
    // Nothing is left to learn now; F9 and F10 do nothing and nobody is told.
    Taste(Qt::Key_F9);
    Taste(Qt::Key_F10);
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());
    EXPECT_EQ(form->Abfrage.Richtige + form->Abfrage.Falsche, 1);
}

TEST_F(HauptfensterTest, EnterChecksTheAnswerOnlyWithEnterab) {
    Schreiben(u"lexidor.ini"_s, "[Optionen]\r\nAbfragerichtung=0\r\n[Sonstiges]\r\nEnterab=1\r\n");
    Starten();
    // A converter that replaced "ł" by "?" would take the second answer for right.
    Oeffnen(Kartei(u"a.vkd"_s, {{2, "Haus", "house"}, {2, "Frage", "?"}}));
    const bool hausZuerst = Text("Memo1") == u"Haus"_s;
    Antworten(hausZuerst ? u"house"_s : u"?"_s);
    Taste(Qt::Key_Return);
    EXPECT_EQ(form->Abfrage.Richtige, 1);
    Antworten(hausZuerst ? u"ł"_s : u"mouse"_s);
    Taste(Qt::Key_Enter);
    EXPECT_EQ(form->Abfrage.Zustand, TZustand::Abgelehnt);
    Taste(Qt::Key_Return); // accepts the verdict
    EXPECT_EQ(form->Abfrage.Falsche, 1);
}

// What each file command does is core's; here each menu handler reaches its command.
TEST_F(HauptfensterTest, FileCommandsAndRecentFilesAreReachedFromTheMenu) {
    Starten();
    form->Neu1Click();
    EXPECT_EQ(form->windowTitle(), kTitel + u"   -   Neu"_s);
    Meldung::NaechsteAntwort(QMessageBox::Cancel);
    form->Schlieen1Click();
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Wollen sie die Änderungen Speichern?"_s});
    EXPECT_TRUE(form->Kartei.Geoeffnet);
    form->Kartei.Fach[1].Add({"Haus", "house", "", true});
    Dateiwahl::NaechsteAntwort(Pfad(u"vokabeln"_s));
    form->Speichernunter1Click();
    EXPECT_NE(Lesen(u"vokabeln.vkd"_s).find("Haus\r\nhouse\r\n"), std::string::npos);
    EXPECT_EQ(form->windowTitle(), kTitel + u"   -   vokabeln.vkd"_s);

    // Which files the menu lists is core's; here it shows them, "&" as itself, and opens them.
    Oeffnen(Kartei(u"b&c.vkd"_s, {{1, "Baum", "tree"}}));
    Oeffnen(Kartei(u"a.vkd"_s, {{1, "Haus", "house"}}));
    EXPECT_TRUE(Teil<QAction>("C2")->text().endsWith(u".../b&&c.vkd"_s));
    EXPECT_FALSE(Teil<QAction>("C4")->isVisible());
    Teil<QAction>("C2")->trigger();
    EXPECT_EQ(form->windowTitle(), kTitel + u"   -   b&c.vkd"_s);
    Meldung::Gezeigt().clear();
    Teil<QAction>("oben")->trigger();
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Ein Klick auf eine Trennlinie löst keinerlei Aktion aus"_s});
}

} // namespace
} // namespace lexidor::test
