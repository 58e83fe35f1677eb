// The mapping dialog and the character picker: every way of closing the picker, "Alles
// löschen" and text in any script. The rows' text and the replacing are core's.
#include "gui_hilfen.h"
#include "tastaturbelegung.h"
#include "zeichenwahl.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

namespace lexidor::test {
namespace {

class TastaturbelegungTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        picker = std::make_unique<TForm9>(nullptr);
        form = std::make_unique<TForm8>(ersatztexte, *picker, nullptr);
        form->show();
    }
    QListWidget* Liste() { return Kind<QListWidget>(form.get(), "slist"); }
    QString Zeile(int i) { return Liste()->item(i)->text(); }
    QString Panel() { return Kind<QLineEdit>(form.get(), "Panel1")->text(); }
    void Waehlen(int zeile) {
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(Liste()->item(zeile)).center());
    }

    Ersatztexte ersatztexte = ErsatztexteLeer();
    std::unique_ptr<TForm9> picker;
    std::unique_ptr<TForm8> form;
};

// Every way of closing the picker: what the table and its row keep, what the panel shows.
TEST_F(TastaturbelegungTest, EachWayOfClosingThePickerAndTheDialogKeepsOrDropsItsText) {
    ASSERT_EQ(Liste()->count(), 35);
    const auto knopf = [](const char* name) {
        return [name](QWidget* modal) { Klicken(modal, name); };
    };
    const auto tippen = [](const char* s) {
        return [s](QWidget* modal) {
            Kind<QLineEdit>(modal, "Edit1")->clear();
            Tippen(Kind<QLineEdit>(modal, "Edit1"), QString::fromUtf8(s));
        };
    };
    const auto taste = [](Qt::Key k) {
        return [k](QWidget* modal) { QTest::keyClick(modal->focusWidget(), k); };
    };
    const auto offen = [](QWidget* modal) { EXPECT_TRUE(modal->isVisible()); };
    const auto schliessen = [](QWidget* modal) { modal->close(); };
    struct Fall {
        int zeile;
        std::vector<std::function<void(QWidget*)>> schritte;
        const char* titel;
        const char* tabelle;
        const char* panel;
    };
    ersatztexte[5] = "x";
    const Fall faelle[] = {
        {0, {knopf("Button2"), offen, knopf("BitBtn1")}, "1", "ç", "ç"},
        {31, {tippen("aŁб"), knopf("BitBtn1")}, "ä", "aŁб", "aŁб"},
        {30, {tippen("ae"), taste(Qt::Key_Return)}, "ö", "ae", "ae"},
        {3, {knopf("Button8"), knopf("BitBtn2")}, "4", "(Nichts)", "æ"},
        {4, {tippen("zz"), taste(Qt::Key_Escape), offen, schliessen}, "5", "(Nichts)", "zz"},
        {5, {tippen(""), knopf("BitBtn1")}, "6", "(Nichts)", "(Nichts)"},
    };
    QString titel;
    QString text;
    for (const Fall& f : faelle) {
        Waehlen(f.zeile);
        ModalBedienen([&](QWidget* modal) {
            titel = modal->windowTitle();
            text = Kind<QLineEdit>(modal, "Edit1")->text();
            for (const auto& schritt : f.schritte) {
                schritt(modal);
            }
        });
        Klicken(form.get(), "Button10");
        EXPECT_EQ(titel, u"Die Taste %1 wird ersetzt durch..."_s.arg(QString::fromUtf8(f.titel)));
        EXPECT_EQ(ersatztexte[f.zeile], f.tabelle) << f.zeile;
        EXPECT_TRUE(Zeile(f.zeile).endsWith(QString::fromUtf8(f.tabelle))) << f.zeile;
        EXPECT_EQ(Panel(), QString::fromUtf8(f.panel)) << f.zeile;
        EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    }
    EXPECT_EQ(text, u"x"_s); // the picker opened with the key's replacement
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());

    // Without a selected row "Ändern..." opens nothing.
    bool gezeigt = false;
    // Runs inside the picker's loop should it open, and closes it.
    QTimer::singleShot(0, [&] {
        gezeigt = picker->isVisible();
        picker->close();
    });
    Klicken(form.get(), "Button10");
    QCoreApplication::processEvents();
    EXPECT_FALSE(gezeigt);
    // "Alles löschen" unmaps every key without touching the panel.
    Waehlen(0);
    Klicken(form.get(), "Button3");
    EXPECT_EQ(ersatztexte, ErsatztexteLeer());
    EXPECT_TRUE(Zeile(31).endsWith(u"(Nichts)"_s));
    EXPECT_EQ(Panel(), u"ç"_s);

    Klicken(form.get(), "JvBitBtn1");
    EXPECT_FALSE(form->isVisible());
    // Escape closes it as well: every change is made already, as with "OK".
    form->show();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace lexidor::test
