// The help notice's timer and click, and the about window: its link, its program icon and the
// word it sends on closing.
#include "browserfalle.h"
#include "gui_hilfen.h"
#include "hilfehinweis.h"
#include "info.h"
#include "programmsymbol.h"

#include <QLabel>
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
    ModalBedienen([](QWidget* modal) { modal->close(); });
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
    EXPECT_EQ(falle.geoeffnet, QStringList{Pfad(QStringLiteral("Connect.html"))});
    EXPECT_TRUE(form.isVisible());
    const auto* symbol = Kind<QLabel>(&form, "Programmsymbol");
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->pixmap().toImage(), Programmsymbol().pixmap(32, 32).toImage());
}

} // namespace
} // namespace lexidor::test
