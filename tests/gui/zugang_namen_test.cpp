// Every window as a screen reader meets it: a name for each control the keyboard reaches, the
// query fields, values read with their captions, the level bar's level and the menus' keys.
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
QString Beschreibung(QObject* objekt) {
    return Zugang(objekt)->text(QAccessible::Description);
}

using ZugangNamenTest = HauptfensterTest;

TEST_F(ZugangNamenTest, EveryControlTheKeyboardReachesInEveryWindowHasAName) {
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
}

// A value keeps its own text as its name and is described and labelled by its caption.
TEST_F(ZugangNamenTest, StatisticsAreReadWithTheirCaptions) {
    MitKartei({{3, "Baum", "tree"}});
    QLabel* zahl = Teil<QLabel>("Label17");
    EXPECT_EQ(Name(zahl), zahl->text());
    EXPECT_EQ(Beschreibung(zahl), QStringLiteral("Richtig beantwortet"));
    const auto beschriftet = Zugang(zahl)->relations(QAccessible::Label);
    EXPECT_TRUE(std::any_of(beschriftet.begin(), beschriftet.end(), [](const auto& r) {
        return r.first->text(QAccessible::Name) == QStringLiteral("Richtig beantwortet:");
    }));
    EXPECT_EQ(Name(Teil<QProgressBar>("Prozentsatz")), QStringLiteral("Richtig beantwortet"));
    EXPECT_EQ(Name(Teil<QWidget>("SpeedButton4")), QStringLiteral("Vokabelkartei öffnen"));
}

TEST_F(ZugangNamenTest, TheLevelBarReportsItsLevelAsNameAndValue) {
    Starten();
    QAccessibleInterface* balken = Zugang(Teil<QWidget>("PaintBox1"));
    EXPECT_EQ(balken->text(QAccessible::Name), QStringLiteral("Keine Stufe"));
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{3, "Baum", "tree"}}));
    EXPECT_EQ(balken->text(QAccessible::Name), QStringLiteral("Stufe 3"));
    ASSERT_NE(balken->valueInterface(), nullptr);
    EXPECT_EQ(balken->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(balken->valueInterface()->maximumValue().toInt(), 6);
    // A right answer moves the card on to compartment 4, which is then empty: nothing is left.
    Antworten(QStringLiteral("tree"));
    Taste(Qt::Key_F10);
    EXPECT_EQ(balken->text(QAccessible::Name), QStringLiteral("Keine Stufe"));
    EXPECT_EQ(balken->valueInterface()->currentValue().toInt(), 0);
}

// Every menu and every item in it has one access key, none twice in the same menu; the query's
// keys take none.
TEST_F(ZugangNamenTest, MenusGetAccessKeysEachOnceInItsMenu) {
    Starten();
    const auto taste = [](QString text) { return text.remove(QStringLiteral("&&")).count(u'&'); };
    QString leiste;
    for (const QAction* menue : form->menuBar()->actions()) {
        if (menue->menu()->objectName() == QStringLiteral("komb1")) {
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
}

} // namespace
} // namespace lexidor::test
