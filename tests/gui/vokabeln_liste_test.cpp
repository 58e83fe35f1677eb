// The vocabulary list and the edit dialog driven as a user drives them: rows and levels,
// search and search next with their messages, delete, and edit confirmed or cancelled.
#include "bearbeiten.h"
#include "gui_hilfen.h"
#include "vokabelliste.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <memory>

namespace lexidor::test {
namespace {

const QString kKeineWeiteren = QStringLiteral("Keine weiteren Treffer gefunden");

class ListeTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        kartei.Geoeffnet = true;
        kartei.Fach[1].Add({"Haus¾¼Häuser", "house", "z1", true});
        kartei.Fach[1].Add({"¾¼Apfel", "APFEL", "", true});
        kartei.Fach[3].Add({"Katze", "cat", "z3", true});
        kartei.Fach[6].Add({"Bär", "bear", "", true});
        form6 = std::make_unique<TForm6>(kartei, ersatztexte, nullptr);
        form = std::make_unique<TForm7>(kartei, *form6, nullptr);
    }

    void Oeffnen() {
        form->Aufbauen();
        Zeigen(form.get());
    }
    QTableView* List() { return Kind<QTableView>(form.get(), "List"); }
    int Ausgewaehlt() {
        const auto zeilen = List()->selectionModel()->selectedRows();
        return zeilen.size() == 1 ? zeilen.first().row() : -1;
    }
    void Waehlen(int zeile) { List()->selectRow(zeile); }
    void Klick(const char* knopf) { Klicken(form.get(), knopf); }
    QLineEdit* Suchfeld() { return Kind<QLineEdit>(form.get(), "Edit1"); }
    void Suchen(const QString& text) {
        Suchfeld()->clear();
        Tippen(Suchfeld(), text);
        QTest::keyClick(Suchfeld(), Qt::Key_Return);
    }
    // Opens the edit dialog on the selected row and hands it to aktion.
    void Bearbeiten(std::function<void(QWidget*)> aktion) {
        ModalBedienen(std::move(aktion));
        Klick("Button5");
    }

    TKartei kartei;
    Ersatztexte ersatztexte = ErsatztexteLeer();
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm7> form;
};

// Which rows a search hits is core's; here the buttons walk them and the messages come, and a
// hit stands fifty pixels below the top of the visible rows. The search field types what the
// keys say, mapped keys or not.
TEST_F(ListeTest, SearchAndSearchNextWalkTheHitsWithTheirMessages) {
    for (int i = 0; i < 400; ++i) {
        kartei.Fach[2].Add({"Wort", i == 300 ? "Ziel" : "word", "", true});
    }
    ersatztexte[31] = "æ"; // "ä" types "æ" in the edit fields
    Oeffnen();
    Suchen(QStringLiteral("ziel"));
    ASSERT_EQ(Ausgewaehlt(), 302);
    EXPECT_EQ(List()->visualRect(List()->model()->index(302, 0)).top(), 50);
    Suchen(QStringLiteral("A"));
    EXPECT_EQ(Ausgewaehlt(), 0);
    EXPECT_EQ(form->focusWidget(), List());
    for (const int zeile : {1, 402, 403}) {
        Klick("Button4");
        EXPECT_EQ(Ausgewaehlt(), zeile);
    }
    Klick("Button4");
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kKeineWeiteren});
    Suchen(QStringLiteral("Bä"));
    EXPECT_EQ(Ausgewaehlt(), 403);
    Suchen(QStringLiteral("Hund"));
    EXPECT_EQ(Meldung::Gezeigt().last(),
              QStringLiteral("Die Suche nach \"Hund\" verlief Ergebnislos"));
}

// The edit dialog shows the card on two lines and OK writes it back without its Zusatz.
TEST_F(ListeTest, EditWritesBackOrLeavesTheCardAndDeleteSelectsTheNextRow) {
    Oeffnen();
    kartei.Gesichert = true;
    Waehlen(0);
    Bearbeiten([](QWidget* dialog) {
        EXPECT_EQ(Kind<QPlainTextEdit>(dialog, "Memo1")->toPlainText(),
                  QStringLiteral("Haus\nHäuser"));
        EXPECT_EQ(Kind<QLabel>(dialog, "Panel1")->text(), QStringLiteral("Stufe 1"));
        EXPECT_EQ(dialog->focusWidget(), Kind<QPlainTextEdit>(dialog, "Memo2"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); // a line break, not OK
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Backspace);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F10);
    });
    EXPECT_EQ(kartei.Fach[1].Get(0), (TVokabel{"Haus¾¼Häuser", "house", "", true}));
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_EQ(Ausgewaehlt(), 0);

    // A refused edit keeps the dialog open with the text; "Abbrechen" and the close box leave
    // the card as it was and select its row again.
    kartei.Gesichert = true;
    Waehlen(3);
    Bearbeiten([](QWidget* dialog) {
        Kind<QPlainTextEdit>(dialog, "Memo1")->setPlainText(QStringLiteral("----медведь"));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F10);
        EXPECT_EQ(Kind<QPlainTextEdit>(dialog, "Memo1")->toPlainText(),
                  QStringLiteral("----медведь"));
        Klicken(dialog, "JvBitBtn2");
    });
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{QStringLiteral(
                                      "Die deutsche Bedeutung darf nicht mit \"----\" beginnen.")});
    Waehlen(0);
    Waehlen(3);
    Bearbeiten([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(kartei.Fach[6].Get(0), (TVokabel{"Bär", "bear", "", true}));
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_EQ(Ausgewaehlt(), 3);

    // Delete selects the following row, or none after the last.
    Waehlen(1);
    Klick("Button2");
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_EQ(Ausgewaehlt(), 1);
    EXPECT_EQ(List()->model()->index(1, 0).data().toString(), QStringLiteral("Katze"));
    Waehlen(2);
    Klick("Button2");
    EXPECT_EQ(kartei.Fach[6].Count(), 0);
    EXPECT_EQ(Ausgewaehlt(), -1);
    Klick("Button2"); // nothing selected
    EXPECT_EQ(kartei.Gesamtzahl(), 2);
}

} // namespace
} // namespace lexidor::test
