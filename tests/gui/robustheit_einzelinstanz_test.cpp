// The single-instance guard: the first start holds the place, a second hands over and the
// first comes to the front; what a killed run left behind does not count; the place lies in
// a folder nobody else may enter.
#include "einzelinstanz.h"
#include "gui_hilfen.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace lexidor::test {
namespace {

class EinzelinstanzTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(laufzeit.isValid());
        ASSERT_TRUE(cache.isValid());
        vorher = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    }
    void TearDown() override {
        if (vorher.isNull()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", vorher);
        }
        qunsetenv("XDG_CACHE_HOME");
        GuiTest::TearDown();
    }
    static int Modus(const QString& pfad) {
        struct stat st {};
        return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    }
    // Events are handled until the condition holds or the deadline has passed.
    static bool Bis(const std::function<bool()>& bedingung) {
        const QDeadlineTimer frist(5000);
        while (!bedingung() && !frist.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return bedingung();
    }

    QTemporaryDir laufzeit; // made with mode 0700, as a session's runtime folder is
    QTemporaryDir cache;
    QByteArray vorher;
};

TEST_F(EinzelinstanzTest, FirstStartHoldsThePlaceASecondHandsOverAndEnds) {
    QWidget fenster;
    {
        Einzelinstanz erste;
        ASSERT_TRUE(erste.Beanspruchen());
        EXPECT_TRUE(erste.Socketpfad().startsWith(laufzeit.path() + u'/'));
        erste.FensterSetzen(&fenster);
        Einzelinstanz zweite;
        EXPECT_FALSE(zweite.Beanspruchen());
        EXPECT_TRUE(Bis([&] { return fenster.isVisible(); }));
    }
    // Once the first has ended, the next start runs.
    Einzelinstanz naechste;
    EXPECT_TRUE(naechste.Beanspruchen());
}

// A run killed with SIGKILL leaves its lock file and its socket behind.
TEST_F(EinzelinstanzTest, WhatAKilledRunLeftBehindDoesNotCount) {
    const QString socket = Einzelinstanz().Socketpfad();
    QProcess beendet;
    beendet.start(QStringLiteral("true"), {});
    ASSERT_TRUE(beendet.waitForStarted());
    const qint64 toterProzess = beendet.processId();
    ASSERT_TRUE(beendet.waitForFinished());
    {
        // The lock file as a run writes it, then given the number of a process that is gone.
        QLockFile probe(socket + QStringLiteral(".lock"));
        ASSERT_TRUE(probe.tryLock(0));
        QFile datei(socket + QStringLiteral(".lock"));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        QByteArray inhalt = datei.readAll();
        datei.close();
        probe.unlock();
        inhalt = QByteArray::number(toterProzess) + inhalt.mid(inhalt.indexOf('\n'));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
    }
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socket);
    std::memcpy(adresse.sun_path, name.constData(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(fd);

    QWidget fenster;
    Einzelinstanz neu;
    ASSERT_TRUE(neu.Beanspruchen());
    neu.FensterSetzen(&fenster);
    Einzelinstanz zweite;
    EXPECT_FALSE(zweite.Beanspruchen());
    EXPECT_TRUE(Bis([&] { return fenster.isVisible(); }));
}

// Another user cannot take the name first: a runtime folder that others may enter is not
// used, and the folder used instead is the user's alone.
TEST_F(EinzelinstanzTest, ThePlaceLiesInAFolderOnlyTheUserMayEnter) {
    EXPECT_EQ(Einzelinstanz::PrivatesVerzeichnis(), laufzeit.path());
    ASSERT_EQ(::chmod(QFile::encodeName(laufzeit.path()).constData(), 01777), 0);
    const QString eigenes = Einzelinstanz::PrivatesVerzeichnis();
    EXPECT_EQ(eigenes, cache.path() + QStringLiteral("/lexidor"));
    EXPECT_EQ(Modus(eigenes), 0700);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(Einzelinstanz::PrivatesVerzeichnis(), eigenes);
    Einzelinstanz instanz;
    EXPECT_TRUE(instanz.Socketpfad().startsWith(eigenes + u'/'));
    ASSERT_TRUE(instanz.Beanspruchen());
    // Even a folder made by the program before, opened up since, is closed again.
    ASSERT_EQ(::chmod(QFile::encodeName(eigenes).constData(), 0755), 0);
    EXPECT_EQ(Einzelinstanz::PrivatesVerzeichnis(), eigenes);
    EXPECT_EQ(Modus(eigenes), 0700);
}

} // namespace
} // namespace lexidor::test
