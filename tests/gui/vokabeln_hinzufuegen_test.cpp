// The add dialog driven by keys: adding with F10, the button and Enter, refusals, the card
// limit, the status line across openings and the key substitution.
#include "gui_hilfen.h"
#include "hinzufuegen.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

namespace lexidor::test {
namespace {

class HinzufuegenTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        kartei.Geoeffnet = true;
        form = std::make_unique<TForm5>(kartei, einstellungen, ersatztexte, nullptr);
    }

    template <typename T> T* Teil(const char* name) { return Kind<T>(form.get(), name); }
    QPlainTextEdit* Memo(const char* name) { return Teil<QPlainTextEdit>(name); }
    QString Text(const char* name) { return Memo(name)->toPlainText(); }
    QString Status() { return Teil<QLabel>("Panel1")->text(); }
    // Types the card the way a user does: foreign side first, Tab, then German.
    void Eingeben(const QString& fremd, const QString& deutsch) {
        Tippen(form->focusWidget(), fremd);
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        Tippen(form->focusWidget(), deutsch);
    }
    void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
        QTest::keyClick(form->focusWidget(), taste, mod);
    }
    void F10() { Taste(Qt::Key_F10); }

    TKartei kartei;
    TEinstellungen einstellungen;
    Ersatztexte ersatztexte = ErsatztexteLeer();
    std::unique_ptr<TForm5> form;
};

TEST_F(HinzufuegenTest, F10AndTheButtonAddToCompartmentOneAndRefusalsKeepWhatWasTyped) {
    kartei.Fach[1].Add({"alt", "old", "", true});
    Memo("Memo1")->setPlainText(u"vom letzten Mal"_s);
    Zeigen(form.get());
    EXPECT_EQ(Text("Memo1"), QString());
    EXPECT_EQ(form->focusWidget(), Memo("Memo2"));
    Eingeben(u"street"_s, u"Straße"_s);
    F10();
    EXPECT_EQ(Status(), u"Vokabel wurde hinzugefügt"_s);
    EXPECT_EQ(Text("Memo2"), QString());
    EXPECT_EQ(form->focusWidget(), Memo("Memo2"));
    Eingeben(u" cat "_s, QString());
    Klicken(form.get(), "Button1");
    // Blank fields add nothing.
    Tippen(form->focusWidget(), u"   "_s);
    F10();
    EXPECT_EQ(Status(), u"Vokabel wurde nicht hinzugefügt, Eingabefelder leer"_s);
    EXPECT_EQ(Karten(kartei),
              (QStringList{u"1 alt | old"_s, u"1 Straße | street"_s, u"1  |  cat "_s}));

    // A refused card keeps what was typed, and a box at the card limit takes no more; each
    // says why.
    Eingeben(u"Łódź"_s, u"----"_s);
    F10();
    EXPECT_EQ(kartei.Fach[1].Count(), 3);
    EXPECT_EQ(Text("Memo1") + Text("Memo2"), u"----Łódź"_s);
    // The message box over the dialog hands the activation back: the fields stay.
    form->FormActivate();
    EXPECT_EQ(Text("Memo2"), u"Łódź"_s);
    form->FormActivate();
    EXPECT_EQ(Text("Memo2"), QString());

    kartei.Fach[5].Reservieren(kKartenlimit, 0);
    for (int i = kartei.Gesamtzahl() + 1; i < kKartenlimit; ++i) {
        kartei.Fach[5].Anhaengen("", "", "");
    }
    for (const char* karte : {"vorletzte", "zu viel"}) {
        Eingeben(QString::fromUtf8(karte), QString());
        F10();
    }
    EXPECT_EQ(kartei.Fach[1].Count(), 4);
    EXPECT_EQ(Meldung::Gezeigt(),
              (QStringList{u"Die deutsche Bedeutung darf nicht mit \"----\" beginnen."_s,
                           u"Es können keine weiteren Vokabeln hinzugefügt werden, "
                           "da das Limit (3200000) erreicht wurde"_s}));
}

// Without "Enter adds" Enter breaks the line, and on the check box it reaches the default
// button; the check box switches the setting, and the setting sets the box at each opening.
TEST_F(HinzufuegenTest, EnterBreaksTheLineOrAddsAsTheCheckBoxAndTheSettingSay) {
    Zeigen(form.get());
    Tippen(form->focusWidget(), u"Haus"_s);
    Taste(Qt::Key_Return);
    Tippen(form->focusWidget(), u"Häuser"_s);
    EXPECT_EQ(kartei.Fach[1].Count(), 0);
    F10();
    Tippen(form->focusWidget(), u"Tür"_s);
    Teil<QCheckBox>("CheckBox1")->setFocus();
    Taste(Qt::Key_Return);
    EXPECT_EQ(Karten(kartei), (QStringList{u"1  | Haus¾¼Häuser"_s, u"1  | Tür"_s}));

    Klicken(form.get(), "CheckBox1");
    EXPECT_TRUE(einstellungen.Enterneu);
    Memo("Memo2")->setFocus();
    Tippen(form->focusWidget(), u"dog"_s);
    Taste(Qt::Key_Return);
    EXPECT_EQ(kartei.Fach[1].Count(), 3);
    Klicken(form.get(), "CheckBox1");
    EXPECT_FALSE(einstellungen.Enterneu);

    einstellungen.Enterneu = true;
    form->close();
    Zeigen(form.get());
    EXPECT_TRUE(Teil<QCheckBox>("CheckBox1")->isChecked());
    Eingeben(u"eins"_s, u"one"_s);
    Taste(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(kartei.Fach[1].Count(), 4);
}

// "Fertig" accepts, Escape and the close box reject; the status line outlives the closing, the
// fields do not.
TEST_F(HinzufuegenTest, ReopenedItShowsNeitherTheLastOutcomeNorTheFields) {
    ModalBedienen([this](QWidget*) {
        Eingeben(u"Baum"_s, u"tree"_s);
        F10();
        Eingeben(u"halb"_s, QString());
        Klicken(form.get(), "Button2");
    });
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    ModalBedienen([&](QWidget* modal) {
        EXPECT_EQ(Status(), QString());
        EXPECT_EQ(Text("Memo2"), QString());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    ModalSchliessen("Form5");
    EXPECT_EQ(form->exec(), QDialog::Rejected);
}

} // namespace
} // namespace lexidor::test
