// Every window as a screen reader meets it: a name for each control the keyboard reaches,
// values read with their captions, the level bar's level and the menus' keys; and the program
// from the keyboard alone, with what a screen reader would read out at each step.
#include "hauptfenster_hilfen.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSet>
#include <algorithm>

namespace lexidor::test {
namespace {

QAccessibleInterface* Zugang(QObject* objekt) {
    return QAccessible::queryAccessibleInterface(objekt);
}
QString Name(QObject* objekt) {
    return Zugang(objekt)->text(QAccessible::Name);
}

using ZugangNamenTest = HauptfensterTest;

TEST_F(ZugangNamenTest, EveryControlHasANameEveryMenuItemAKeyAndValuesTheirCaptions) {
    Starten();
    int geprueft = 0;
    QStringList ohneNamen;
    for (QWidget* w : QApplication::allWidgets()) {
        // The colour dialog is Qt's own, named by Qt.
        if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QColorDialog*>(w->window())) {
            continue;
        }
        ++geprueft;
        if (Name(w).isEmpty()) {
            ohneNamen << w->window()->objectName() + u'/' + w->objectName() + u' ' +
                             QString::fromLatin1(w->metaObject()->className());
        }
    }
    // The main window, the settings, the add, edit, list, mapping and picker dialogs.
    EXPECT_GT(geprueft, 50);
    EXPECT_EQ(ohneNamen, QStringList());

    // Every menu and every item in it has one access key, none twice in the same menu; the
    // query's keys take none.
    const auto taste = [](QString text) { return text.remove(u"&&"_s).count(u'&'); };
    QString leiste;
    for (const QAction* menue : form->menuBar()->actions()) {
        if (menue->menu()->objectName() == u"komb1"_s) {
            EXPECT_EQ(taste(menue->text()), 0);
            continue;
        }
        EXPECT_EQ(taste(menue->text()), 1) << menue->text().toStdString();
        leiste += menue->text().at(menue->text().indexOf(u'&') + 1).toLower();
        QString tasten;
        for (const QAction* a : menue->menu()->actions()) {
            if (a->isVisible() && !a->isSeparator() && !a->text().startsWith(u'-')) {
                EXPECT_EQ(taste(a->text()), 1) << a->text().toStdString();
                tasten += a->text().at(a->text().indexOf(u'&') + 1).toLower();
            }
        }
        EXPECT_EQ(QSet<QChar>(tasten.begin(), tasten.end()).size(), tasten.size())
            << tasten.toStdString();
    }
    EXPECT_EQ(QSet<QChar>(leiste.begin(), leiste.end()).size(), 4) << leiste.toStdString();

    // A value keeps its own text as its name and is described and labelled by its caption; the
    // level bar reports the card's level as name and value.
    QAccessibleInterface* balken = Zugang(Teil<QWidget>("PaintBox1"));
    EXPECT_EQ(balken->text(QAccessible::Name), u"Keine Stufe"_s);
    Oeffnen(Kartei(u"k.vkd"_s, {{3, "Baum", "tree"}}));
    QLabel* zahl = Teil<QLabel>("Label17");
    EXPECT_EQ(Name(zahl), zahl->text());
    EXPECT_EQ(Zugang(zahl)->text(QAccessible::Description), u"Richtig beantwortet"_s);
    const auto beschriftet = Zugang(zahl)->relations(QAccessible::Label);
    EXPECT_TRUE(std::any_of(beschriftet.begin(), beschriftet.end(), [](const auto& r) {
        return r.first->text(QAccessible::Name) == u"Richtig beantwortet:"_s;
    }));
    EXPECT_EQ(Name(Teil<QProgressBar>("Prozentsatz")), u"Richtig beantwortet"_s);
    EXPECT_EQ(Name(Teil<QWidget>("SpeedButton4")), u"Vokabelkartei öffnen"_s);
    EXPECT_EQ(balken->text(QAccessible::Name), u"Stufe 3"_s);
    ASSERT_NE(balken->valueInterface(), nullptr);
    EXPECT_EQ(balken->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(balken->valueInterface()->maximumValue().toInt(), 6);
    // A right answer moves the card on to compartment 4, which is then empty: nothing is left.
    Antworten(u"tree"_s);
    Taste(Qt::Key_F10);
    EXPECT_EQ(balken->text(QAccessible::Name), u"Keine Stufe"_s);
    EXPECT_EQ(balken->valueInterface()->currentValue().toInt(), 0);
}

// What the control with the focus says: its name and the announcement it carries.
QString Fokus() {
    QWidget* w = QApplication::focusWidget();
    return w ? Name(w) + u" | "_s + w->accessibleDescription() : u"-"_s;
}

void Druecken(Qt::Key taste, Qt::KeyboardModifiers tasten = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), taste, tasten);
}

void Eintippen(const QString& text) {
    Tippen(QApplication::focusWidget(), text);
}

// A whole query answered and read out from the keys, the box opened by Ctrl+O; then the
// settings, where Tab reaches the query direction at its chosen button on the way to the
// sliders.
TEST_F(ZugangNamenTest, AQueryAndTheSettingsAreUsedAndAnnouncedFromTheKeys) {
    Starten();
    Dateiwahl::NaechsteAntwort(Kartei(u"k.vkd"_s, {{4, "Haus", "house"}, {1, "Baum", "tree"}}));
    Druecken(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(form->Kartei.Geoeffnet);
    EXPECT_EQ(Fokus(), u"Eingabe | Stufe 4, Gefragte Vokabel: Haus"_s);

    Eintippen(u"Maus"_s);
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), u"Eingabe | Falsch! Richtig wäre gewesen... house"_s);
    // The read-only fields lie on either side of the input field, and nothing typed there
    // changes them.
    Druecken(Qt::Key_Tab);
    EXPECT_EQ(Name(QApplication::focusWidget()), u"Lösung"_s);
    Druecken(Qt::Key_Backtab);
    Druecken(Qt::Key_Backtab);
    EXPECT_EQ(Name(QApplication::focusWidget()), u"Gefragte Vokabel"_s);
    Eintippen(u"x"_s);
    Druecken(Qt::Key_End);
    EXPECT_EQ(Text("Memo1"), u"Haus"_s);

    // "Weiter (F10)" from the question field: the next card brings the focus back.
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), u"Eingabe | Stufe 1, Gefragte Vokabel: Baum"_s);

    // A self-check from the question field: the solution is read out where the user is, and
    // R grades there as well.
    Druecken(Qt::Key_Backtab);
    Druecken(Qt::Key_F9);
    EXPECT_EQ(Fokus(), u"Gefragte Vokabel | Lösung: tree"_s);
    Druecken(Qt::Key_R);
    // The question field gave its announcement back when the next one came.
    EXPECT_EQ(Teil<QPlainTextEdit>("Memo1")->accessibleDescription(), QString());
    EXPECT_EQ(Fokus(), u"Eingabe | Stufe 1, Gefragte Vokabel: Haus"_s);

    Eintippen(u"house"_s);
    Druecken(Qt::Key_F10);
    EXPECT_EQ(Fokus(), u"Eingabe | Momentan gibt es nichts zu lernen!"_s);
    // F8 reads the statistics out where the user is.
    Druecken(Qt::Key_F8);
    const QString statistik = Fokus();
    EXPECT_TRUE(statistik.startsWith(u"Eingabe | "_s) &&
                statistik.contains(u"Bereits abgefragte Vokabeln: 3, Davon richtig "
                                   "beantwortet: 2, Davon falsch beantwortet: 1,"_s))
        << statistik.toStdString();

    form->Einstellungen.Abfragerichtung = 1;
    const int fach2 = form->Einstellungen.Fach2;
    QStringList erreicht;
    ModalBedienen([&](QWidget*) {
        erreicht << Name(QApplication::focusWidget());
        for (int i = 0; i < 10 && erreicht.last() != u"2. Fach"_s; ++i) {
            Druecken(Qt::Key_Tab);
            erreicht << Name(QApplication::focusWidget());
        }
        Druecken(Qt::Key_Right);
        Druecken(Qt::Key_Right);
        erreicht << QApplication::focusWidget()->accessibleDescription();
        Druecken(Qt::Key_Return);
    });
    // The access key of the menu bar, then the letter of the item in the menu it opened.
    Druecken(Qt::Key_O, Qt::AltModifier);
    ASSERT_NE(qobject_cast<QMenu*>(QApplication::activePopupWidget()), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E);
    EXPECT_EQ(erreicht.first(), u"Automatik-Speichern"_s);
    EXPECT_TRUE(erreicht.contains(u"Fremd -> Deutsch"_s));
    EXPECT_FALSE(erreicht.contains(u"Deutsch -> Fremd"_s));
    EXPECT_EQ(erreicht.last(), u"%1 Tage"_s.arg(fach2 + 2));
    EXPECT_EQ(form->Einstellungen.Fach2, fach2 + 2);
}

} // namespace
} // namespace lexidor::test
