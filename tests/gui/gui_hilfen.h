// Helpers for the window tests: a fresh program directory per test, modal dialogs reached
// from a timer, and typing of characters that QTest::keyClicks cannot send.
#pragma once

#include "dateiwahl.h"
#include "meldung.h"
#include "plattform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Failed comparisons show texts as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace lexidor::test {

// Every test gets an empty program directory, no queued answers, no real message boxes or
// file dialogs (a test that does not expect one fails rather than hangs) and no pauses.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(verzeichnis.isValid());
        ProgrammverzeichnisFestlegen(verzeichnis.path());
        Meldung::Zuruecksetzen();
        Meldung::Testbetrieb(true);
        Dateiwahl::Zuruecksetzen();
        Dateiwahl::Testbetrieb(true);
        PausenAbschalten(true);
    }
    void TearDown() override {
        ProgrammverzeichnisFestlegen(QString());
        Meldung::Zuruecksetzen();
        Meldung::Testbetrieb(false);
        Dateiwahl::Zuruecksetzen();
        Dateiwahl::Testbetrieb(false);
        PausenAbschalten(false);
    }
    QString Pfad(const QString& name) const { return verzeichnis.filePath(name); }

    QTemporaryDir verzeichnis;
};

// Runs aktion on the next modal widget once it is shown and active (polls, so it also finds
// a modal dialog that a modal dialog opens). Shortcuts such as F10 reach only an active
// window; on a busy machine the activation comes some time after the showing.
inline void ModalBedienen(std::function<void(QWidget*)> aktion, int versuche = 200) {
    QTimer::singleShot(10, [aktion = std::move(aktion), versuche]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && modal->isActiveWindow()) {
            aktion(modal);
            return;
        }
        if (versuche > 0) {
            ModalBedienen(std::move(aktion), versuche - 1);
        }
    });
}

// Types text character by character, umlauts included.
inline void Tippen(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace lexidor::test
