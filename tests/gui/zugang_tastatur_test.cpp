// The program from the keyboard alone: a whole query, the add dialog, the list and the
// settings, reached through the menus' access keys, with what a screen reader would read out
// at each step.
#include "browserfalle.h"
#include "hauptfenster_hilfen.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>

namespace lexidor::test {
namespace {

QString Name(QObject* objekt) {
    return QAccessible::queryAccessibleInterface(objekt)->text(QAccessible::Name);
}

// What the control with the focus says: its name and the announcement it carries.
QString Fokus() {
    QWidget* w = QApplication::focusWidget();
    return w ? Name(w) + QStringLiteral(" | ") + w->accessibleDescription() : QStringLiteral("-");
}

void Druecken(Qt::Key taste, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), taste, tasten);
}

// An access key of the menu bar, then the letter of an item in the menu it opened.
void Menue(Qt::Key titel, QChar eintrag) {
    Druecken(titel, Qt::AltModifier);
    QWidget* menue = QApplication::activePopupWidget();
    ASSERT_NE(qobject_cast<QMenu*>(menue), nullptr);
    // Qt's key codes of letters are their capitals, umlauts included.
    QTest::sendKeyEvent(QTest::Click, menue, Qt::Key(eintrag.toUpper().unicode()), QString(eintrag),
                        Qt::NoModifier);
}

class ZugangTastaturTest : public HauptfensterTest {
protected:
    // Opens the box by Ctrl+O, the file dialog answered.
    void MitKartei(const std::vector<Karte>& karten) {
        Starten();
        Dateiwahl::NaechsteAntwort(Kartei(QStringLiteral("k.vkd"), karten));
        Druecken(Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(form->Kartei.Geoeffnet);
    }
    void Eintippen(const QString& text) { Tippen(QApplication::focusWidget(), text); }
};

TEST_F(ZugangTastaturTest, AWholeQueryIsAnsweredReadAndAnnouncedFromTheKeys) {
    MitKartei({{4, "Haus", "house"}, {1, "Baum", "tree"}});
    EXPECT_EQ(Fokus(), QStringLiteral("Eingabe | Stufe 4, Gefragte Vokabel: Haus"));

    Eintippen(QStringLiteral("Maus"));
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), QStringLiteral("Eingabe | Falsch! Richtig wäre gewesen... house"));
    // The read-only fields lie on either side of the input field, and nothing typed there
    // changes them.
    Druecken(Qt::Key_Tab);
    EXPECT_EQ(Name(QApplication::focusWidget()), QStringLiteral("Lösung"));
    Druecken(Qt::Key_Backtab);
    Druecken(Qt::Key_Backtab);
    EXPECT_EQ(Name(QApplication::focusWidget()), QStringLiteral("Gefragte Vokabel"));
    Eintippen(QStringLiteral("x"));
    Druecken(Qt::Key_End);
    EXPECT_EQ(Text("Memo1"), QStringLiteral("Haus"));

    // "Weiter (F10)" from the question field: the next card brings the focus back.
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), QStringLiteral("Eingabe | Stufe 1, Gefragte Vokabel: Baum"));

    // A self-check from the question field: the solution is read out where the user is, and
    // R grades there as well.
    Druecken(Qt::Key_Backtab);
    Druecken(Qt::Key_F9);
    EXPECT_EQ(Fokus(), QStringLiteral("Gefragte Vokabel | Lösung: tree"));
    Druecken(Qt::Key_R);
    // The question field gave its announcement back when the next one came.
    EXPECT_EQ(Teil<QPlainTextEdit>("Memo1")->accessibleDescription(), QString());
    EXPECT_EQ(Fokus(), QStringLiteral("Eingabe | Stufe 1, Gefragte Vokabel: Haus"));

    Eintippen(QStringLiteral("house"));
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), QStringLiteral("Eingabe | Momentan gibt es nichts zu lernen!"));
    // F8 reads the statistics out where the user is.
    Druecken(Qt::Key_F8);
    const QString statistik = Fokus();
    EXPECT_TRUE(statistik.startsWith(QStringLiteral("Eingabe | ")) &&
                statistik.contains(QStringLiteral("Bereits abgefragte Vokabeln: 3, Davon richtig "
                                                  "beantwortet: 2, Davon falsch beantwortet: 1,")))
        << statistik.toStdString();
}

// Tab reaches the query direction at its chosen button on the way to the sliders.
TEST_F(ZugangTastaturTest, SettingsAreChangedAndConfirmedByKeys) {
    Starten();
    form->Einstellungen.Abfragerichtung = 1;
    const int fach2 = form->Einstellungen.Fach2;
    QStringList erreicht;
    ModalBedienen([&](QWidget*) {
        erreicht << Name(QApplication::focusWidget());
        for (int i = 0; i < 10 && erreicht.last() != QStringLiteral("2. Fach"); ++i) {
            Druecken(Qt::Key_Tab);
            erreicht << Name(QApplication::focusWidget());
        }
        Druecken(Qt::Key_Right);
        Druecken(Qt::Key_Right);
        erreicht << QApplication::focusWidget()->accessibleDescription();
        Druecken(Qt::Key_Return);
    });
    Menue(Qt::Key_O, u'e');
    EXPECT_EQ(erreicht.first(), QStringLiteral("Automatik-Speichern"));
    EXPECT_TRUE(erreicht.contains(QStringLiteral("Fremd -> Deutsch")));
    EXPECT_FALSE(erreicht.contains(QStringLiteral("Deutsch -> Fremd")));
    EXPECT_EQ(erreicht.last(), QStringLiteral("%1 Tage").arg(fach2 + 2));
    EXPECT_EQ(form->Einstellungen.Fach2, fach2 + 2);
}

} // namespace
} // namespace lexidor::test
