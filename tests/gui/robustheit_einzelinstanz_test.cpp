// The single-instance guard: the first start holds the place, a second hands over and the
// first comes to the front; the place lies in a folder nobody else may enter.
#include "einzelinstanz.h"
#include "gui_hilfen.h"

#include <QDeadlineTimer>
#include <QFile>
#include <sys/stat.h>

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
    Einzelinstanz naechste;
    EXPECT_TRUE(naechste.Beanspruchen());
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
