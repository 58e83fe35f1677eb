// The import dialog.
#include "importdialog.h"

#include "bausteine.h"
#include "trennwerte.h"
#include "umwandlung.h"
#include "zugang.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace lexidor;

namespace {

// Enough rows to see what the columns hold; the rest follow the same rule.
constexpr int kVorschauzeilen = 30;

QString Kodierung(Textkodierung kodierung) {
    switch (kodierung) {
    case Textkodierung::Utf8:
        return QStringLiteral("UTF-8");
    case Textkodierung::Utf8MitBom:
        return QStringLiteral("UTF-8 mit BOM");
    case Textkodierung::Utf16Le:
    case Textkodierung::Utf16Be:
        return QStringLiteral("UTF-16");
    case Textkodierung::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

// The separators as the dialog names them, in the order of kTrennzeichen.
QString Trennzeichen(char trenner) {
    switch (trenner) {
    case '\t':
        return QStringLiteral("Tabulator");
    case ';':
        return QStringLiteral("Semikolon (;)");
    case '|':
        return QStringLiteral("senkrechter Strich (|)");
    case ',':
        return QStringLiteral("Komma (,)");
    default:
        return QStringLiteral("„%1“").arg(QChar::fromLatin1(trenner));
    }
}

bool Textformat(const Importtabelle& t) {
    return t.format == Importformat::Trennzeichen || t.format == Importformat::Anki;
}

// What the reader found, so that a user whose umlauts broke elsewhere sees why they do not
// here.
QString Dateiart(const Importtabelle& t) {
    switch (t.format) {
    case Importformat::Kvtml:
        return QStringLiteral("KVTML (Parley, KWordQuiz)");
    case Importformat::Kartei:
        return QStringLiteral("Vokabelkartei");
    case Importformat::Anki:
        return QStringLiteral("Anki-Export, %1").arg(Kodierung(t.kodierung));
    case Importformat::Trennzeichen:
        break;
    }
    return QStringLiteral("Text, %1").arg(Kodierung(t.kodierung));
}

// The column's caption: its number, its name, and which side it becomes.
QString Spaltentitel(const Importtabelle& t, int spalte) {
    QString text = QStringLiteral("Spalte %1").arg(spalte + 1);
    const auto i = static_cast<std::size_t>(spalte);
    if (i < t.spaltennamen.size() && !t.spaltennamen[i].empty()) {
        text += QStringLiteral(": ") + AusUtf8(t.spaltennamen[i]);
    }
    return text;
}

QTableWidgetItem* Zelle(const QString& text, const QString& grund) {
    auto* zelle = new QTableWidgetItem(text);
    if (!grund.isEmpty()) {
        zelle->setForeground(QColor(128, 128, 128));
        zelle->setToolTip(grund);
    }
    return zelle;
}

} // namespace

TImportdialog::TImportdialog(Importtabelle tabelle, std::string_view datei,
                             const QString& dateiname, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      tabelle_(std::move(tabelle)), datei_(datei), dateiname_(dateiname),
      wahl_(StandardWahl(tabelle_)) {
    setObjectName(QStringLiteral("Importdialog"));
    setWindowTitle(QStringLiteral("Vokabeln importieren"));
    Aufbauen();
    Zeigen();
    resize(820, 580);
}

QComboBox* TImportdialog::Spaltenwahl(const char* name) {
    auto* wahl = new QComboBox(this);
    wahl->setObjectName(QString::fromLatin1(name));
    connect(wahl, &QComboBox::currentIndexChanged, this, &TImportdialog::WahlAendern);
    return wahl;
}

void TImportdialog::Aufbauen() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = Spaltenwahl("ComboBox1");
    ComboBox2 = Spaltenwahl("ComboBox2");
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    for (const char trenner : kTrennzeichen) {
        ComboBox3->addItem(Trennzeichen(trenner), QVariant::fromValue(trenner));
    }
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TImportdialog::LeseartAendern);
    auto* spalten = new QFormLayout;
    for (auto [text, wahl] : {std::pair{QStringLiteral("&Deutsche Bedeutung:"), ComboBox1},
                              std::pair{QStringLiteral("&Fremdsprachliche Bedeutung:"), ComboBox2},
                              std::pair{QStringLiteral("&Trennzeichen:"), ComboBox3}}) {
        auto* beschriftung = new QLabel(text, this);
        Beschriften(beschriftung, wahl);
        spalten->addRow(beschriftung, wahl);
    }
    // Only text files are split and may hold HTML; the other formats say what they hold.
    spalten->setRowVisible(ComboBox3, Textformat(tabelle_));
    ListWidget1 = new QListWidget(this);
    ListWidget1->setObjectName(QStringLiteral("ListWidget1"));
    ListWidget1->setMaximumHeight(ListWidget1->fontMetrics().height() * 6);
    connect(ListWidget1, &QListWidget::itemChanged, this, &TImportdialog::WahlAendern);
    Label3 = new QLabel(QStringLiteral("&Lektionen:"), this);
    Beschriften(Label3, ListWidget1);
    spalten->addRow(Label3, ListWidget1);

    CheckBox1 = new QCheckBox(QStringLiteral("Die &erste Zeile enthält Spaltennamen"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setVisible(tabelle_.format == Importformat::Trennzeichen);
    connect(CheckBox1, &QCheckBox::toggled, this, &TImportdialog::WahlAendern);
    CheckBox2 = new QCheckBox(this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setVisible(Textformat(tabelle_));
    connect(CheckBox2, &QCheckBox::toggled, this, &TImportdialog::LeseartAendern);

    auto* stufen = new QGroupBox(QStringLiteral("Lernstufen"), this);
    RadioButton1 = new QRadioButton(QStringLiteral("Alle Vokabeln in Fach &1"), stufen);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Lernstufen &übernehmen aus:"), stufen);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    connect(RadioButton2, &QRadioButton::toggled, this, &TImportdialog::WahlAendern);
    ComboBox4 = Spaltenwahl("ComboBox4");
    ComboBox4->setAccessibleName(QStringLiteral("Spalte der Lernstufen"));
    auto* stufenLayout = new QGridLayout(stufen);
    stufenLayout->addWidget(RadioButton1, 0, 0, 1, 2);
    stufenLayout->addWidget(RadioButton2, 1, 0);
    stufenLayout->addWidget(ComboBox4, 1, 1);
    stufenLayout->setColumnStretch(1, 1);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Vorschau = new QTableWidget(this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->verticalHeader()->hide();
    Vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Vorschau->setSelectionMode(QAbstractItemView::NoSelection);
    Vorschau->setTabKeyNavigation(false);
    // Rows as high as their lines; a long reason is read whole in its tool tip.
    Vorschau->setWordWrap(false);
    Vorschau->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Vorschau->horizontalHeader()->setStretchLastSection(true);
    Label2->setBuddy(Vorschau);
    Vorschau->setAccessibleName(QStringLiteral("Vorschau"));

    Button1 = Knopf("Button1", QStringLiteral("Importieren"), this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TImportdialog::Button1Click);
    Button2 = Knopf("Button2", QStringLiteral("Abbrechen"), this);
    connect(Button2, &QPushButton::clicked, this, &TImportdialog::Button2Click);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);

    auto* fenster = new QVBoxLayout(this);
    fenster->addWidget(Label1);
    fenster->addLayout(spalten);
    fenster->addWidget(CheckBox1);
    fenster->addWidget(CheckBox2);
    fenster->addWidget(stufen);
    fenster->addWidget(Label2);
    fenster->addWidget(Vorschau, 1);
    fenster->addLayout(knoepfe);
}

// The controls as the table and the choice are now, without each change calling back.
void TImportdialog::Zeigen() {
    const QSignalBlocker b1(ComboBox1), b2(ComboBox2), b3(ComboBox3), b4(CheckBox1), b5(CheckBox2),
        b6(RadioButton1), b7(RadioButton2), b8(ComboBox4);
    Label1->setText(QStringLiteral("„%1“: %2").arg(dateiname_, Dateiart(tabelle_)));
    for (QComboBox* wahl : {ComboBox1, ComboBox2, ComboBox4}) {
        wahl->clear();
        for (int i = 0; i < AngeboteneSpalten(tabelle_); ++i) {
            wahl->addItem(Spaltentitel(tabelle_, i));
        }
    }
    ComboBox1->setCurrentIndex(wahl_.deutsch);
    ComboBox2->setCurrentIndex(wahl_.fremd);
    ComboBox4->setCurrentIndex(wahl_.stufenspalte.value_or(AngeboteneSpalten(tabelle_) - 1));
    ComboBox3->setCurrentIndex(ComboBox3->findData(QVariant::fromValue(tabelle_.trennzeichen)));
    CheckBox1->setChecked(wahl_.kopfzeileUeberspringen);
    CheckBox2->setText(tabelle_.htmlErkannt
                           ? QStringLiteral("&HTML in Text umwandeln (die Datei enthält HTML)")
                           : QStringLiteral("&HTML in Text umwandeln (keines gefunden)"));
    CheckBox2->setChecked(tabelle_.htmlUmgewandelt);
    RadioButton1->setChecked(!wahl_.stufenBehalten);
    RadioButton2->setChecked(wahl_.stufenBehalten);
    ComboBox4->setEnabled(wahl_.stufenBehalten);
    LektionenZeigen();
    VorschauZeigen();
}

// The file's lessons, each with how many entries it holds, all chosen; none for a file
// without lessons.
void TImportdialog::LektionenZeigen() {
    const QSignalBlocker blocker(ListWidget1);
    const std::vector<Importlektion> lektionen = ImportLektionen(tabelle_);
    ListWidget1->clear();
    for (const Importlektion& l : lektionen) {
        auto* zeile = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(AusUtf8(l.name)).arg(l.eintraege), ListWidget1);
        zeile->setFlags(zeile->flags() | Qt::ItemIsUserCheckable);
        zeile->setCheckState(Qt::Checked);
    }
    ListWidget1->setVisible(!lektionen.empty());
    Label3->setVisible(!lektionen.empty());
}

void TImportdialog::VorschauZeigen() {
    const auto zeilen = ImportVorschau(tabelle_, wahl_, kVorschauzeilen);
    const int daten = tabelle_.Zeilen() - (wahl_.kopfzeileUeberspringen ? 1 : 0);
    // Of a large file only the start has been read, and how many rows follow is not known.
    Label2->setText(
        tabelle_.nurAnfang ? QStringLiteral("&Vorschau: die ersten %1 Zeilen").arg(zeilen.size())
        : static_cast<int>(zeilen.size()) < daten
            ? QStringLiteral("&Vorschau: die ersten %1 von %2 Zeilen").arg(zeilen.size()).arg(daten)
            : QStringLiteral("&Vorschau: alle %1 Zeilen").arg(daten));
    const int spalten = AngeboteneSpalten(tabelle_);
    QStringList titel{QStringLiteral("Zeile")};
    for (int s = 0; s < spalten; ++s) {
        titel << Spaltentitel(tabelle_, s) + (s == wahl_.deutsch ? QStringLiteral("\n(deutsch)")
                                              : s == wahl_.fremd
                                                  ? QStringLiteral("\n(fremdsprachlich)")
                                                  : QString());
    }
    titel << QStringLiteral("Fach") << QStringLiteral("Hinweis");
    Vorschau->setColumnCount(static_cast<int>(titel.size()));
    Vorschau->setHorizontalHeaderLabels(titel);
    Vorschau->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const Vorschauzeile& z = zeilen[static_cast<std::size_t>(r)];
        const QString grund = z.abgelehnt ? QStringLiteral("wird übersprungen: ") +
                                                QString::fromStdString(AblehnungGrund(*z.abgelehnt))
                                          : QString();
        Vorschau->setItem(r, 0, Zelle(QString::number(z.zeile), grund));
        for (int s = 0; s < spalten; ++s) {
            Vorschau->setItem(r, s + 1,
                              Zelle(AusUtf8(z.zellen[static_cast<std::size_t>(s)]), grund));
        }
        Vorschau->setItem(r, spalten + 1,
                          Zelle(z.abgelehnt ? QString() : QString::number(z.fach), grund));
        const QString hinweis = z.seiteLeer ? QStringLiteral("eine Seite ist leer") : grund;
        Vorschau->setItem(r, spalten + 2, Zelle(hinweis, grund));
    }
    Vorschau->resizeRowsToContents();
}

void TImportdialog::WahlAendern() {
    wahl_.deutsch = ComboBox1->currentIndex();
    wahl_.fremd = ComboBox2->currentIndex();
    wahl_.kopfzeileUeberspringen = CheckBox1->isChecked();
    wahl_.stufenBehalten = RadioButton2->isChecked();
    wahl_.lektionen.clear();
    for (int i = 0; i < ListWidget1->count(); ++i) {
        wahl_.lektionen.push_back(ListWidget1->item(i)->checkState() == Qt::Checked);
    }
    StufenspalteWaehlen(wahl_, tabelle_, ComboBox4->currentIndex());
    ComboBox4->setEnabled(wahl_.stufenBehalten);
    VorschauZeigen();
}

// The file read again with the separator and the HTML choice the user set; what it proposes
// then starts afresh, as the columns may be others now.
void TImportdialog::LeseartAendern() {
    Leseart art;
    art.trenner = ComboBox3->currentData().value<char>();
    art.html = CheckBox2->isChecked();
    tabelle_ = tabelle_.nurAnfang ? TextanfangLesen(datei_, art) : TextdateiLesen(datei_, art);
    wahl_ = StandardWahl(tabelle_);
    Zeigen();
}

void TImportdialog::Button1Click() {
    accept();
}

void TImportdialog::Button2Click() {
    reject();
}
