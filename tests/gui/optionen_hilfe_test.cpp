// The help notice's 3-second timer and click, and the about window: its link, its program icon
// and the word it sends on closing.
#include "browser.h"
#include "browserfalle.h"
#include "gui_hilfen.h"
#include "hilfehinweis.h"
#include "info.h"
#include "programmsymbol.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
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
    TForm4 form{nullptr};
};

TEST_F(InfoTest, SaysOnceThatItClosedWhetherByCloseBoxOrEscape) {
    QSignalSpy geschlossen(&form, &TForm4::Geschlossen);
    ModalBedienen([](QWidget* modal) { modal->close(); });
    form.exec();
    EXPECT_EQ(geschlossen.count(), 1);
    ModalBedienen([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    form.exec();
    EXPECT_EQ(geschlossen.count(), 2);
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
