// Import and export through the main window: the menu items, the file dialogs, the import
// dialog's choices, each kind of sample file, round trips and the report at the end.
#include "cp1252.h"
#include "hauptfenster_hilfen.h"
#include "importdialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

namespace lexidor::test {
namespace {

const QString kKeineKartei = QStringLiteral("Keine Vokabelkartei geöffnet!");

QString Beispiel(const char* name) {
    return QStringLiteral(LEXIDOR_TESTDATA "/import/") + QString::fromLatin1(name);
}

// A control of the import dialog.
template <typename T> T* Im(QWidget* dialog, const char* name) {
    T* teil = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(teil, nullptr) << name;
    return teil;
}

void StufenBehalten(QWidget* dialog) {
    Im<QRadioButton>(dialog, "RadioButton2")->click();
}

class AustauschTest : public HauptfensterTest {
protected:
    // A new box without a file; its cards are what the import brings.
    void LeereKartei() {
        if (!form) {
            Starten();
        }
        form->Kartei.Gesichert = true; // what the last import brought is not kept
        form->Neu1Click();
        ASSERT_TRUE(form->Kartei.Geoeffnet);
    }

    // Imports the file: bedienen sets the import dialog's controls, then knopf closes it
    // ("Button1" imports, "Button2" cancels). A dialog is never left waiting.
    void Importieren(const QString& pfad, const std::function<void(QWidget*)>& bedienen = {},
                     const char* knopf = "Button1") {
        Dateiwahl::NaechsteAntwort(pfad);
        Meldung::Gezeigt().clear();
        dialogGesehen = false;
        QTimer waechter;
        waechter.setInterval(10);
        QObject::connect(&waechter, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TImportdialog*>(QApplication::activeModalWidget());
            if (!dialog || dialogGesehen) {
                return;
            }
            dialogGesehen = true;
            if (bedienen) {
                bedienen(dialog);
            }
            Im<QPushButton>(dialog, knopf)->click();
        });
        waechter.start();
        form->Importieren1Click();
    }

    void Exportieren(const QString& pfad, Exportformat format) {
        Dateiwahl::NaechsteAntwort(pfad, format == Exportformat::TextTabulator ? 1 : 0);
        form->Exportieren1Click();
    }

    // Every card, compartment by compartment, in UTF-8 and readable in a failure.
    QStringList Karten() const {
        QStringList karten;
        for (int k = 1; k <= 6; ++k) {
            const TVokList& fach = form->Kartei.Fach[k];
            for (int i = 0; i < fach.Count(); ++i) {
                karten << QStringLiteral("%1 %2 | %3")
                              .arg(k)
                              .arg(AusCp1252(fach.Deutsch(i)), AusCp1252(fach.Fremd(i)));
            }
        }
        return karten;
    }

    bool dialogGesehen = false;
};

TEST_F(AustauschTest, BothItemsFollowTheListAndWithoutABoxOnlySayIt) {
    Starten();
    QStringList namen;
    for (const QAction* a : Teil<QMenu>("Vokabeln1")->actions()) {
        namen << a->objectName();
    }
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Hinzufgen1"), QStringLiteral("Liste1"),
                                  QStringLiteral("Importieren1"), QStringLiteral("Exportieren1"),
                                  QStringLiteral("Wirbel1")}));
    EXPECT_EQ(Teil<QAction>("Importieren1")->statusTip(),
              QStringLiteral("Vokabeln aus einer Textdatei oder einer anderen Lernkartei "
                             "übernehmen"));
    EXPECT_EQ(Teil<QAction>("Exportieren1")->statusTip(),
              QStringLiteral("Alle Vokabeln dieser Kartei als Textdatei speichern"));
    Teil<QAction>("Importieren1")->trigger();
    Teil<QAction>("Exportieren1")->trigger();
    EXPECT_EQ(Meldung::Gezeigt(), (QStringList{kKeineKartei, kKeineKartei}));
}

// The same spreadsheet saved as UTF-8 with a mark and as Windows-1252: the dialog names what
// it found, shows the refused rows with their reason, and the levels come along when chosen.
TEST_F(AustauschTest, SpreadsheetCsvInEitherEncodingComesInWithItsLevelsAndItsReport) {
    const std::pair<const char*, QString> dateien[] = {
        {"tabelle_utf8.csv", QStringLiteral("UTF-8 mit BOM")},
        {"tabelle_1252.csv", QStringLiteral("Windows-1252")}};
    for (const auto& [datei, kodierung] : dateien) {
        LeereKartei();
        QString art, erste, leer;
        Importieren(Beispiel(datei), [&](QWidget* dialog) {
            art = Im<QLabel>(dialog, "Label1")->text();
            auto* vorschau = Im<QTableWidget>(dialog, "Vorschau");
            erste = vorschau->item(0, 0)->text() + u' ' + vorschau->item(0, 1)->text() + u' ' +
                    vorschau->item(0, 3)->text();
            leer = vorschau->item(7, 0)->text() + u' ' + vorschau->item(7, 4)->text();
            StufenBehalten(dialog);
        });
        EXPECT_TRUE(dialogGesehen);
        EXPECT_EQ(art, QStringLiteral("„%1“: Text, getrennt durch Semikolon, %2")
                           .arg(QString::fromLatin1(datei), kodierung));
        EXPECT_EQ(erste, QStringLiteral("2 Haus 1"));
        EXPECT_EQ(leer, QStringLiteral("11 wird übersprungen: Beide Seiten sind leer."));
        EXPECT_EQ(
            Karten(),
            (QStringList{QStringLiteral("1 Haus | house"), QStringLiteral("1 Straße | street"),
                         QStringLiteral("2 Tür; Pforte | door"), QStringLiteral("2 Käse | cheese"),
                         QStringLiteral("3 Bär | bear"),
                         QStringLiteral("4 sagen \"Hallo\" | to say \"hello\""),
                         QStringLiteral("5 Euromünze (€) | euro coin"),
                         QStringLiteral("6 Häuser¾¼Gebäude | houses¾¼buildings")}))
            << datei;
        EXPECT_EQ(Meldung::Gezeigt(),
                  QStringList{QStringLiteral(
                      "8 Vokabeln wurden importiert.\n\n2 Zeilen wurden übersprungen:\n"
                      "Zeile 11: Beide Seiten sind leer.\n"
                      "Zeile 13: Die deutsche Bedeutung beginnt mit \"----\".")});
        EXPECT_FALSE(form->Kartei.Gesichert);
        EXPECT_EQ(Beschriftung("gesamt"), QStringLiteral("Gesamt:  8"));
        EXPECT_FALSE(Text("Memo1").isEmpty()); // the next card is asked
    }
}

TEST_F(AustauschTest, TabListAnkiKvtmlAndAnotherBoxComeInThroughTheDialog) {
    Schreiben(QStringLiteral("lexidor.ini"), "[Optionen]\r\nAbfragerichtung=0\r\nAutosave=1\r\n");
    Starten();
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {}));
    // German and foreign swapped in the dialog; its preview follows the choice.
    QString vorschau;
    Importieren(Beispiel("liste_tab.txt"), [&](QWidget* dialog) {
        Im<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
        Im<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(0);
        vorschau = Im<QTableWidget>(dialog, "Vorschau")->item(0, 1)->text();
        EXPECT_FALSE(Im<QRadioButton>(dialog, "RadioButton2")->isEnabled());
    });
    EXPECT_EQ(vorschau, QStringLiteral("dog"));
    EXPECT_EQ(Karten().first(), QStringLiteral("1 dog | Hund"));
    EXPECT_EQ(Karten().size(), 4);
    // The box has a file: the automatic save took the cards in at once.
    EXPECT_TRUE(form->Kartei.Gesichert);
    EXPECT_NE(Lesen(QStringLiteral("k.vkd")).find("butterfly\r\nSchmetterling\r\n"),
              std::string::npos);
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{QStringLiteral("4 Vokabeln wurden importiert.\n\n1 Zeile wurde "
                                         "übersprungen:\nZeile 5: Das Zeichen „Ł“ kann in einer "
                                         "Vokabelkartei nicht gespeichert werden.")});

    LeereKartei();
    Importieren(Beispiel("anki_notizen.txt"));
    EXPECT_EQ(Karten(), (QStringList{QStringLiteral("1 Haus | house"),
                                     QStringLiteral("1 Häuser¾¼Gebäude | houses¾¼buildings"),
                                     QStringLiteral("1 \"Tür\" & Tor | door¾¼gate"),
                                     QStringLiteral("1 Spalte mit\tTab | column with <tab>")}));

    LeereKartei();
    QString sprachen;
    Importieren(Beispiel("tiere.kvtml"), [&](QWidget* dialog) {
        sprachen = Im<QComboBox>(dialog, "ComboBox1")->currentText() + u'/' +
                   Im<QComboBox>(dialog, "ComboBox2")->currentText();
        StufenBehalten(dialog);
    });
    EXPECT_EQ(sprachen, QStringLiteral("Spalte 1: Deutsch/Spalte 2: English"));
    const QStringList tiere = {
        QStringLiteral("1 Katze | cat"), QStringLiteral("1 Mäuse | mice¾¼(plural)"),
        QStringLiteral("3 Hund | dog"), QStringLiteral("6 Schmetterling | butterfly")};
    EXPECT_EQ(Karten(), tiere);

    // Another card box, with its compartments.
    Kartei(QStringLiteral("tiere.vkd"), {{3, "Hund", "dog"}, {6, "Schmetterling", "butterfly"}});
    Importieren(Pfad(QStringLiteral("tiere.vkd")), StufenBehalten);
    EXPECT_EQ(Karten(), (QStringList{tiere[0], tiere[1], tiere[2], tiere[2], tiere[3], tiere[3]}));
}

TEST_F(AustauschTest, ExportThenImportWithLevelsKeptGivesTheSameBox) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{1, "Haus", "house"},
                                             {2, "H\xE4user\xBE\xBCGeb\xE4ude", "houses"},
                                             {3, "sagen \"Hallo\"", "to say; hello, \"bye\""},
                                             {4, "Tab\tim Text", " Leerzeichen "},
                                             {5, "Euro", "\x80"},
                                             {6, "", "nur fremd"},
                                             {6, "nur deutsch", ""}}));
    const QStringList vorher = Karten();
    ASSERT_EQ(vorher.size(), 7);
    for (const auto format : {Exportformat::CsvSemikolon, Exportformat::TextTabulator}) {
        const QString datei = Pfad(format == Exportformat::CsvSemikolon ? QStringLiteral("v.csv")
                                                                        : QStringLiteral("v.txt"));
        Exportieren(datei, format);
        const auto bytes = DateiLesen(datei).value_or("");
        EXPECT_TRUE(bytes.starts_with(format == Exportformat::CsvSemikolon
                                          ? "\xEF\xBB\xBF"
                                            "Deutsch;Fremd;Lernstufe\r\n"
                                          : "\xEF\xBB\xBF"
                                            "Deutsch\tFremd\tLernstufe\r\n"));
        LeereKartei();
        Importieren(datei, StufenBehalten);
        EXPECT_EQ(Karten(), vorher);
        EXPECT_EQ(Meldung::Gezeigt(), QStringList{QStringLiteral("7 Vokabeln wurden importiert.")});
    }
}

// The real save dialog, driven by keys: the file type decides the format, and a name typed
// without an ending gets the type's; the next export starts with the type used last.
TEST_F(AustauschTest, TheChosenFileTypeDecidesFormatAndEnding) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{1, "Haus", "house"}}));
    Dateiwahl::Testbetrieb(false);
    const auto speichern = [this](const QString& name, bool typWechseln) {
        QString typ;
        QTimer waechter;
        waechter.setInterval(10);
        QObject::connect(&waechter, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            // The dialog follows the name typed only while its field has the focus.
            if (!dialog || !dialog->isActiveWindow() || !typ.isEmpty()) {
                return;
            }
            if (typWechseln) {
                QTest::keyClick(Im<QComboBox>(dialog, "fileTypeCombo"), Qt::Key_Down);
            }
            typ = dialog->selectedNameFilter();
            auto* feld = Im<QLineEdit>(dialog, "fileNameEdit");
            feld->setFocus();
            feld->setText(Pfad(name));
            QTest::keyClick(feld, Qt::Key_Return);
        });
        waechter.start();
        form->Exportieren1Click();
        return typ;
    };
    EXPECT_EQ(speichern(QStringLiteral("liste"), true), QStringLiteral("Text, Tabulator (*.txt)"));
    EXPECT_EQ(Lesen(QStringLiteral("liste.txt")), "\xEF\xBB\xBF"
                                                  "Deutsch\tFremd\tLernstufe\r\n"
                                                  "Haus\thouse\t1\r\n");
    EXPECT_EQ(speichern(QStringLiteral("noch"), false), QStringLiteral("Text, Tabulator (*.txt)"));
    EXPECT_TRUE(Lesen(QStringLiteral("noch.txt"))
                    .starts_with("\xEF\xBB\xBF"
                                 "Deutsch\t"));
}

TEST_F(AustauschTest, FilesThatCannotBeUsedAreNamedAndChangeNothing) {
    Starten();
    Oeffnen(Kartei(QStringLiteral("k.vkd"), {{1, "Haus", "house"}}));
    const QString fehlt = Pfad(QStringLiteral("fehlt.csv"));
    Importieren(fehlt, {}, "Button2");
    EXPECT_FALSE(dialogGesehen);
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(fehlt)});

    Schreiben(QStringLiteral("kaputt.kvtml"),
              "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<entries>\n</kvtml>\n");
    Importieren(Pfad(QStringLiteral("kaputt.kvtml")), {}, "Button2");
    EXPECT_FALSE(dialogGesehen);
    ASSERT_EQ(Meldung::Gezeigt().size(), 1);
    EXPECT_TRUE(Meldung::Gezeigt().first().startsWith(
        QStringLiteral("Die Datei „%1“ kann nicht importiert werden.\n\nZeile 4: ")
            .arg(Pfad(QStringLiteral("kaputt.kvtml")))))
        << Meldung::Gezeigt().first().toStdString();

    Schreiben(QStringLiteral("kaputt.vkd"), Lesen(QStringLiteral("k.vkd")).substr(0, 120));
    Importieren(Pfad(QStringLiteral("kaputt.vkd")), {}, "Button2");
    EXPECT_EQ(Meldung::Gezeigt(),
              QStringList{QStringLiteral("Die Vokabelkartei „%1“ ist fehlerhaft.")
                              .arg(Pfad(QStringLiteral("kaputt.vkd")))});

    Importieren(Beispiel("liste_tab.txt"), {}, "Button2");
    EXPECT_TRUE(dialogGesehen);
    EXPECT_TRUE(Meldung::Gezeigt().isEmpty());
    EXPECT_EQ(Karten(), QStringList{QStringLiteral("1 Haus | house")});
    EXPECT_TRUE(form->Kartei.Gesichert);

    const QString ohneOrdner = Pfad(QStringLiteral("fehlt/v.csv"));
    Exportieren(ohneOrdner, Exportformat::CsvSemikolon);
    EXPECT_EQ(
        Meldung::Gezeigt(),
        QStringList{
            QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(ohneOrdner)});
}

} // namespace
} // namespace lexidor::test
