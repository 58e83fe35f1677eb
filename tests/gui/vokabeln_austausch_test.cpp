// Import and export through the main window: the import dialog shows what core read and hands
// back the user's choices; the save dialog's file type picks the format; the window's own
// messages. What becomes of each row, and the closing message's text, are core's.
#include "hauptfenster_hilfen.h"
#include "importdialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <functional>

namespace lexidor::test {
namespace {

QString Beispiel(const char* name) {
    return QStringLiteral(LEXIDOR_TESTDATA "/import/") + QString::fromLatin1(name);
}

QString Zelle(QWidget* dialog, int zeile, int spalte) {
    return Kind<QTableWidget>(dialog, "Vorschau")->item(zeile, spalte)->text();
}

class AustauschTest : public HauptfensterTest {
protected:
    // Imports the file: bedienen sets the dialog's controls, then knopf closes it ("Button1"
    // imports, "Button2" cancels).
    void Importieren(const QString& pfad, const std::function<void(QWidget*)>& bedienen = {},
                     const char* knopf = "Button1") {
        ModalBedienen([=](QWidget* dialog) {
            if (!qobject_cast<TImportdialog*>(dialog)) {
                ADD_FAILURE() << "no import dialog";
                dialog->close();
                return;
            }
            if (bedienen) {
                bedienen(dialog);
            }
            Kind<QPushButton>(dialog, knopf)->click();
        });
        OhneDialog(pfad);
    }
    // A dialog that came all the same would stay open until the test's deadline.
    void OhneDialog(const QString& pfad) {
        Dateiwahl::NaechsteAntwort(pfad);
        Meldung::Gezeigt().clear();
        form->Importieren1Click();
    }
};

// Which encoding a file has is core's; the dialog names what it found and shows refused rows
// with their reason, and the levels come along when chosen.
TEST_F(AustauschTest, SpreadsheetsComeInWithTheirLevelsAndTheirReportWhateverTheirSize) {
    Starten();
    form->Neu1Click();
    form->Kartei.Gesichert = true;
    QStringList gesehen;
    Importieren(Beispiel("tabelle_utf8.csv"), [&](QWidget* dialog) {
        gesehen << Kind<QLabel>(dialog, "Label1")->text().section(u',', -1)
                << Zelle(dialog, 0, 1) + Zelle(dialog, 0, 4)
                << Zelle(dialog, 7, 0) + Zelle(dialog, 7, 5);
        Kind<QRadioButton>(dialog, "RadioButton2")->click(); // the levels come along
    });
    EXPECT_EQ(gesehen, (QStringList{u" UTF-8 mit BOM"_s, u"Haus1"_s,
                                    u"11wird übersprungen: Beide Seiten sind leer."_s}));
    EXPECT_EQ(Karten(form->Kartei).last(), u"6 Häuser¾¼Gebäude | houses¾¼buildings"_s);
    EXPECT_TRUE(Meldung::Gezeigt().value(0).startsWith(u"8 Vokabeln wurden"_s));
    EXPECT_FALSE(form->Kartei.Gesichert);
    EXPECT_EQ(Beschriftung("gesamt"), u"Gesamt:  8"_s);
    EXPECT_FALSE(Text("Memo1").isEmpty()); // the next card is asked

    // A list larger than what the dialog reads of it: the preview shows its start, the import
    // reads the rest from the disk piece by piece, and a refused row near its end keeps its
    // line.
    std::string liste = "Deutsch;Englisch\n";
    for (int i = 0; i < 100'000; ++i) {
        liste += "Straße " + std::to_string(i) + ";street\n";
    }
    Schreiben(u"gross.csv"_s, liste + "----;x\n");
    form->Kartei.Gesichert = true; // a new box without asking to save the last import's
    form->Neu1Click();
    QString vorschau;
    Importieren(Pfad(u"gross.csv"_s),
                [&](QWidget* dialog) { vorschau = Kind<QLabel>(dialog, "Label2")->text(); });
    EXPECT_EQ(vorschau, u"&Vorschau: die ersten 30 Zeilen"_s);
    const TVokList& fach = form->Kartei.Fach[1];
    ASSERT_EQ(fach.Count(), 100'000);
    EXPECT_EQ(fach.Deutsch(fach.Count() - 1), "Straße 99999");
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"100000 Vokabeln wurden importiert.\n\n1 Zeile wurde "
                          "übersprungen:\nZeile 100002: Die deutsche Bedeutung "
                          "beginnt mit \"----\"."_s});
}

QStringList Spaltentitel(QWidget* dialog) {
    auto* vorschau = Kind<QTableWidget>(dialog, "Vorschau");
    QStringList titel;
    for (int s = 0; s < vorschau->columnCount(); ++s) {
        titel << vorschau->horizontalHeaderItem(s)->text();
    }
    return titel;
}

// Every column of the file is shown under its name, and choosing another separator by keys
// reads the file again at once. Lessons are listed and only the checked ones come in.
TEST_F(AustauschTest, ThePreviewFollowsTheSeparatorAndTheLessonsChosen) {
    MitKartei({});
    QStringList vorher;
    QStringList nachher;
    QString zelle;
    Importieren(
        Beispiel("kopf_nomen.csv"),
        [&](QWidget* dialog) {
            vorher = Spaltentitel(dialog);
            QTest::keyClick(Kind<QComboBox>(dialog, "ComboBox3"), Qt::Key_Up); // "," to "|"
            nachher = Spaltentitel(dialog);
            zelle = Zelle(dialog, 0, 1);
        },
        "Button2");
    EXPECT_EQ(vorher,
              (QStringList{u"Zeile"_s, u"Spalte 1: noun\n(deutsch)"_s, u"Spalte 2: article"_s,
                           u"Spalte 3: plural"_s, u"Spalte 4: english\n(fremdsprachlich)"_s,
                           u"Fach"_s, u"Hinweis"_s}));
    EXPECT_EQ(nachher, (QStringList{u"Zeile"_s, u"Spalte 1\n(deutsch)"_s,
                                    u"Spalte 2\n(fremdsprachlich)"_s, u"Fach"_s, u"Hinweis"_s}));
    EXPECT_EQ(zelle, u"noun,article,plural,english"_s);
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty()); // cancelled: nothing imported

    // The lessons listed, the first unchecked by keys: the entry it shares with another stays.
    QStringList lektionen;
    Importieren(Beispiel("lektionen.kvtml"), [&](QWidget* dialog) {
        auto* liste = Kind<QListWidget>(dialog, "ListWidget1");
        for (int i = 0; i < liste->count(); ++i) {
            lektionen << liste->item(i)->text();
        }
        liste->setCurrentRow(0);
        QTest::keyClick(liste, Qt::Key_Space);
    });
    EXPECT_EQ(lektionen.join(u','), u"Tiere (2),Wohnen (2),Wohnen / Möbel (1),Ohne Lektion (1)"_s);
    EXPECT_EQ(Karten(form->Kartei).join(u','), u"1 Katze | cat,1 Haus | house,1 Tisch | table,"
                                               "1 Baum | tree"_s);
}

TEST_F(AustauschTest, FilesThatCannotBeUsedChangeNothingAndTheFileTypeDecidesTheFormat) {
    MitKartei();
    Schreiben(u"kaputt.kvtml"_s, "<kvtml version=\"2.0\">\n<entries>\n</kvtml>\n");
    Schreiben(u"kaputt.vkd"_s, Lesen(u"k.vkd"_s).substr(0, 120));
    const std::pair<const char*, QString> faelle[] = {
        {"fehlt.csv", u"Die Datei „%1“ kann nicht gelesen werden."_s},
        {"kaputt.kvtml", u"Die Datei „%1“ kann nicht importiert werden.\n\nZeile 3: "_s},
        {"kaputt.vkd", u"Die Vokabelkartei „%1“ ist fehlerhaft."_s}};
    for (const auto& [name, meldung] : faelle) {
        const QString pfad = Pfad(QString::fromLatin1(name));
        OhneDialog(pfad);
        ASSERT_EQ(Meldung::Gezeigt().size(), 1) << name;
        EXPECT_TRUE(Meldung::Gezeigt()[0].startsWith(meldung.arg(pfad)))
            << Meldung::Gezeigt()[0].toStdString();
    }
    // A file whose rows are all refused leaves the box as it was.
    Schreiben(u"abgelehnt.txt"_s, "----;x\n----;y\n");
    Importieren(Pfad(u"abgelehnt.txt"_s));
    EXPECT_TRUE(Meldung::Gezeigt().value(0).startsWith(u"0 Vokabeln wurden"_s));
    EXPECT_EQ(Karten(form->Kartei).size(), 1);
    EXPECT_TRUE(form->Kartei.Gesichert);

    const QString ohneOrdner = Pfad(u"fehlt/v.csv"_s);
    Dateiwahl::NaechsteAntwort(ohneOrdner);
    Meldung::Gezeigt().clear();
    form->Exportieren1Click();
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{u"Die Datei „%1“ konnte nicht geschrieben werden."_s.arg(ohneOrdner)});

    // Qt's own save dialog, driven by keys: the file type decides the format, a name typed
    // without an ending gets the type's, and the next export starts with the type used last.
    Dateiwahl::Testbetrieb(false);
    const struct {
        const char* name;
        bool naechsterTyp;
        const char* datei;
        std::string inhalt;
    } exporte[] = {{"v", false, "v.csv", "Deutsch;Fremd;Lernstufe\r\nHaus;house;1\r\n"},
                   {"liste", true, "liste.txt", "Deutsch\tFremd\tLernstufe\r\nHaus\thouse\t1\r\n"},
                   {"noch", false, "noch.txt", "Deutsch\tFremd\tLernstufe\r\nHaus\thouse\t1\r\n"}};
    for (const auto& [name, naechsterTyp, datei, inhalt] : exporte) {
        ModalBedienen([name, naechsterTyp, this](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            if (naechsterTyp) {
                QTest::keyClick(Kind<QComboBox>(dialog, "fileTypeCombo"), Qt::Key_Down);
            }
            // Qt's file dialog follows a typed name only while its field has the focus.
            auto* feld = Kind<QLineEdit>(dialog, "fileNameEdit");
            feld->setFocus();
            feld->setText(Pfad(QString::fromLatin1(name)));
            QTest::keyClick(feld, Qt::Key_Return);
        });
        form->Exportieren1Click();
        EXPECT_EQ(Lesen(QString::fromLatin1(datei)), "\xEF\xBB\xBF" + inhalt);
    }
}

} // namespace
} // namespace lexidor::test
