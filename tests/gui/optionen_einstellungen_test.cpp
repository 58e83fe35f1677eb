// The settings dialog's wiring: each control filled from the settings and stored by "OK", the
// value labels, the reset, the colour choice, and what "Abbrechen" and the close box leave.
// The labels' texts, the bars' ranges and the direction rule are core's.
#include "einstellungsdialog.h"
#include "gui_hilfen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <array>
#include <memory>

namespace lexidor::test {
namespace {

class EinstellungsdialogTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        bool start = false;
        EinstellungenLaden(Profildatei(), einstellungen, start);
        form = std::make_unique<TForm2>(einstellungen, nullptr);
    }
    template <typename T> T* Teil(const char* name) { return Kind<T>(form.get(), name); }
    QSlider* Bar(const char* name) { return Teil<QSlider>(name); }
    QString Label(const char* name) { return Teil<QLabel>(name)->text(); }
    void Klick(const char* name) { Klicken(form.get(), name); }
    QButtonGroup* Richtung() { return form->findChild<QButtonGroup*>(); }
    QColor Swatch() { return Teil<QFrame>("Panel1")->palette().color(QPalette::Window); }
    // Confirms or cancels the colour dialog with farbe; returns the colour it opened with.
    QColor FarbeWaehlen(const QColor& farbe, bool bestaetigen) {
        QColor geoeffnet;
        ModalBedienen([&](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            geoeffnet = dialog->currentColor();
            dialog->setCurrentColor(farbe);
            bestaetigen ? dialog->accept() : dialog->reject();
        });
        Klick("Button4");
        return geoeffnet;
    }

    TEinstellungen einstellungen;
    std::unique_ptr<TForm2> form;
};

// Each control is filled from the settings (a value outside a bar's range at its nearest end)
// and stored by "OK". The colour dialog opens with the colour last confirmed in it, not the
// swatch's; a colour without a name is stored with red in the lowest byte.
TEST_F(EinstellungsdialogTest, OpeningFillsEveryControlAndOkStoresEveryControl) {
    einstellungen.Autosave = true;
    einstellungen.Fach2 = 500;
    einstellungen.Fach4 = 45;
    einstellungen.Abfragerichtung = 0;
    einstellungen.Enterab = true;
    einstellungen.Timer = 0;
    form->show();
    EXPECT_TRUE(Teil<QCheckBox>("AutosaveBox")->isChecked());
    EXPECT_EQ(Bar("tb4")->value(), 45);
    EXPECT_EQ(Label("lb4"), u"45 Tage"_s);
    EXPECT_EQ(Label("lb2"), u"200 Tage"_s);
    EXPECT_EQ(Richtung()->checkedId(), 0);
    EXPECT_TRUE(Teil<QCheckBox>("EnterBox")->isChecked());
    EXPECT_EQ(Swatch(), QColor(0, 0, 128));
    EXPECT_EQ(Label("Label5"), u"Deaktiviert"_s);
    QTest::keyClick(Bar("timerbar"), Qt::Key_Right);
    EXPECT_EQ(Label("Label5"), u"Nach 1 Minuten"_s);
    QTest::keyClick(Bar("tb3"), Qt::Key_End);
    EXPECT_EQ(Label("lb3"), u"200 Tage"_s);

    Klick("AutosaveBox");
    Klick("EnterBox");
    Richtung()->button(2)->click();
    // Each interval is free of the others.
    Bar("tb2")->setValue(199);
    QTest::keyClick(Bar("tb3"), Qt::Key_Home);
    Bar("tb4")->setValue(7);
    Bar("tb5")->setValue(9);
    EXPECT_EQ(FarbeWaehlen(QColor(0x10, 0x20, 0x30), true), QColor(Qt::black));
    EXPECT_EQ(FarbeWaehlen(QColor(255, 255, 0), false), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(Swatch(), QColor(0x10, 0x20, 0x30));
    QTest::keyClick(Bar("tb5"), Qt::Key_Return); // Enter confirms
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(einstellungen.Autosave);
    EXPECT_FALSE(einstellungen.Enterab);
    EXPECT_EQ(einstellungen.Abfragerichtung, 2);
    EXPECT_EQ((std::array{einstellungen.Fach2, einstellungen.Fach3, einstellungen.Fach4,
                          einstellungen.Fach5}),
              (std::array{199, 3, 7, 9}));
    EXPECT_EQ(einstellungen.Timer, 1);
    EXPECT_EQ(einstellungen.Hintergrundfarbe, 0x302010);
}

// Neither the close box, nor "Abbrechen" after a reset and a colour, changes a setting, and the
// next opening shows the old values.
TEST_F(EinstellungsdialogTest, CancelOrTheCloseBoxChangeNothing) {
    einstellungen.Fach2 = 50;
    einstellungen.Timer = 33;
    form->show();
    Bar("timerbar")->setValue(40);
    Klick("Button3");
    EXPECT_EQ(Bar("tb2")->value(), 3);
    EXPECT_EQ(Label("lb5"), u"90 Tage"_s);
    EXPECT_EQ(Bar("timerbar")->value(), 40);
    FarbeWaehlen(QColor(255, 0, 0), true);
    Klick("JvBitBtn1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    form->show();
    Bar("tb2")->setValue(60);
    form->close();
    EXPECT_EQ(einstellungen.Fach2, 50);
    EXPECT_EQ(einstellungen.Timer, 33);
    EXPECT_EQ(einstellungen.Hintergrundfarbe, clNavy);
    form->show();
    EXPECT_EQ(Bar("tb2")->value(), 50);
    EXPECT_EQ(Swatch(), QColor(0, 0, 128));
}

// A system colour shows as the palette's; a negative direction checks no item and OK
// stores -1; a time beyond the bar's end is stored as its end.
TEST_F(EinstellungsdialogTest, SystemColourNoDirectionAndALongTimeSurviveOk) {
    const TColor clBtnFace = static_cast<TColor>(0xFF00000Fu);
    einstellungen.Hintergrundfarbe = clBtnFace;
    einstellungen.Timer = 90;
    einstellungen.Abfragerichtung = 1;
    form->show();
    form->close();
    einstellungen.Abfragerichtung = -3;
    form->show();
    EXPECT_EQ(Swatch(), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(Richtung()->checkedId(), -1);
    Klick("JvBitBtn2");
    EXPECT_EQ(einstellungen.Hintergrundfarbe, clBtnFace);
    EXPECT_EQ(einstellungen.Abfragerichtung, -1);
    EXPECT_EQ(einstellungen.Timer, 60);
}

} // namespace
} // namespace lexidor::test
