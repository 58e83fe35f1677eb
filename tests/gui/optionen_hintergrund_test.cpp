// The background window: full screen at (0, 0), disabled, in the chosen colour, and on and
// off again; its visibility is what the next start reads.
#include "gui_hilfen.h"
#include "hintergrund.h"

#include <QScreen>

namespace lexidor::test {
namespace {

class HintergrundTest : public GuiTest {
protected:
    TForm10 form;
};

TEST_F(HintergrundTest, ShowsOverTheWholeScreenDisabledInTheColour) {
    EXPECT_FALSE(form.isVisible());
    form.Zeigen(clNavy);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.isEnabled());
    EXPECT_EQ(form.geometry(), QRect(QPoint(0, 0), form.screen()->size()));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));
}

TEST_F(HintergrundTest, OnOffAndOnAgainKeepsTheNewColour) {
    form.Zeigen(clNavy);
    form.hide();
    EXPECT_FALSE(form.isVisible());
    form.Zeigen(clRed);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(255, 0, 0));
    // A new colour from the settings shows at once while it is visible.
    form.FarbeSetzen(0x00FF00);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 255, 0));
}

TEST_F(HintergrundTest, VisibilityAtExitIsWhatTheNextStartReads) {
    form.Zeigen(clNavy);
    Profildatei ini;
    EinstellungenSpeichern(ini, TEinstellungen{}, form.isVisible());
    TEinstellungen naechster;
    bool startFlag = false;
    EinstellungenLaden(Profildatei(ini.Daten()), naechster, startFlag);
    EXPECT_TRUE(startFlag);
    form.hide();
    EinstellungenSpeichern(ini, TEinstellungen{}, form.isVisible());
    EinstellungenLaden(Profildatei(ini.Daten()), naechster, startFlag);
    EXPECT_FALSE(startFlag);
}

} // namespace
} // namespace lexidor::test
