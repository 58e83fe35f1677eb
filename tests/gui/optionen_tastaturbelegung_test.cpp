// The mapping dialog and the character picker: every way of closing the picker, "Alles
// löschen", text in any script, and the next key press.
#include "ersetzung.h"
#include "gui_hilfen.h"
#include "tastaturbelegung.h"
#include "zeichenwahl.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace lexidor::test {
namespace {

const QString kVierzehn = QString(14, QLatin1Char(' '));

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
    // Runs "Ändern..." and operates the picker with bedienen; records its caption and text.
    void Aendern(std::function<void(QWidget*)> bedienen) {
        ModalBedienen([this, bedienen](QWidget* modal) {
            titel = modal->windowTitle();
            text = Kind<QLineEdit>(modal, "Edit1")->text();
            bedienen(modal);
        });
        QTest::mouseClick(Kind<QPushButton>(form.get(), "Button10"), Qt::LeftButton);
    }
    static void Eintippen(QWidget* modal, const QString& s) {
        auto* edit = Kind<QLineEdit>(modal, "Edit1");
        edit->clear();
        Tippen(edit, s);
    }

    Ersatztexte ersatztexte = ErsatztexteLeer();
    std::unique_ptr<TForm9> picker;
    std::unique_ptr<TForm8> form;
    QString titel;
    QString text;
};

// Without a selected row "Ändern..." opens nothing; the button and Escape close the dialog.
TEST_F(TastaturbelegungTest, WithoutASelectedRowNothingOpensAndTheButtonOrEscapeCloses) {
    ASSERT_EQ(Liste()->count(), 35);
    bool gezeigt = false;
    // Runs inside the picker's loop should one open, and closes it.
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            gezeigt = true;
            modal->close();
        }
    });
    QTest::mouseClick(Kind<QPushButton>(form.get(), "Button10"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(gezeigt);
    QTest::mouseClick(Kind<QPushButton>(form.get(), "JvBitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
    // Escape closes it as well: every change is made already, as with "OK".
    form->show();
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TastaturbelegungTest, PickerButtonThenOkStoresTheCharacterAndTheNextKeyInsertsIt) {
    QPlainTextEdit antwort;
    Sonderzeichenersetzung ersetzung(ersatztexte, &antwort);
    ersetzung.Einrichten(&antwort);
    Waehlen(0);
    EXPECT_EQ(Panel(), QStringLiteral("(Nichts)"));
    Aendern([](QWidget* modal) {
        QTest::mouseClick(Kind<QPushButton>(modal, "Button2"), Qt::LeftButton);
        EXPECT_TRUE(modal->isVisible());
        QTest::mouseClick(Kind<QPushButton>(modal, "BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(titel, QStringLiteral("Die Taste 1 wird ersetzt durch..."));
    EXPECT_EQ(ersatztexte[0], "ç");
    EXPECT_EQ(Zeile(0), QStringLiteral("1") + kVierzehn + QStringLiteral("ç"));
    EXPECT_EQ(Panel(), QStringLiteral("ç"));
    EXPECT_TRUE(Liste()->selectedItems().isEmpty());
    Tippen(&antwort, QStringLiteral("a1!"));
    EXPECT_EQ(antwort.toPlainText(), QStringLiteral("aç!"));
}

// Typed text confirmed with "OK" or Enter is stored whole, in any script; an empty field
// removes the replacement.
TEST_F(TastaturbelegungTest, TypedTextIsStoredWholeAndAnEmptyFieldRemoves) {
    ersatztexte[5] = "x";
    Waehlen(31);
    Aendern([&](QWidget* modal) {
        Eintippen(modal, QStringLiteral("aŁб"));
        QTest::mouseClick(Kind<QPushButton>(modal, "BitBtn1"), Qt::LeftButton);
    });
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());
    EXPECT_EQ(titel, QStringLiteral("Die Taste ä wird ersetzt durch..."));
    EXPECT_EQ(ersatztexte[31], "aŁб");
    Waehlen(30);
    Aendern([&](QWidget* modal) {
        Eintippen(modal, QStringLiteral("ae"));
        QTest::keyClick(Kind<QLineEdit>(modal, "Edit1"), Qt::Key_Return);
    });
    EXPECT_EQ(ersatztexte[30], "ae");
    Waehlen(5);
    Aendern([](QWidget* modal) {
        Eintippen(modal, QString());
        QTest::mouseClick(Kind<QPushButton>(modal, "BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(text, QStringLiteral("x"));
    EXPECT_EQ(ersatztexte[5], "(Nichts)");
    EXPECT_EQ(Panel(), QStringLiteral("(Nichts)"));
}

TEST_F(TastaturbelegungTest, AbortAndCloseBoxLeaveTheTableButThePanelShowsThePickerText) {
    Waehlen(3);
    Aendern([](QWidget* modal) {
        QTest::mouseClick(Kind<QPushButton>(modal, "Button8"), Qt::LeftButton);
        QTest::mouseClick(Kind<QPushButton>(modal, "BitBtn2"), Qt::LeftButton);
    });
    EXPECT_EQ(ersatztexte[3], "(Nichts)");
    EXPECT_EQ(Panel(), QStringLiteral("æ"));
    Waehlen(4);
    Aendern([](QWidget* modal) {
        Eintippen(modal, QStringLiteral("zz"));
        QTest::keyClick(modal, Qt::Key_Escape);
        EXPECT_TRUE(modal->isVisible());
        modal->close();
    });
    EXPECT_EQ(ersatztexte[4], "(Nichts)");
    EXPECT_EQ(Panel(), QStringLiteral("zz"));
}

TEST_F(TastaturbelegungTest, ClearAllUnmapsEveryKeyWithoutTouchingThePanel) {
    ersatztexte[0] = "ç";
    ersatztexte[34] = "";
    form = std::make_unique<TForm8>(ersatztexte, *picker, nullptr);
    form->show();
    Waehlen(0);
    QTest::mouseClick(Kind<QPushButton>(form.get(), "Button3"), Qt::LeftButton);
    EXPECT_EQ(ersatztexte, ErsatztexteLeer());
    EXPECT_EQ(Zeile(34), QStringLiteral("Ä") + kVierzehn + QStringLiteral("(Nichts)"));
    EXPECT_EQ(Panel(), QStringLiteral("ç"));
}

} // namespace
} // namespace lexidor::test
