// What the user sees of the windows: the caret in view after a replacement, readable fixed
// colours under a light and a dark palette, and the grading row in line with the fields above.
#include "bearbeiten.h"
#include "hauptfenster_hilfen.h"
#include "hinzufuegen.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <cmath>

namespace lexidor::test {
namespace {

// The key "1" inserts a text that wraps over several lines.
Ersatztexte LangeErsetzung() {
    Ersatztexte texte = ErsatztexteLeer();
    texte[0] = std::string(300, 'x');
    return texte;
}

// A long entry with the caret at its end, then the mapped key: the caret must stay in view.
void CaretBleibtSichtbar(QPlainTextEdit* feld) {
    feld->setFocus();
    feld->setPlainText(u"Zeile\n"_s.repeated(30));
    feld->moveCursor(QTextCursor::End);
    feld->ensureCursorVisible();
    Tippen(feld, u"1"_s);
    ASSERT_TRUE(feld->toPlainText().endsWith(QString(300, u'x')))
        << feld->objectName().toStdString();
    EXPECT_TRUE(feld->viewport()->rect().contains(feld->cursorRect()))
        << feld->objectName().toStdString();
}

// WCAG contrast ratio; 3 is the least for bold and large text.
double Kontrast(const QColor& a, const QColor& b) {
    const auto leuchtdichte = [](const QColor& c) {
        const auto kanal = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
    };
    const double hell = std::max(leuchtdichte(a), leuchtdichte(b));
    const double dunkel = std::min(leuchtdichte(a), leuchtdichte(b));
    return (hell + 0.05) / (dunkel + 0.05);
}

// A label's text against the face it stands on: its own when it fills it, else its parent's.
double LabelKontrast(QWidget* fenster, const char* name) {
    const QWidget* flaeche = Kind<QLabel>(fenster, name);
    const QColor text = flaeche->palette().color(QPalette::WindowText);
    while (flaeche->parentWidget() && !flaeche->autoFillBackground()) {
        flaeche = flaeche->parentWidget();
    }
    return Kontrast(text, flaeche->palette().color(QPalette::Window));
}

double FeldKontrast(QWidget* fenster, const char* name) {
    const QPalette p = Kind<QPlainTextEdit>(fenster, name)->palette();
    return Kontrast(p.color(QPalette::Text), p.color(QPalette::Base));
}

class AnsichtTest : public HauptfensterTest {
protected:
    void TearDown() override {
        form.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
        HauptfensterTest::TearDown();
    }
};

TEST_F(AnsichtTest, CaretStaysInViewAfterAReplacementInAllFiveFields) {
    Schreiben(u"sonderzeichen.ini"_s, ErsatztexteSpeichern(LangeErsetzung()));
    MitKartei();
    CaretBleibtSichtbar(Teil<QPlainTextEdit>("Memo2"));

    TKartei kartei;
    TEinstellungen einstellungen;
    const Ersatztexte ersatz = LangeErsetzung();
    TForm5 hinzufuegen(kartei, einstellungen, ersatz, nullptr);
    Zeigen(&hinzufuegen);
    TForm6 bearbeiten(kartei, ersatz, nullptr);
    Zeigen(&bearbeiten);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&hinzufuegen, &bearbeiten}) {
        CaretBleibtSichtbar(Kind<QPlainTextEdit>(dialog, "Memo1"));
        CaretBleibtSichtbar(Kind<QPlainTextEdit>(dialog, "Memo2"));
    }
}

// Under a light palette the fixed colours need no face of their own; under a dark one (Qt's,
// derived from a dark grey) the texts without a fixed colour follow the palette.
TEST_F(AnsichtTest, FixedColoursStayReadableAndTheGradingRowLinesUpUnderEachPalette) {
    for (const bool dunkel : {false, true}) {
        QApplication::setPalette(dunkel ? QPalette(QColor(53, 53, 53))
                                        : QApplication::style()->standardPalette());
        // A rejected answer: input, solution and both labels in their fixed colours.
        MitKartei({{1, "Haus", "house"}, {1, "Baum", "tree"}});
        Antworten(u"falsch"_s);
        Taste(Qt::Key_F10);
        form->Timer3Timer(); // the tick that hides the start panel
        ASSERT_TRUE(Teil<QLabel>("Label7")->isVisible());
        for (const char* feld : {"Memo2", "Memo3"}) {
            EXPECT_GE(FeldKontrast(form.get(), feld), 3.0) << feld;
        }
        for (const char* label : {"Label6", "Label7", "Labr", "Labf", "Label8", "labgesamt"}) {
            EXPECT_GE(LabelKontrast(form.get(), label), 3.0) << label;
        }
        EXPECT_TRUE(dunkel || !Teil<QLabel>("Label6")->autoFillBackground());
        // The grading row ends flush with the solution field and the level bar.
        const int rechts = Teil<QPlainTextEdit>("Memo3")->geometry().right();
        for (const char* teil : {"PaintBox1", "Rbutton", "Label7"}) {
            EXPECT_EQ(Teil<QWidget>(teil)->geometry().right(), rechts) << teil;
        }
        EXPECT_LT(Teil<QLabel>("Label4")->geometry().right(), Teil<QLabel>("Label7")->x());
        EXPECT_EQ(Teil<QPlainTextEdit>("Memo3")->x(), Teil<QPushButton>("Rbutton")->x());
        Taste(Qt::Key_F10); // on to the next card, then its solution with F9
        Taste(Qt::Key_F9);
        EXPECT_GE(FeldKontrast(form.get(), "Memo3"), 3.0);
        EXPECT_EQ(Teil<QPushButton>("Fbutton")->geometry().right(), rechts);
    }
    EXPECT_EQ(Teil<QPlainTextEdit>("Memo1")->palette().color(QPalette::Base), QColor(53, 53, 53));
}

} // namespace
} // namespace lexidor::test
