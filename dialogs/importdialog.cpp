// The import dialog.
#include "importdialog.h"

#include "bausteine.h"
#include "zugang.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace lexidor;

namespace {

// Enough rows to see what the columns hold; the rest follow the same rule.
constexpr int kVorschauzeilen = 30;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Kodierung(Textkodierung kodierung) {
    switch (kodierung) {
    case Textkodierung::Utf8:
        return QStringLiteral("UTF-8");
    case Textkodierung::Utf8MitBom:
        return QStringLiteral("UTF-8 mit BOM");
    case Textkodierung::Utf16:
        return QStringLiteral("UTF-16");
    case Textkodierung::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return {};
}

QString Trennzeichen(char trenner) {
    switch (trenner) {
    case '\t':
        return QStringLiteral("Tabulator");
    case ';':
        return QStringLiteral("Semikolon");
    default:
        return QStringLiteral("Komma");
    }
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
    return QStringLiteral("Text, getrennt durch %1, %2")
        .arg(Trennzeichen(t.trennzeichen), Kodierung(t.kodierung));
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

TImportdialog::TImportdialog(const Importtabelle& tabelle, const QString& dateiname,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      tabelle_(tabelle), wahl_(StandardWahl(tabelle)) {
    setObjectName(QStringLiteral("Importdialog"));
    setWindowTitle(QStringLiteral("Vokabeln importieren"));
    Aufbauen(dateiname);
    VorschauZeigen();
    resize(760, 540);
}

QComboBox* TImportdialog::Spaltenwahl(const char* name, int spalte) {
    auto* wahl = new QComboBox(this);
    wahl->setObjectName(QString::fromLatin1(name));
    // A file of one column still offers a second, empty one for the other side.
    for (int i = 0; i < std::max(tabelle_.Spalten(), 2); ++i) {
        QString text = QStringLiteral("Spalte %1").arg(i + 1);
        if (i < static_cast<int>(tabelle_.spaltennamen.size()) &&
            !tabelle_.spaltennamen[static_cast<std::size_t>(i)].empty()) {
            text += QStringLiteral(": ") + Utf8(tabelle_.spaltennamen[static_cast<std::size_t>(i)]);
        }
        wahl->addItem(text);
    }
    wahl->setCurrentIndex(spalte);
    connect(wahl, &QComboBox::currentIndexChanged, this, &TImportdialog::WahlAendern);
    return wahl;
}

void TImportdialog::Aufbauen(const QString& dateiname) {
    Label1 = new QLabel(QStringLiteral("„%1“: %2").arg(dateiname, Dateiart(tabelle_)), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = Spaltenwahl("ComboBox1", wahl_.deutsch);
    ComboBox2 = Spaltenwahl("ComboBox2", wahl_.fremd);
    auto* spalten = new QFormLayout;
    for (auto [text, wahl] :
         {std::pair{QStringLiteral("&Deutsche Bedeutung:"), ComboBox1},
          std::pair{QStringLiteral("&Fremdsprachliche Bedeutung:"), ComboBox2}}) {
        auto* beschriftung = new QLabel(text, this);
        Beschriften(beschriftung, wahl);
        spalten->addRow(beschriftung, wahl);
    }

    CheckBox1 = new QCheckBox(QStringLiteral("Die &erste Zeile enthält Spaltennamen"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(wahl_.kopfzeileUeberspringen);
    // Only separated values may or may not start with a header; the other formats say.
    CheckBox1->setVisible(tabelle_.format == Importformat::Trennzeichen);
    connect(CheckBox1, &QCheckBox::toggled, this, &TImportdialog::WahlAendern);

    auto* stufen = new QGroupBox(QStringLiteral("Lernstufen"), this);
    RadioButton1 = new QRadioButton(QStringLiteral("Alle Vokabeln in Fach &1"), stufen);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(
        tabelle_.stufenspalte ? QStringLiteral("Lernstufen aus der Datei &übernehmen")
                              : QStringLiteral("Lernstufen aus der Datei übernehmen (die Datei "
                                               "enthält keine)"),
        stufen);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setEnabled(tabelle_.stufenspalte.has_value());
    connect(RadioButton2, &QRadioButton::toggled, this, &TImportdialog::WahlAendern);
    auto* stufenLayout = new QVBoxLayout(stufen);
    stufenLayout->addWidget(RadioButton1);
    stufenLayout->addWidget(RadioButton2);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Vorschau = new QTableWidget(0, 5, this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setHorizontalHeaderLabels({QStringLiteral("Zeile"),
                                         QStringLiteral("Deutsche Bedeutung"),
                                         QStringLiteral("Fremdsprachliche Bedeutung"),
                                         QStringLiteral("Fach"), QStringLiteral("Hinweis")});
    Vorschau->verticalHeader()->hide();
    Vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Vorschau->setSelectionMode(QAbstractItemView::NoSelection);
    Vorschau->setTabKeyNavigation(false);
    // Rows as high as their lines; a long reason is read whole in its tool tip.
    Vorschau->setWordWrap(false);
    QHeaderView* kopf = Vorschau->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Stretch);
    kopf->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    kopf->setSectionResizeMode(3, QHeaderView::ResizeToContents);
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
    fenster->addWidget(stufen);
    fenster->addWidget(Label2);
    fenster->addWidget(Vorschau, 1);
    fenster->addLayout(knoepfe);
}

void TImportdialog::VorschauZeigen() {
    const auto zeilen = ImportVorschau(tabelle_, wahl_, kVorschauzeilen);
    const int daten = tabelle_.Zeilen() - (wahl_.kopfzeileUeberspringen ? 1 : 0);
    Label2->setText(
        static_cast<int>(zeilen.size()) < daten
            ? QStringLiteral("&Vorschau: die ersten %1 von %2 Zeilen").arg(zeilen.size()).arg(daten)
            : QStringLiteral("&Vorschau: alle %1 Zeilen").arg(daten));
    Vorschau->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const Vorschauzeile& z = zeilen[static_cast<std::size_t>(r)];
        const QString grund = z.abgelehnt ? QStringLiteral("wird übersprungen: ") +
                                                QString::fromStdString(AblehnungGrund(*z.abgelehnt))
                                          : QString();
        Vorschau->setItem(r, 0, Zelle(QString::number(z.zeile), grund));
        Vorschau->setItem(r, 1, Zelle(Utf8(z.deutsch), grund));
        Vorschau->setItem(r, 2, Zelle(Utf8(z.fremd), grund));
        Vorschau->setItem(r, 3, Zelle(z.abgelehnt ? QString() : QString::number(z.fach), grund));
        Vorschau->setItem(r, 4, Zelle(grund, grund));
    }
    Vorschau->resizeRowsToContents();
}

void TImportdialog::WahlAendern() {
    wahl_.deutsch = ComboBox1->currentIndex();
    wahl_.fremd = ComboBox2->currentIndex();
    wahl_.kopfzeileUeberspringen = CheckBox1->isChecked();
    wahl_.stufenBehalten = RadioButton2->isChecked();
    VorschauZeigen();
}

void TImportdialog::Button1Click() {
    accept();
}

void TImportdialog::Button2Click() {
    reject();
}
