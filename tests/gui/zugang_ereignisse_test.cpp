// What a screen reader is sent while the query runs: the level bar's new level, the card, the
// solution and the verdict. Run inside an AT-SPI session, where Qt's bridge is active; the
// recorder takes the events before the bridge would.
#include "hauptfenster_hilfen.h"

#include <QAccessible>
#include <QPlainTextEdit>

namespace lexidor::test {
namespace {

struct Ereignis {
    QAccessible::Event art;
    QObject* objekt;
    QString text; // the name, description or value the event announces
};

std::vector<Ereignis>& Aufgezeichnet() {
    static std::vector<Ereignis> ereignisse;
    return ereignisse;
}

void Aufzeichnen(QAccessibleEvent* ereignis) {
    QAccessibleInterface* zugang = ereignis->accessibleInterface();
    QString text;
    switch (ereignis->type()) {
    case QAccessible::NameChanged:
        text = zugang->text(QAccessible::Name);
        break;
    case QAccessible::DescriptionChanged:
        text = zugang->text(QAccessible::Description);
        break;
    case QAccessible::ValueChanged:
        text = static_cast<QAccessibleValueChangeEvent*>(ereignis)->value().toString();
        break;
    default:
        break;
    }
    Aufgezeichnet().push_back({ereignis->type(), ereignis->object(), text});
}

class ZugangEreignisseTest : public HauptfensterTest {
protected:
    void SetUp() override {
        HauptfensterTest::SetUp();
        // The bridge turns itself on once it has found the AT-SPI bus.
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            << "no AT-SPI session";
        QAccessible::installUpdateHandler(&Aufzeichnen);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        Aufgezeichnet().clear();
        HauptfensterTest::TearDown();
    }
    // The texts of the events of one kind for one object, in order.
    static QStringList Texte(QAccessible::Event art, QObject* objekt) {
        QStringList texte;
        for (const Ereignis& e : Aufgezeichnet()) {
            if (e.art == art && e.objekt == objekt) {
                texte << e.text;
            }
        }
        return texte;
    }
};

TEST_F(ZugangEreignisseTest, TheLevelBarAnnouncesEachNewLevel) {
    Starten();
    QWidget* balken = Teil<QWidget>("PaintBox1");
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{3, "Baum", "tree"}}));
    Antworten(QStringLiteral("Raum"));
    Taste(Qt::Key_F10);
    Taste(Qt::Key_F10);
    Taste(Qt::Key_F9);
    Taste(Qt::Key_R);
    // Set to 3 for the card and run back to 1; the same card, now in compartment 1, changes
    // nothing; the right answer runs to 2, and with nothing left to ask the bar is emptied.
    EXPECT_EQ(Texte(QAccessible::ValueChanged, balken),
              (QStringList{QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("2"),
                           QStringLiteral("0")}));
    EXPECT_EQ(Texte(QAccessible::NameChanged, balken),
              (QStringList{QStringLiteral("Stufe 3"), QStringLiteral("Stufe 1"),
                           QStringLiteral("Stufe 2"), QStringLiteral("Keine Stufe")}));
}

TEST_F(ZugangEreignisseTest, CardsSolutionsAndVerdictsAreAnnouncedWhereTheFocusIs) {
    Starten();
    auto* eingabe = Teil<QPlainTextEdit>("Memo2");
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{3, "Baum", "tree"}, {1, "Haus", "house"}}));
    Antworten(QStringLiteral("Raum"));
    Taste(Qt::Key_F10);
    Taste(Qt::Key_F10);
    Taste(Qt::Key_F9);
    EXPECT_EQ(Texte(QAccessible::DescriptionChanged, eingabe),
              (QStringList{QStringLiteral("Stufe 3, Gefragte Vokabel: Baum"),
                           QStringLiteral("Falsch! Richtig wäre gewesen... tree"),
                           QStringLiteral("Stufe 1, Gefragte Vokabel: Haus"),
                           QStringLiteral("Lösung: house")}));
    // The verdict's labels appear as well.
    EXPECT_EQ(Texte(QAccessible::ObjectShow, Teil<QWidget>("Label6")).size(), 1);
}

} // namespace
} // namespace lexidor::test
