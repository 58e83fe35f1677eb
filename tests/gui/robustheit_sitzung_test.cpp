// Leaving the question about unsaved changes without a choice (Escape, its close box) never
// drops the changes: neither at closing the window nor at the session manager's question.
#include "hauptfenster_hilfen.h"

#include <QMessageBox>

namespace lexidor::test {
namespace {

TEST_F(HauptfensterTest, LeavingTheUnsavedQuestionKeepsTheWindowAndTheChanges) {
    const std::function<void(QWidget*)> verlassen[] = {
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QWidget* box) { box->close(); },
    };
    const std::function<bool(TForm1&)> enden[] = {
        [](TForm1& f) { return f.close(); },
        [](TForm1& f) { return f.SitzungBeantworten(true); },
    };
    Starten();
    const QString box = Kartei(QStringLiteral("a.vkd"), {{1, "Haus", "house"}});
    Oeffnen(box);
    const std::string vorher = Lesen(QStringLiteral("a.vkd"));
    // The real box, not the test hook: Qt decides what Escape and the close box press.
    Meldung::Testbetrieb(false);
    for (const auto& v : verlassen) {
        for (const auto& ende : enden) {
            form->Kartei.Gesichert = false;
            QStringList knoepfe;
            ModalBedienen([&](QWidget* modal) {
                for (auto* knopf : modal->findChildren<QAbstractButton*>()) {
                    if (knopf->isVisible()) {
                        knoepfe.append(knopf->text());
                    }
                }
                v(modal);
            });
            EXPECT_FALSE(ende(*form));
            EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
            EXPECT_TRUE(form->isVisible());
            EXPECT_FALSE(form->Kartei.Gesichert);
        }
    }
    Meldung::Testbetrieb(true);
    EXPECT_EQ(Lesen(QStringLiteral("a.vkd")), vorher);
}

} // namespace
} // namespace lexidor::test
