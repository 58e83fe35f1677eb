// The single-instance guard: the first start holds the place, a second hands over and the
// first comes to the front; the place lies in a folder nobody else may enter.
#include "einzelinstanz.h"
#include "gui_hilfen.h"
#include "meldung.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <sys/stat.h>

namespace lexidor::test {
namespace {

class EinzelinstanzTest : public GuiTest {
protected:
    static int Modus(const QString& pfad) {
        struct stat st {};
        return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    }

    QTemporaryDir laufzeit; // made with mode 0700, as a session's runtime folder is
    QTemporaryDir cache;
    Umgebung laufzeitOrdner{"XDG_RUNTIME_DIR", laufzeit.path()};
    Umgebung cacheOrdner{"XDG_CACHE_HOME", cache.path()};
};

// A second start hands over and ends; once the first has ended, the next one runs. The
// end-to-end test covers what a killed run leaves behind.
TEST_F(EinzelinstanzTest, FirstStartHoldsThePlaceASecondHandsOverAndEnds) {
    QWidget fenster;
    {
        Einzelinstanz erste;
        ASSERT_TRUE(erste.Beanspruchen());
        erste.FensterSetzen(&fenster);
        Einzelinstanz zweite;
        EXPECT_FALSE(zweite.Beanspruchen());
        EXPECT_TRUE(Bis([&] { return fenster.isVisible(); }));
    }
    // A holder on this computer that does not answer: the start ends, but says why.
    Einzelinstanz naechste;
    QLockFile halter(naechste.Socketpfad() + u".lock"_s);
    ASSERT_TRUE(halter.tryLock(0));
    EXPECT_FALSE(naechste.Beanspruchen());
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Lexidor läuft bereits (Prozess %1), antwortet aber nicht. "
                          "Beenden Sie es, bevor Sie Lexidor erneut starten."_s.arg(
                              QCoreApplication::applicationPid())});
    halter.unlock();
    EXPECT_TRUE(naechste.Beanspruchen());
}

// Another user cannot take the name first: a runtime folder that others may enter is not
// used, and the folder used instead is the user's alone.
TEST_F(EinzelinstanzTest, ThePlaceLiesInAFolderOnlyTheUserMayEnter) {
    EXPECT_EQ(Einzelinstanz::PrivatesVerzeichnis(), laufzeit.path());
    ASSERT_EQ(::chmod(QFile::encodeName(laufzeit.path()).constData(), 01777), 0);
    const QString eigenes = Einzelinstanz::PrivatesVerzeichnis();
    EXPECT_EQ(eigenes, cache.path() + u"/lexidor"_s);
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

// A lock left on another computer (a home shared over the network) or with no readable
// holder cannot be checked from here: the start takes it over and says so, without waiting.
TEST_F(EinzelinstanzTest, ALockThatCannotBeCheckedNeverKeepsTheProgramOut) {
    for (const QByteArray& inhalt :
         {QByteArray("4711\nlexidor\nanderer-rechner\n"), QByteArray("x")}) {
        Meldung::Gezeigt().clear();
        Einzelinstanz instanz;
        QFile sperre(instanz.Socketpfad() + u".lock"_s);
        ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
        sperre.write(inhalt);
        sperre.close();
        const QDeadlineTimer frist(2000);
        EXPECT_TRUE(instanz.Beanspruchen());
        EXPECT_FALSE(frist.hasExpired());
        ASSERT_EQ(Meldung::Gezeigt().size(), 1);
        EXPECT_TRUE(Meldung::Gezeigt()[0].contains(u"Lexidor startet trotzdem"_s));
        // The lock is this start's own now: the next start hands over to it.
        Einzelinstanz zweite;
        EXPECT_FALSE(zweite.Beanspruchen());
    }
}

} // namespace
} // namespace lexidor::test
