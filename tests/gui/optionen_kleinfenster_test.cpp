// The small windows: the help notice's timer and click; the about window's link, program icon
// and the word it sends on closing; the backdrop; and the shortcut Ctrl+Alt+W, application-wide
// without X11 (offscreen, Wayland).
#include "browserfalle.h"
#include "gui_hilfen.h"
#include "hilfehinweis.h"
#include "hintergrund.h"
#include "hotkey.h"
#include "info.h"
#include "programmsymbol.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

namespace lexidor::test {
namespace {

using namespace std::chrono_literals;

TEST_F(GuiTest, HelpNoticeClosesByItselfAndAClickOrTheCloseBoxClosesItAtOnce) {
    TForm3 kurz(nullptr, 5ms);
    EXPECT_EQ(kurz.exec(), QDialog::Accepted);

    // A showing cut short leaves no timer running into the next one.
    TForm3 lang(nullptr, 1h);
    auto* uhr = Kind<QTimer>(&lang, "Timer1");
    for (const bool klick : {true, false}) {
        ModalBedienen([&](QWidget* modal) {
            EXPECT_TRUE(uhr->isActive());
            if (klick) {
                QTest::mouseClick(Kind<QLabel>(modal, "Panel1"), Qt::LeftButton);
            } else {
                modal->close();
            }
        });
        lang.exec();
        EXPECT_FALSE(uhr->isActive());
    }
}

// The about window says once that it closed, by the close box or Escape; its link opens
// Connect.html and it shows the program icon.
TEST_F(GuiTest, AboutSaysOnceThatItClosedAndItsLinkOpensConnectHtml) {
    TForm4 form(nullptr);
    QSignalSpy geschlossen(&form, &TForm4::Geschlossen);
    ModalSchliessen("Form4");
    form.exec();
    EXPECT_EQ(geschlossen.count(), 1);
    ModalBedienen([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    form.exec();
    EXPECT_EQ(geschlossen.count(), 2);

    Browserfalle falle;
    form.show();
    auto* link = Kind<QLabel>(&form, "Label8");
    EXPECT_EQ(link->text(), Homepageadresse());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(falle.geoeffnet, QStringList{Pfad(u"Connect.html"_s)});
    EXPECT_TRUE(form.isVisible());
    const auto* symbol = Kind<QLabel>(&form, "Programmsymbol");
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->pixmap().toImage(), Programmsymbol().pixmap(32, 32).toImage());
}

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
}

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
