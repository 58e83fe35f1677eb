// The shell's KVTML reader: what it hands core, what it leaves out, and the files it refuses.
// The sample file goes through it in the import tests.
#include "kvtmlleser.h"

#include "../core/testdatei.h"
#include "gui_hilfen.h"
#include "vokabelimport.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

using namespace Qt::StringLiterals;

// Parley keeps a grade per direction, and conjugations carry texts and grades of their own.
TEST(KvtmlLesen, OnlyTheTranslationsOwnTextAndHighestGradeCountInAnyEncoding) {
    QString fehler;
    const auto d = KvtmlLesen(R"(<kvtml version="2.0"><identifiers><identifier id="0">
        <name>Deutsch</name><locale>de</locale></identifier><identifier id="1"/></identifiers>
        <entries><entry id="0">
        <translation id="0"><text>gehen &amp; laufen</text>
          <grade fromid="1"><currentgrade>3</currentgrade></grade>
          <grade fromid="2"><currentgrade>5</currentgrade></grade>
          <conjugation><tense>Präsens</tense><singular><firstperson><text>gehe</text>
            <grade><currentgrade>7</currentgrade></grade></firstperson></singular></conjugation>
          <comment>unregelmäßig</comment>
        </translation></entry></entries></kvtml>)",
                              fehler);
    ASSERT_TRUE(d) << fehler.toStdString();
    ASSERT_EQ(d->sprachen.size(), 2u);
    EXPECT_EQ(d->sprachen[0].id + d->sprachen[0].name + d->sprachen[0].locale, "0Deutschde");
    ASSERT_EQ(d->eintraege.size(), 1u);
    ASSERT_EQ(d->eintraege[0].uebersetzungen.size(), 1u);
    const KvtmlUebersetzung& u = d->eintraege[0].uebersetzungen[0];
    EXPECT_EQ(std::to_string(d->eintraege[0].zeile) + ':' + u.id + '=' + u.text,
              "3:0=gehen & laufen");
    EXPECT_EQ(u.grad, 5);

    // UTF-16, and one translation per language counts, however many an entry repeats.
    const QString text =
        u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><kvtml version=\"2.0\"><identifiers>"
        "<identifier id=\"0\"><locale>de</locale></identifier><identifier id=\"1\"/>"
        "</identifiers><entries><entry><translation id=\"0\"><text>Bär</text></translation>"_s +
        u"<translation id=\"1\"><text>bear</text></translation>"_s.repeated(200'000) +
        u"</entry></entries></kvtml>"_s;
    std::string datei = "\xFF\xFE";
    datei.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const auto d16 = KvtmlLesen(datei, fehler);
    ASSERT_TRUE(d16) << fehler.toStdString();
    const Importtabelle t = KvtmlTabelle(*d16);
    EXPECT_EQ(t.Feld(0, 0), "B\xC3\xA4r");
    EXPECT_EQ(t.Feld(0, 1), "bear");
}

std::string Kvtml(const std::string& kopf, const std::string& inhalt) {
    return "<?xml version=\"1.0\"?>" + kopf + "<kvtml version=\"2.0\">" + inhalt + "</kvtml>";
}

std::string Wiederholt(const char* stueck, int n) {
    return QByteArray(stueck).repeated(n).toStdString();
}

// The older format of kvoctrain reads as Parley's does, German found by its language code;
// the lessons and what a card cannot hold come along for the dialog and the closing message.
TEST(KvtmlLesen, TheOlderFormatGivesItsRowsLessonsAndWhatIsLeftOut) {
    QString fehler;
    const auto d = KvtmlLesen(Testdatei("import/kvtml1.kvtml"), fehler);
    ASSERT_TRUE(d) << fehler.toStdString();
    const Importtabelle t = KvtmlTabelle(*d);
    EXPECT_EQ(Lektionsnamen(t), (std::vector<std::string>{"Haustiere (2)", "Ohne Lektion (1)"}));
    TKartei kartei;
    EXPECT_EQ(ImportMeldung(Importieren(kartei, t, StandardWahl(t))),
              "3 Vokabeln wurden importiert.\n\nNicht übernommen: 1 Kommentar");
    EXPECT_EQ(test::Karten(kartei),
              (QStringList{u"1 Hund | dog"_s, u"1 Katze | cat"_s, u"1 Mäuse | mice"_s}));
}

// Broken and hostile files: each is refused with its German reason, never crashes or exhausts
// memory. Where the limits lie is core's; a row for each count the reader makes.
TEST(KvtmlLesen, BrokenFilesAndFilesThatWouldOverflowTheStackOrMemoryAreRefused) {
    const std::string sprachen = "<identifiers><identifier id=\"0\"/><identifier id=\"1\"/>"
                                 "</identifiers>";
    const std::string entitaet =
        "<!DOCTYPE kvtml [<!ENTITY e \"" + std::string(3000, 'x') + "\">]>";
    const std::pair<std::string, QString> faelle[] = {
        {"<html><p>&lt;kvtml&gt;</p></html>", u"Die Datei ist keine KVTML-Datei."_s},
        {Kvtml("", sprachen + "<entries><entry><translation id=\"0\"><text>" +
                       Wiederholt("<b>", 60'000) + "</text></translation></entry></entries>"),
         u"Die Elemente der Datei sind tiefer als 64 Ebenen ineinander verschachtelt."_s},
        {Kvtml(entitaet, sprachen + "<entries><entry><translation id=\"0\"><text>" +
                             Wiederholt("&e;", 350'000) +
                             "</text></translation></entry></entries>"),
         u"Die Datei ergibt entpackt mehr als das Vierfache ihrer Größe an Text: "
         "ihre Entitäten vervielfachen sich."_s},
        {Kvtml("", "<identifiers>" + Wiederholt("<identifier/>", 100) + "</identifiers><entries>" +
                       Wiederholt("<entry/>", 200'000) + "</entries>"),
         u"Die Datei hat mehr Einträge in mehr Sprachen, als eine Kartei mit "
         "höchstens 3200000 Vokabeln je aufnehmen könnte."_s},
        {Testdatei("import/einsprachig.kvtml"),
         u"Die Datei enthält Wörter in nur einer Sprache („Deutsch“); eine Vokabel "
         "braucht zwei Bedeutungen."_s},
    };
    for (const auto& [datei, grund] : faelle) {
        QString fehler;
        EXPECT_FALSE(KvtmlLesen(datei, fehler));
        EXPECT_TRUE(fehler.contains(grund)) << fehler.toStdString();
    }
}

} // namespace
} // namespace lexidor
