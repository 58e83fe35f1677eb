// The help notice's 3-second timer and click, and the about window: its link, its program icon
// and the query clock restarted on closing only while a card box is open.
#include "browser.h"
#include "browserfalle.h"
#include "gui_hilfen.h"
#include "hilfehinweis.h"
#include "info.h"
#include "programmsymbol.h"

#include <QElapsedTimer>
#include <QLabel>
#include <memory>

namespace lexidor::test {

namespace {

class HilfehinweisTest : public GuiTest {
protected:
    TForm3 form{nullptr};
};

TEST_F(HilfehinweisTest, ClosesByItselfAfterThreeSeconds) {
    QElapsedTimer uhr;
    uhr.start();
    form.exec();
    EXPECT_GE(uhr.elapsed(), 2900);
    EXPECT_LT(uhr.elapsed(), 4500);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Einen Moment..."));
}

TEST_F(HilfehinweisTest, AClickClosesItAndTheNextShowingLastsTheFullTime) {
    ModalBedienen([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QLabel*>(QStringLiteral("Panel1")), Qt::LeftButton);
    });
    QElapsedTimer uhr;
    uhr.start();
    form.exec();
    EXPECT_LT(uhr.elapsed(), 1000);
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_FALSE(timer->isActive());
    uhr.restart();
    form.exec();
    EXPECT_GE(uhr.elapsed(), 2900);
}

TEST_F(HilfehinweisTest, TheCloseBoxStopsTheTimer) {
    ModalBedienen([](QWidget* modal) { modal->close(); });
    form.exec();
    EXPECT_FALSE(form.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

class InfoTest : public GuiTest {
protected:
    // What ber1Click does around the window: the clock stops before it opens.
    void Zeigen() {
        timer1.stop();
        ModalBedienen([this](QWidget* modal) {
            laeuftOffen = timer1.isActive();
            modal->close();
        });
        form.exec();
    }

    TKartei kartei;
    QTimer timer1;
    TForm4 form{timer1, kartei, nullptr};
    bool laeuftOffen = true;
};

TEST_F(InfoTest, ClosingRestartsTheClockWhileACardBoxIsOpen) {
    kartei.Geoeffnet = true;
    timer1.start(1000);
    Zeigen();
    EXPECT_FALSE(laeuftOffen);
    EXPECT_TRUE(timer1.isActive());
    EXPECT_EQ(timer1.interval(), 1000);
}

TEST_F(InfoTest, WithNoCardBoxTheClockStaysStopped) {
    Zeigen();
    EXPECT_FALSE(timer1.isActive());
}

TEST_F(InfoTest, TheLinkOpensConnectHtmlAndLeavesTheWindowOpen) {
    Browserfalle falle;
    form.show();
    auto* link = form.findChild<QLabel*>(QStringLiteral("Label8"));
    EXPECT_EQ(link->text(), Homepageadresse());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(falle.geoeffnet, QStringList{Pfad(QStringLiteral("Connect.html"))});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(729, 481));
}

TEST_F(InfoTest, ShowsTheProgramIconNotAGenericPicture) {
    const auto* symbol = form.findChild<QLabel*>(QStringLiteral("Programmsymbol"));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->pixmap().toImage(), Programmsymbol().pixmap(32, 32).toImage());
}

TEST(HtmlOeffnen, HandsTheFileOfTheProgramDirectoryToTheBrowser) {
    Browserfalle falle;
    ProgrammverzeichnisFestlegen(QStringLiteral("/tmp/lexidor-programm"));
    HtmlOeffnen(QStringLiteral("Hilfe.html"));
    ProgrammverzeichnisFestlegen(QString());
    EXPECT_EQ(falle.geoeffnet, QStringList{QStringLiteral("/tmp/lexidor-programm/Hilfe.html")});
}

} // namespace
} // namespace lexidor::test
