// Hostile and awkward files: what is no regular file is refused without waiting (a read that
// waited for a FIFO's writer would hang the test until its deadline), and a box in a folder
// where no file can be made is saved in place.
#include "hauptfenster_hilfen.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace lexidor::test {
namespace {

const QString kLadefehler = QStringLiteral("Datei ist fehlerhaft oder nicht vorhanden!");

class RobustheitTest : public HauptfensterTest {
protected:
    QString Fifo(const QString& name) {
        const QString pfad = Pfad(name);
        QFile::remove(pfad);
        EXPECT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0) << name.toStdString();
        return pfad;
    }
    static bool IstFifo(const QString& pfad) {
        struct stat st {};
        return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }
    QString Socket(const QString& name) {
        const QString pfad = Pfad(name);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        const QByteArray p = QFile::encodeName(pfad);
        std::memcpy(adresse.sun_path, p.constData(),
                    std::min<std::size_t>(p.size(), sizeof adresse.sun_path - 1));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
        ::close(fd);
        return pfad;
    }
};

TEST_F(RobustheitTest, WhatIsNoRegularFileIsRefusedAtOnceWithoutBeingOpened) {
    const QString box = Fifo(QStringLiteral("box.vkd"));
    const QString history = Fifo(QStringLiteral("history.ini"));
    for (const QString& pfad : {box, history, Socket(QStringLiteral("s.vkd")), verzeichnis.path(),
                                QStringLiteral("/dev/null")}) {
        EXPECT_EQ(DateiLesen(pfad), std::nullopt) << pfad.toStdString();
    }
    // Nor is anything else written in its place.
    EXPECT_FALSE(DateiSchreiben(box, "x"));
    EXPECT_TRUE(IstFifo(box));

    // A FIFO as "history.ini" counts as missing; as a card box it cannot be read.
    Starten();
    EXPECT_EQ(form->Historie.Get(0), "none");
    Oeffnen(box);
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{kLadefehler});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Karvello Lexidor 1.1"));
}

// Root may write anywhere, so there the test runs itself again as an ordinary user, from a
// copy of itself in a folder that user can reach.
void AlsGewoehnlicherNutzer() {
    const passwd* nutzer = ::getpwnam("nobody");
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (!nutzer || setpriv.isEmpty()) {
        GTEST_SKIP() << "Als root ohne den Nutzer nobody oder ohne setpriv lässt sich kein "
                        "Ordner ohne Schreibrecht prüfen.";
    }
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString kopie = ordner.filePath(QStringLiteral("test"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), kopie));
    ASSERT_EQ(::chmod(QFile::encodeName(ordner.path()).constData(), 0755), 0);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess lauf;
    lauf.setProcessChannelMode(QProcess::MergedChannels);
    lauf.start(
        setpriv,
        {QStringLiteral("--reuid=%1").arg(nutzer->pw_uid),
         QStringLiteral("--regid=%1").arg(nutzer->pw_gid), QStringLiteral("--clear-groups"), kopie,
         QStringLiteral("--gtest_filter=%1.%2")
             .arg(QString::fromUtf8(info->test_suite_name()), QString::fromUtf8(info->name()))});
    ASSERT_TRUE(lauf.waitForFinished(120000));
    const QString ausgabe = QString::fromUtf8(lauf.readAll());
    EXPECT_EQ(lauf.exitCode(), 0) << ausgabe.toStdString();
    EXPECT_TRUE(ausgabe.contains(QStringLiteral("[  PASSED  ] 1 test"))) << ausgabe.toStdString();
}

TEST_F(RobustheitTest, InAFolderWhereNoFileCanBeMadeFilesAreWrittenInPlace) {
    if (::geteuid() == 0) {
        AlsGewoehnlicherNutzer();
        return;
    }
    ASSERT_TRUE(QDir(verzeichnis.path()).mkdir(QStringLiteral("nur")));
    const QString box = Kartei(QStringLiteral("nur/k.vkd"), {{1, "Haus", "house"}});
    Schreiben(QStringLiteral("history.ini"), "none\r\nnone\r\nnone\r\nnone\r\n");
    const QByteArray nur = QFile::encodeName(Pfad(QStringLiteral("nur")));
    const QByteArray programm = QFile::encodeName(verzeichnis.path());
    ASSERT_EQ(::chmod(nur.constData(), 0555), 0);
    ASSERT_EQ(::chmod(programm.constData(), 0555), 0);

    Starten();
    Oeffnen(box);
    form->Kartei.Fach[1].Add({"Baum", "tree", "", true});
    form->Speichern1Click();
    EXPECT_TRUE(form->Kartei.Gesichert);
    // The program's own files, too, are written in their read-only folder.
    form->Einstellungen.Fach2 = 4;
    EXPECT_TRUE(form->close());
    ::chmod(nur.constData(), 0755);
    ::chmod(programm.constData(), 0755);
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty()) << Meldung::Gezeigt().join(u'|').toStdString();
    EXPECT_NE(Lesen(QStringLiteral("nur/k.vkd")).find("Baum\r\ntree\r\n"), std::string::npos);
    EXPECT_NE(Lesen(QStringLiteral("lexidor.ini")).find("Fach2=4\r\n"), std::string::npos);
    EXPECT_TRUE(Lesen(QStringLiteral("history.ini")).starts_with(PfadBytes(box)));
}

} // namespace
} // namespace lexidor::test
