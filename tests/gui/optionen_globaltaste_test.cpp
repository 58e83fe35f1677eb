// Without X11 (offscreen, Wayland) Ctrl+Alt+W is an application-wide shortcut.
#include "gui_hilfen.h"
#include "hotkey.h"

namespace lexidor::test {
namespace {

TEST(Globaltaste, OffscreenCtrlAltWRunsTheActionFromAnyWindow) {
    QWidget haupt;
    QWidget anderes;
    int laeufe = 0;
    Globaltaste taste(&haupt, [&] { ++laeufe; });
    EXPECT_FALSE(taste.Systemweit());
    haupt.show();
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    QTest::keyClick(&anderes, Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(laeufe, 1);
    QTest::keyClick(&anderes, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(laeufe, 1);
}

} // namespace
} // namespace lexidor::test
