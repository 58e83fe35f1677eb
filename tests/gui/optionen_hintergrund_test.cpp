// The background window: full screen at (0, 0), disabled, in the chosen colour, and on and
// off again.
#include "gui_hilfen.h"
#include "hintergrund.h"

#include <QScreen>

namespace lexidor::test {
namespace {

TEST_F(GuiTest, TheBackdropCoversTheScreenDisabledAndTakesEachNewColour) {
    TForm10 form;
    form.Zeigen(clNavy);
    EXPECT_FALSE(form.isEnabled());
    // Else the program would not end when the main window closes.
    EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(form.geometry(), QRect(QPoint(0, 0), form.screen()->size()));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 0, 128));
    form.hide();
    form.Zeigen(clRed);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(255, 0, 0));
    // A new colour from the settings shows at once while it is visible.
    form.FarbeSetzen(0x00FF00);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 255, 0));
}

} // namespace
} // namespace lexidor::test
