// The shell's KVTML reader: what it hands core from a real file, what it leaves out, and the
// files it refuses.
#include "kvtmlleser.h"
#include "plattform.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

std::optional<KvtmlDokument> Lesen(std::string_view xml, QString* fehler = nullptr) {
    QString f;
    auto d = KvtmlLesen(xml, f);
    if (fehler) {
        *fehler = f;
    }
    return d;
}

std::string Uebersetzungen(const KvtmlEintrag& e) {
    std::string s = std::to_string(e.zeile) + ':';
    for (const KvtmlUebersetzung& u : e.uebersetzungen) {
        s += ' ' + u.id + '=' + u.text + (u.grad ? '/' + std::to_string(*u.grad) : "");
    }
    return s;
}

TEST(KvtmlLesen, TheSampleFileGivesLanguagesEntriesTheirLinesTextsAndGrades) {
    const auto datei = DateiLesen(QStringLiteral(LEXIDOR_TESTDATA "/import/tiere.kvtml"));
    ASSERT_TRUE(datei);
    const auto d = Lesen(*datei);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->sprachen.size(), 2u);
    EXPECT_EQ(d->sprachen[1].id + d->sprachen[1].name + d->sprachen[1].locale, "1Deutschde");
    ASSERT_EQ(d->eintraege.size(), 4u); // the lessons' references to entries are no entries
    EXPECT_EQ(Uebersetzungen(d->eintraege[0]), "19: 0=dog/2 1=Hund");
    EXPECT_EQ(Uebersetzungen(d->eintraege[2]), "41: 0=butterfly/7 1=Schmetterling/4");
    EXPECT_EQ(Uebersetzungen(d->eintraege[3]), "61: 0=mice\n(plural) 1=M\xC3\xA4use");
}

// Parley keeps a grade per direction, and conjugations carry texts and grades of their own.
TEST(KvtmlLesen, OnlyTheTranslationsOwnTextAndHighestGradeCount) {
    const auto d = Lesen(R"(<kvtml version="2.0"><entries><entry id="0">
        <translation id="0"><text>gehen &amp; laufen</text>
          <grade fromid="1"><currentgrade>3</currentgrade></grade>
          <grade fromid="2"><currentgrade>5</currentgrade></grade>
          <conjugation><tense>Präsens</tense><singular><firstperson><text>gehe</text>
            <grade><currentgrade>7</currentgrade></grade></firstperson></singular></conjugation>
          <comment>unregelmäßig</comment>
        </translation></entry></entries></kvtml>)");
    ASSERT_TRUE(d);
    ASSERT_EQ(d->eintraege.size(), 1u);
    EXPECT_EQ(Uebersetzungen(d->eintraege[0]), "1: 0=gehen & laufen/5");
}

TEST(KvtmlLesen, BrokenXmlAndTheFirstVersionAreRefusedWithAReason) {
    QString fehler;
    EXPECT_FALSE(Lesen("<kvtml version=\"2.0\">\n<entries>\n<entry>\n</entries>", &fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Zeile 4: "))) << fehler.toStdString();
    EXPECT_FALSE(Lesen("<kvtml version=\"1.0\"><e><o>Haus</o><t>house</t></e></kvtml>", &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Nur KVTML-Dateien der Version 2 können importiert werden."));
    EXPECT_FALSE(Lesen("<html><p>&lt;kvtml&gt;</p></html>", &fehler));
    EXPECT_EQ(fehler, QStringLiteral("Die Datei ist keine KVTML-Datei."));
}

} // namespace
} // namespace lexidor
