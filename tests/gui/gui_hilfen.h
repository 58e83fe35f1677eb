// Helpers for the window tests: a fresh program directory per test, modal dialogs reached
// from a timer, and typing of characters that QTest::keyClicks cannot send.
#pragma once

#include "dateien.h"
#include "dateiwahl.h"
#include "kartei.h"
#include "meldung.h"
#include "pause.h"
#include "programmpfade.h"
#include "umwandlung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
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

using namespace Qt::StringLiterals; // u"..."_s, Qt's short form of QStringLiteral

namespace modal {
// Dialogs the running test waits for; a number per test, so that the waiting of a test that
// has ended never reaches the next one.
inline int offen = 0;
inline int testlauf = 0;

inline void Abwarten(std::function<void(QWidget*)> aktion, QDeadlineTimer frist, int lauf) {
    QTimer::singleShot(10, [aktion = std::move(aktion), frist, lauf]() mutable {
        if (lauf != testlauf) {
            return;
        }
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->isVisible() && dialog->isActiveWindow()) {
            --offen;
            aktion(dialog);
            return;
        }
        if (!frist.hasExpired()) {
            Abwarten(std::move(aktion), frist, lauf);
            return;
        }
        --offen;
        ADD_FAILURE() << (dialog ? "the modal dialog never became active" : "no modal dialog came");
        if (dialog) {
            dialog->close(); // so that the test goes on instead of hanging
        }
    });
}
} // namespace modal

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
        EXPECT_EQ(modal::offen, 0) << "a modal dialog the test operates never came";
        modal::offen = 0;
        ++modal::testlauf;
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
// window; on a busy machine the activation comes some time after the showing. A dialog that
// has not come when the test ends fails the test.
inline void ModalBedienen(std::function<void(QWidget*)> aktion) {
    ++modal::offen;
    modal::Abwarten(std::move(aktion), QDeadlineTimer(20000), modal::testlauf);
}

// Closes the next modal dialog, which must be the named one.
inline void ModalSchliessen(const char* name) {
    ModalBedienen([name](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QString::fromLatin1(name));
        modal->close();
    });
}

// Shows a window and waits until it has the keyboard.
inline void Zeigen(QWidget* fenster) {
    fenster->show();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster));
}

// A named control of a window; a missing one fails the test.
template <typename T> T* Kind(const QObject* fenster, const char* name) {
    T* teil = fenster->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(teil, nullptr) << name;
    return teil;
}

// Clicks a window's named push button; a missing one fails the test.
inline void Klicken(const QObject* fenster, const char* knopf) {
    if (auto* k = Kind<QAbstractButton>(fenster, knopf)) {
        QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(8, k->height() / 2));
    }
}

// Handles events until the condition holds or the deadline has passed.
inline bool Bis(const std::function<bool()>& bedingung, int ms = 5000) {
    const QDeadlineTimer frist(ms);
    while (!bedingung() && !frist.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return bedingung();
}

// An environment variable set for as long as the object lives.
class Umgebung {
public:
    Umgebung(const char* name, const QString& wert) : name_(name), alt_(qgetenv(name)) {
        qputenv(name, QFile::encodeName(wert));
    }
    ~Umgebung() { alt_.isNull() ? qunsetenv(name_) : qputenv(name_, alt_); }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    const char* name_;
    QByteArray alt_;
};

// Every card of a box, compartment by compartment: "compartment German | foreign".
inline QStringList Karten(const TKartei& kartei) {
    QStringList karten;
    for (int k = 1; k <= 6; ++k) {
        const TVokList& fach = kartei.Fach[k];
        for (int i = 0; i < fach.Count(); ++i) {
            karten << u"%1 %2 | %3"_s.arg(k).arg(AusUtf8(fach.Deutsch(i)), AusUtf8(fach.Fremd(i)));
        }
    }
    return karten;
}

// Types text character by character, umlauts included.
inline void Tippen(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace lexidor::test
