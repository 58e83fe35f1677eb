// Hostile and awkward files: what is no regular file is refused without waiting (a read that
// waited for a FIFO's writer would hang the test until its deadline), a write that fails keeps
// the old content, a box in a folder where no file can be made is saved in place and never cut
// off, and a link another user planted is not followed.
#include "hauptfenster_hilfen.h"
#include "ueberschreiben.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <fcntl.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexidor::test {
namespace {

class RobustheitTest : public HauptfensterTest {
protected:
    // Copies of old contents go to a cache folder of the test's own.
    Umgebung cache{"XDG_CACHE_HOME", Pfad(u"cache"_s)};
    QString Fifo(const QString& name) {
        const QString pfad = Pfad(name);
        QFile::remove(pfad);
        EXPECT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0) << name.toStdString();
        return pfad;
    }
};

TEST_F(RobustheitTest, WhatIsNoRegularFileIsRefusedAtOnceWithoutBeingOpened) {
    const QString box = Fifo(u"box.vkd"_s);
    for (const QString& pfad : {box, verzeichnis.path(), u"/dev/null"_s}) {
        EXPECT_EQ(DateiLesen(pfad), std::nullopt) << pfad.toStdString();
    }
    EXPECT_FALSE(DateiSchreiben(box, "x"));
    EXPECT_TRUE(QFileInfo(box).exists() && !QFileInfo(box).isFile());

    // A box is read piece by piece, and a FIFO is refused there as well.
    Starten();
    Oeffnen(box);
    EXPECT_EQ(Meldung::Gezeigt(), QStringList{u"Datei ist fehlerhaft oder nicht vorhanden!"_s});
    EXPECT_EQ(form->windowTitle(), u"Karvello Lexidor 1.1"_s);
}

// Root may write anywhere, so there the test runs itself again as an ordinary user, from a
// copy of itself in a folder that user can reach.
void AlsGewoehnlicherNutzer(
    const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    const passwd* nutzer = ::getpwnam("nobody");
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (!nutzer || setpriv.isEmpty()) {
        GTEST_SKIP() << "Als root ohne den Nutzer nobody oder ohne setpriv lässt sich kein "
                        "Ordner ohne Schreibrecht prüfen.";
    }
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString kopie = ordner.filePath(u"test"_s);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), kopie));
    ASSERT_EQ(::chmod(QFile::encodeName(ordner.path()).constData(), 0755), 0);
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess lauf;
    lauf.setProcessEnvironment(umgebung);
    lauf.setProcessChannelMode(QProcess::MergedChannels);
    lauf.start(setpriv, {u"--reuid=%1"_s.arg(nutzer->pw_uid), u"--regid=%1"_s.arg(nutzer->pw_gid),
                         u"--clear-groups"_s, kopie,
                         u"--gtest_filter=%1.%2"_s.arg(QString::fromUtf8(info->test_suite_name()),
                                                       QString::fromUtf8(info->name()))});
    ASSERT_TRUE(lauf.waitForFinished(120000));
    const QString ausgabe = QString::fromUtf8(lauf.readAll());
    EXPECT_EQ(lauf.exitCode(), 0) << ausgabe.toStdString();
    EXPECT_TRUE(ausgabe.contains(u"[  PASSED  ] 1 test"_s)) << ausgabe.toStdString();
}

TEST_F(RobustheitTest, InAFolderWhereNoFileCanBeMadeFilesAreWrittenInPlaceOrKeptWhole) {
    if (::geteuid() == 0) {
        AlsGewoehnlicherNutzer();
        return;
    }
    ASSERT_TRUE(QDir(verzeichnis.path()).mkdir(u"nur"_s));
    ASSERT_TRUE(QDir(verzeichnis.path()).mkdir(u"cache"_s));
    const QString box = Kartei(u"nur/k.vkd"_s, {{1, "Haus", "house"}});
    Schreiben(u"history.ini"_s, "none\r\nnone\r\nnone\r\nnone\r\n");
    const QByteArray nur = QFile::encodeName(Pfad(u"nur"_s));
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
    EXPECT_NE(Lesen(u"nur/k.vkd"_s).find("Baum\r\ntree\r\n"), std::string::npos);
    EXPECT_NE(Lesen(u"lexidor.ini"_s).find("Fach2=4\r\n"), std::string::npos);
    EXPECT_TRUE(Lesen(u"history.ini"_s).starts_with(PfadBytes(box)));

    // A write that breaks off keeps the old content: beside the file, and in place, where the
    // copy kept meanwhile in the cache folder is gone afterwards. A read hands over every byte,
    // piece by piece, and stops when told.
    const QString datei = Pfad(u"nur/k.vkd"_s);
    const std::string alt(5000, 'a');
    struct Fall {
        const char* name;
        bool amOrt;
        Schreiber schreiber;
        bool ok;
        std::string danach;
    };
    // In place the writer runs once to count and once to write; these fail in the second run.
    int lauf = 0;
    const Fall faelle[] = {
        {"bricht ab", false, [](const Stueckweise& s) { return !s("halb"); }, false, alt},
        {"ganz", false, [](const Stueckweise& s) { return s("neu ") && s("Inhalt"); }, true,
         "neu Inhalt"},
        {"bricht ab", true, [&](const Stueckweise& s) { return s("halb") && ++lauf == 1; }, false,
         alt},
        {"mehr als gezählt", true,
         [&](const Stueckweise& s) { return s(std::string(++lauf * 9000, 'b')); }, false, alt},
        {"länger", true,
         [](const Stueckweise& s) { return s("neu ") && s(std::string(9000, 'n')); }, true,
         "neu " + std::string(9000, 'n')},
        {"kürzer", true, [](const Stueckweise& s) { return s("kurz"); }, true, "kurz"},
    };
    for (const Fall& f : faelle) {
        lauf = 0;
        ASSERT_TRUE(DateiSchreiben(datei, alt));
        ASSERT_EQ(::chmod(nur.constData(), f.amOrt ? 0555 : 0755), 0);
        const Schreibergebnis ergebnis = DateiStueckweiseSchreiben(datei, f.schreiber);
        ::chmod(nur.constData(), 0755);
        EXPECT_EQ(ergebnis.ok, f.ok) << f.name;
        EXPECT_TRUE(ergebnis.sicherung.empty()) << f.name;
        EXPECT_TRUE(DateiLesen(datei) == f.danach) << f.name;
        EXPECT_TRUE(QDir(Sicherungsordner()).isEmpty()) << f.name;
    }
    // Without a place for the copy nothing is overwritten.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(Pfad(u"nur/k.vkd/cache"_s)));
    ::chmod(nur.constData(), 0555);
    const Schreibergebnis ergebnis = DateiSchreiben(datei, "neu");
    ::chmod(nur.constData(), 0755);
    EXPECT_EQ(ergebnis.grund, Schreibgrund::KeineSicherung);
    EXPECT_EQ(DateiLesen(datei), "kurz");

    std::string gross;
    for (int i = 0; gross.size() < 3'000'000; ++i) {
        gross += std::to_string(i) + "\r\n";
    }
    ASSERT_TRUE(DateiSchreiben(datei, gross));
    std::string gelesen;
    int stuecke = 0;
    EXPECT_TRUE(DateiStueckweiseLesen(datei, [&](std::string_view stueck) {
        gelesen += stueck;
        return ++stuecke > 0;
    }));
    EXPECT_TRUE(gelesen == gross);
    EXPECT_GE(stuecke, 3);
    stuecke = 0;
    EXPECT_TRUE(DateiStueckweiseLesen(datei, [&](std::string_view) { return ++stuecke < 2; }));
    EXPECT_EQ(stuecke, 2);
    EXPECT_FALSE(
        DateiStueckweiseLesen(Pfad(u"fehlt.vkd"_s), [](std::string_view) { return true; }));
}

// A box the user may write in a folder where no file can be made, on a full disk: the save
// is refused before anything is overwritten, and says why. Root mounts a small file system
// and fills it, and the user then saves on it.
TEST_F(RobustheitTest, AFullDiskNeverCutsOffABoxSavedInPlace) {
    const QString voll = qEnvironmentVariable("LEXIDOR_VOLL");
    if (::geteuid() == 0) {
        const QString ort = Pfad(u"voll"_s);
        ASSERT_TRUE(QDir().mkdir(ort));
        const QByteArray o = QFile::encodeName(ort);
        if (::mount("tmpfs", o.constData(), "tmpfs", 0, "size=256k,mode=0755") != 0) {
            GTEST_SKIP() << "Kein kleines Dateisystem einzuhängen.";
        }
        const passwd* nutzer = ::getpwnam("nobody");
        ASSERT_NE(nutzer, nullptr);
        ASSERT_TRUE(QDir().mkdir(ort + u"/nur"_s));
        const QString box = Kartei(u"voll/nur/k.vkd"_s, {{1, "Haus", "house"}});
        ::chown(QFile::encodeName(box).constData(), nutzer->pw_uid, nutzer->pw_gid);
        ::chmod(QFile::encodeName(ort + u"/nur"_s).constData(), 0555);
        ::chmod(QFile::encodeName(verzeichnis.path()).constData(), 0755);
        // Filled to the last block.
        const int fuell = ::open((o + "/fuell").constData(), O_WRONLY | O_CREAT, 0600);
        const std::string block(4096, 'x');
        while (::write(fuell, block.data(), block.size()) > 0) {
        }
        ::close(fuell);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(u"LEXIDOR_VOLL"_s, ort);
        AlsGewoehnlicherNutzer(umgebung);
        ::umount2(o.constData(), MNT_DETACH);
        return;
    }
    if (voll.isEmpty()) {
        GTEST_SKIP() << "Nur als root lässt sich ein kleines Dateisystem einhängen.";
    }
    const QString box = voll + u"/nur/k.vkd"_s;
    const auto vorher = DateiLesen(box);
    ASSERT_TRUE(vorher);
    Starten();
    Oeffnen(box);
    for (int i = 0; i < 3000; ++i) {
        form->Kartei.Fach[1].Add({"Baum " + std::to_string(i), "tree", "", true});
    }
    form->Speichern1Click();
    EXPECT_FALSE(form->Kartei.Gesichert);
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Fehler beim speichern der Datei\n\nAuf dem Datenträger ist "
                          "nicht genug Platz. Es wurde nichts überschrieben."_s});
    EXPECT_TRUE(DateiLesen(box) == vorher);
    EXPECT_TRUE(QDir(Sicherungsordner()).isEmpty());
}

// A link another user planted in a shared sticky folder, pointing at a file of the user's:
// neither export nor save follows it. Only root can give a link to another user.
TEST_F(RobustheitTest, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const passwd* fremder = ::getpwnam("nobody");
    if (::geteuid() != 0 || !fremder) {
        GTEST_SKIP() << "Nur root kann einen Link einem anderen Benutzer geben.";
    }
    const QString geteilt = Pfad(u"geteilt"_s);
    ASSERT_TRUE(QDir().mkdir(geteilt));
    ASSERT_EQ(::chmod(QFile::encodeName(geteilt).constData(), 01777), 0);
    Schreiben(u"eigen.txt"_s, "geheim");
    const QString link = geteilt + u"/x.csv"_s;
    const auto verlinken = [&](uid_t besitzer) {
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(Pfad(u"eigen.txt"_s), link));
        ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), besitzer, besitzer), 0);
    };
    // The user's own link is followed.
    verlinken(::geteuid());
    EXPECT_TRUE(DateiSchreiben(link, "neu"));
    EXPECT_EQ(Lesen(u"eigen.txt"_s), "neu");
    // Another user's is not; the export names the refusal.
    verlinken(fremder->pw_uid);
    MitKartei();
    Dateiwahl::NaechsteAntwort(link);
    form->Exportieren1Click();
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Die Datei „%1“ konnte nicht geschrieben werden.\n\nDie "
                          "Datei ist eine symbolische Verknüpfung, die ein anderer "
                          "Benutzer in einem gemeinsamen Ordner angelegt hat; ihr "
                          "wird nicht gefolgt. Es wurde nichts überschrieben."_s.arg(link)});
    EXPECT_EQ(Lesen(u"eigen.txt"_s), "neu");
}

} // namespace
} // namespace lexidor::test
