// The learning-progress and print windows on an open box: the history recorded and shown (the
// window reads it from the file), a damaged one named, and the print preview's pages. How the
// history is read and written is core's.
#include "hauptfenster_hilfen.h"
#include "lernverlauf.h"

#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTableWidget>

namespace lexidor::test {
namespace {

class VerlaufDruckTest : public HauptfensterTest {
protected:
    void MitKartei() {
        HauptfensterTest::MitKartei(
            {{1, "Haus", "house"}, {1, "Baum", "tree"}, {3, "Katze", "cat"}, {6, "Hund", "dog"}});
    }
    QString Verlaufsdatei() { return VerlaufDatei(PfadBytes(Pfad(QStringLiteral("k.vkd")))); }
    static QString Inhalt(QWidget* fenster, const char* name) {
        return Kind<QLabel>(fenster, name)->text();
    }
};

TEST_F(VerlaufDruckTest, AnswersAndSavesAreRecordedAndShownInTheProgressWindow) {
    MitKartei();
    Taste(Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_R);
    form->Speichern1Click();
    QString zusammenfassung;
    QStringList heute;
    ModalBedienen([&](QWidget* fenster) {
        zusammenfassung = Inhalt(fenster, "Zusammenfassung");
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
    EXPECT_EQ(zusammenfassung,
              QStringLiteral("Heute fällig: 2 Karten    Tage in Folge gelernt: 1"));
    ASSERT_EQ(heute.size(), 9);
    EXPECT_EQ(heute.mid(1).join(u' '), QStringLiteral("1 0 2 0 0 1 0 1"));
}

TEST_F(VerlaufDruckTest, ADamagedHistoryIsNamedInTheProgressWindow) {
    MitKartei();
    DatenverzeichnisAnlegen(QFileInfo(Verlaufsdatei()).absolutePath());
    ASSERT_TRUE(DateiSchreiben(Verlaufsdatei(), "Lexidor-Lernverlauf 1\n\x01kaputt\n"));
    QString hinweis;
    ModalBedienen([&](QWidget* fenster) {
        hinweis = Inhalt(fenster, "Hinweis");
        fenster->close();
    });
    Teil<QAction>("Lernverlauf1")->trigger();
    EXPECT_TRUE(hinweis.startsWith(
        QStringLiteral("Der Lernverlauf dieser Kartei ist beschädigt: 1 Zeile wurde übergangen")))
        << hinweis.toStdString();
}

TEST_F(VerlaufDruckTest, CtrlPShowsTheFirstPageOfTheListAndOfATestSheet) {
    MitKartei();
    QStringList seiten;
    ModalBedienen([&](QWidget* fenster) {
        seiten.append(Inhalt(fenster, "Seitenzahl"));
        EXPECT_FALSE(Kind<QLabel>(fenster, "Seitenbild")->pixmap().isNull());
        auto* art = Kind<QComboBox>(fenster, "Art");
        art->setCurrentIndex(1);
        EXPECT_EQ(Kind<QComboBox>(fenster, "Auswahl")->currentText(),
                  QStringLiteral("Heute fällige"));
        seiten.append(Inhalt(fenster, "Seitenzahl"));
        fenster->close();
    });
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(seiten, (QStringList{QStringLiteral("von 1"), QStringLiteral("von 1")}));
}

} // namespace
} // namespace lexidor::test
