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

    void Oeffnen() { Zeigen(form.get()); }
    template <typename T> T* Teil(const char* name) { return Kind<T>(form.get(), name); }
    QPlainTextEdit* Memo(const char* name) { return Teil<QPlainTextEdit>(name); }
    QString Text(const char* name) { return Memo(name)->toPlainText(); }
    QStringList Fach1() const {
        QStringList karten;
        for (int i = 0; i < kartei.Fach[1].Count(); ++i) {
            karten << AusUtf8(kartei.Fach[1].Fremd(i)) + u'=' + AusUtf8(kartei.Fach[1].Deutsch(i));
        }
        return karten;
    }
    QString Status() { return Teil<QLabel>("Panel1")->text(); }
    // Types the card the way a user does: foreign side first, Tab, then German.
    void Eingeben(const QString& fremd, const QString& deutsch) {
        Tippen(form->focusWidget(), fremd);
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        Tippen(form->focusWidget(), deutsch);
    }
    void Ankreuzen() { Klicken(form.get(), "CheckBox1"); }
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
    Memo("Memo1")->setPlainText(QStringLiteral("vom letzten Mal"));
    Oeffnen();
    EXPECT_EQ(Text("Memo1"), QString());
    EXPECT_EQ(form->focusWidget(), Memo("Memo2"));
    Eingeben(QStringLiteral("street"), QStringLiteral("Straße"));
    F10();
    EXPECT_EQ(Status(), QStringLiteral("Vokabel wurde hinzugefügt"));
    EXPECT_EQ(Text("Memo2"), QString());
    EXPECT_EQ(form->focusWidget(), Memo("Memo2"));
    Eingeben(QStringLiteral(" cat "), QString());
    Klicken(form.get(), "Button1");
    // Blank fields add nothing.
    Tippen(form->focusWidget(), QStringLiteral("   "));
    F10();
    EXPECT_EQ(Status(), QStringLiteral("Vokabel wurde nicht hinzugefügt, Eingabefelder leer"));
    EXPECT_EQ(Fach1(), (QStringList{QStringLiteral("old=alt"), QStringLiteral("street=Straße"),
                                    QStringLiteral(" cat =")}));

    // A refused card keeps what was typed, and a box at the card limit takes no more; each
    // says why.
    Eingeben(QStringLiteral("Łódź"), QStringLiteral("----"));
    F10();
    EXPECT_EQ(kartei.Fach[1].Count(), 3);
    EXPECT_EQ(Text("Memo1") + Text("Memo2"), QStringLiteral("----Łódź"));
    // The message box over the dialog hands the activation back: the fields stay.
    form->FormActivate();
    EXPECT_EQ(Text("Memo2"), QStringLiteral("Łódź"));
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
              (QStringList{QStringLiteral("Die deutsche Bedeutung darf nicht mit \"----\" "
                                          "beginnen."),
                           QStringLiteral("Es können keine weiteren Vokabeln hinzugefügt werden, "
                                          "da das Limit (3200000) erreicht wurde")}));
}

// Without "Enter adds" Enter breaks the line, and on the check box it reaches the default
// button; the check box switches the setting, and the setting sets the box at each opening.
TEST_F(HinzufuegenTest, EnterBreaksTheLineOrAddsAsTheCheckBoxAndTheSettingSay) {
    Oeffnen();
    Tippen(form->focusWidget(), QStringLiteral("Haus"));
    Taste(Qt::Key_Return);
    Tippen(form->focusWidget(), QStringLiteral("Häuser"));
    EXPECT_EQ(kartei.Fach[1].Count(), 0);
    F10();
    Tippen(form->focusWidget(), QStringLiteral("Tür"));
    Teil<QCheckBox>("CheckBox1")->setFocus();
    Taste(Qt::Key_Return);
    EXPECT_EQ(Fach1(), (QStringList{QStringLiteral("Haus¾¼Häuser="), QStringLiteral("Tür=")}));

    Ankreuzen();
    EXPECT_TRUE(einstellungen.Enterneu);
    Memo("Memo2")->setFocus();
    Tippen(form->focusWidget(), QStringLiteral("dog"));
    Taste(Qt::Key_Return);
    EXPECT_EQ(kartei.Fach[1].Count(), 3);
    Ankreuzen();
    EXPECT_FALSE(einstellungen.Enterneu);

    einstellungen.Enterneu = true;
    form->close();
    Oeffnen();
    EXPECT_TRUE(Teil<QCheckBox>("CheckBox1")->isChecked());
    Eingeben(QStringLiteral("eins"), QStringLiteral("one"));
    Taste(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(kartei.Fach[1].Count(), 4);
}

// "Fertig" accepts, Escape and the close box reject; the status line outlives the closing, the
// fields do not.
TEST_F(HinzufuegenTest, ReopenedItShowsNeitherTheLastOutcomeNorTheFields) {
    ModalBedienen([this](QWidget*) {
        Eingeben(QStringLiteral("Baum"), QStringLiteral("tree"));
        F10();
        Eingeben(QStringLiteral("halb"), QString());
        Klicken(form.get(), "Button2");
    });
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    ModalBedienen([&](QWidget* modal) {
        EXPECT_EQ(Status(), QString());
        EXPECT_EQ(Text("Memo2"), QString());
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
    ModalBedienen([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(form->exec(), QDialog::Rejected);
}

} // namespace
} // namespace lexidor::test
