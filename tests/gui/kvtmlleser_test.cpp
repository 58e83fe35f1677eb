// The shell's KVTML reader: what it hands core, what it leaves out, and the files it refuses.
// The sample file goes through it in the import tests.
#include "kvtmlleser.h"

#include <gtest/gtest.h>

namespace lexidor {
namespace {

// Parley keeps a grade per direction, and conjugations carry texts and grades of their own.
TEST(KvtmlLesen, OnlyTheTranslationsOwnTextAndHighestGradeCount) {
    QString fehler;
    const auto d = KvtmlLesen(R"(<kvtml version="2.0"><identifiers><identifier id="0">
        <name>Deutsch</name><locale>de</locale></identifier></identifiers><entries><entry id="0">
        <translation id="0"><text>gehen &amp; laufen</text>
          <grade fromid="1"><currentgrade>3</currentgrade></grade>
          <grade fromid="2"><currentgrade>5</currentgrade></grade>
          <conjugation><tense>Präsens</tense><singular><firstperson><text>gehe</text>
            <grade><currentgrade>7</currentgrade></grade></firstperson></singular></conjugation>
          <comment>unregelmäßig</comment>
        </translation></entry></entries></kvtml>)",
                              fehler);
    ASSERT_TRUE(d) << fehler.toStdString();
    ASSERT_EQ(d->sprachen.size(), 1u);
    EXPECT_EQ(d->sprachen[0].id + d->sprachen[0].name + d->sprachen[0].locale, "0Deutschde");
    ASSERT_EQ(d->eintraege.size(), 1u);
    EXPECT_EQ(d->eintraege[0].zeile, 2);
    ASSERT_EQ(d->eintraege[0].uebersetzungen.size(), 1u);
    const KvtmlUebersetzung& u = d->eintraege[0].uebersetzungen[0];
    EXPECT_EQ(u.id + '=' + u.text, "0=gehen & laufen");
    EXPECT_EQ(u.grad, 5);
}

TEST(KvtmlLesen, BrokenXmlAndTheFirstVersionAreRefusedWithAReason) {
    QString fehler;
    EXPECT_FALSE(KvtmlLesen("<kvtml version=\"2.0\">\n<entries>\n<entry>\n</entries>", fehler));
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("Zeile 4: "))) << fehler.toStdString();
    EXPECT_FALSE(KvtmlLesen("<kvtml version=\"1.0\"><e><o>Haus</o></e></kvtml>", fehler));
    EXPECT_EQ(fehler, QStringLiteral("Nur KVTML-Dateien der Version 2 können importiert werden."));
    EXPECT_FALSE(KvtmlLesen("<html><p>&lt;kvtml&gt;</p></html>", fehler));
    EXPECT_EQ(fehler, QStringLiteral("Die Datei ist keine KVTML-Datei."));
}

} // namespace
} // namespace lexidor
