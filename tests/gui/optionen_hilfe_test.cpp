// The help notice's timer and click, and the about window's link and program icon.
#include "browserfalle.h"
#include "gui_hilfen.h"
#include "hilfehinweis.h"
#include "info.h"
#include "programmsymbol.h"

#include <QLabel>

namespace lexidor::test {

namespace {

using namespace std::chrono_literals;

class HilfehinweisTest : public GuiTest {
protected:
    QTimer* Uhr(TForm3& form) { return form.findChild<QTimer*>(QStringLiteral("Timer1")); }
};

TEST_F(HilfehinweisTest, ClosesByItselfAndAClickOrTheCloseBoxClosesItAtOnce) {
    TForm3 kurz(nullptr, 5ms);
    EXPECT_EQ(kurz.exec(), QDialog::Accepted);

    // A showing cut short leaves no timer running into the next one.
    TForm3 lang(nullptr, 1h);
    for (const bool klick : {true, false}) {
        ModalBedienen([&](QWidget* modal) {
            EXPECT_TRUE(Uhr(lang)->isActive());
            if (klick) {
                QTest::mouseClick(modal->findChild<QLabel*>(QStringLiteral("Panel1")),
                                  Qt::LeftButton);
            } else {
                modal->close();
            }
        });
        lang.exec();
        EXPECT_FALSE(Uhr(lang)->isActive());
    }
}

TEST_F(GuiTest, TheAboutLinkOpensConnectHtmlAndTheProgramIconShows) {
    TKartei kartei;
    QTimer timer1;
    TForm4 form(timer1, kartei, nullptr);
    Browserfalle falle;
    form.show();
    auto* link = form.findChild<QLabel*>(QStringLiteral("Label8"));
    EXPECT_EQ(link->text(), Homepageadresse());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(falle.geoeffnet, QStringList{Pfad(QStringLiteral("Connect.html"))});
    EXPECT_TRUE(form.isVisible());
    const auto* symbol = form.findChild<QLabel*>(QStringLiteral("Programmsymbol"));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->pixmap().toImage(), Programmsymbol().pixmap(32, 32).toImage());
}

} // namespace
} // namespace lexidor::test
