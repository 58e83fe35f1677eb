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
    void Suchen(const QString& text) {
        auto* feld = Kind<QLineEdit>(form.get(), "Edit1");
        feld->clear();
        Tippen(feld, text);
        QTest::keyClick(feld, Qt::Key_Return);
    }
    // Opens the edit dialog on the selected row and hands it to aktion.
    void Bearbeiten(std::function<void(QWidget*)> aktion) {
        ModalBedienen(std::move(aktion));
        Klicken(form.get(), "Button5");
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
    Suchen(u"ziel"_s);
    ASSERT_EQ(Ausgewaehlt(), 302);
    EXPECT_EQ(List()->visualRect(List()->model()->index(302, 0)).top(), 50);
    Suchen(u"A"_s);
    EXPECT_EQ(Ausgewaehlt(), 0);
    EXPECT_EQ(form->focusWidget(), List());
    for (const int zeile : {1, 402, 403}) {
        Klicken(form.get(), "Button4");
        EXPECT_EQ(Ausgewaehlt(), zeile);
    }
    Klicken(form.get(), "Button4");
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Keine weiteren Treffer gefunden"_s});
    Suchen(u"Bä"_s);
    EXPECT_EQ(Ausgewaehlt(), 403);
    Suchen(u"Hund"_s);
    EXPECT_EQ(Meldung::Gezeigt().last(), u"Die Suche nach \"Hund\" verlief Ergebnislos"_s);
}

// The edit dialog shows the card on two lines and OK writes it back without its Zusatz.
TEST_F(ListeTest, EditWritesBackOrLeavesTheCardAndDeleteSelectsTheNextRow) {
    Oeffnen();
    kartei.Gesichert = true;
    List()->selectRow(0);
    Bearbeiten([](QWidget* dialog) {
        EXPECT_EQ(Kind<QPlainTextEdit>(dialog, "Memo1")->toPlainText(), u"Haus\nHäuser"_s);
        EXPECT_EQ(Kind<QLabel>(dialog, "Panel1")->text(), u"Stufe 1"_s);
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
    List()->selectRow(3);
    Bearbeiten([](QWidget* dialog) {
        Kind<QPlainTextEdit>(dialog, "Memo1")->setPlainText(u"----медведь"_s);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_F10);
        EXPECT_EQ(Kind<QPlainTextEdit>(dialog, "Memo1")->toPlainText(), u"----медведь"_s);
        Klicken(dialog, "JvBitBtn2");
    });
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Die deutsche Bedeutung darf nicht mit \"----\" beginnen."_s});
    List()->selectRow(0);
    List()->selectRow(3);
    Bearbeiten([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(kartei.Fach[6].Get(0), (TVokabel{"Bär", "bear", "", true}));
    EXPECT_TRUE(kartei.Gesichert);
    EXPECT_EQ(Ausgewaehlt(), 3);

    // Delete selects the following row, or none after the last.
    List()->selectRow(1);
    Klicken(form.get(), "Button2");
    EXPECT_FALSE(kartei.Gesichert);
    EXPECT_EQ(Ausgewaehlt(), 1);
    EXPECT_EQ(List()->model()->index(1, 0).data().toString(), u"Katze"_s);
    List()->selectRow(2);
    Klicken(form.get(), "Button2");
    EXPECT_EQ(kartei.Fach[6].Count(), 0);
    EXPECT_EQ(Ausgewaehlt(), -1);
    Klicken(form.get(), "Button2"); // nothing selected
    EXPECT_EQ(kartei.Gesamtzahl(), 2);
}

} // namespace
} // namespace lexidor::test
