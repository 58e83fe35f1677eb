// The learning-progress window and the history file of a box.
#include "lernverlauf.h"

#include "dateien.h"
#include "programmpfade.h"
#include "umwandlung.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace lexidor;

namespace lexidor {

QString VerlaufDatei(std::string_view kartenpfad) {
    if (kartenpfad.empty() || kartenpfad == kKeineDatei) {
        return {};
    }
    return DatenDatei(QStringLiteral("lernverlauf/") +
                      QString::fromStdString(VerlaufDateiname(kartenpfad)));
}

void VerlaufEintragen(std::string_view kartenpfad, const TKartei& kartei, Datum heute, int richtige,
                      int falsche) {
    const QString datei = VerlaufDatei(kartenpfad);
    if (datei.isEmpty()) {
        return;
    }
    const auto bytes = DateiLesen(datei);
    if (!bytes && QFileInfo::exists(datei)) {
        return;
    }
    TVerlauf verlauf = VerlaufLesen(bytes.value_or(std::string()));
    TagEintragen(verlauf, heute, kartei, richtige, falsche);
    DatenverzeichnisAnlegen(QFileInfo(datei).absolutePath());
    DateiSchreiben(datei, VerlaufSchreiben(verlauf));
}

} // namespace lexidor

namespace {

constexpr int kZeitraeume[] = {30, 90, 365, 0};
// One colour a compartment, from new (red) to learned (blue).
const QColor kFachfarben[7] = {{},
                               QColor(214, 39, 40),
                               QColor(255, 127, 14),
                               QColor(188, 189, 34),
                               QColor(44, 160, 44),
                               QColor(23, 190, 207),
                               QColor(31, 119, 180)};

QDate AlsQDate(Datum tag) {
    const std::chrono::year_month_day d(tag);
    return {static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
            static_cast<int>(static_cast<unsigned>(d.day()))};
}

QString Tagtext(Datum tag) {
    return AlsQDate(tag).toString(QStringLiteral("dd.MM."));
}

QChartView* Bild(QChart* chart, QWidget* parent) {
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (parent->palette().color(QPalette::Window).lightnessF() < 0.5) {
        chart->setTheme(QChart::ChartThemeDark);
    }
    auto* bild = new QChartView(chart, parent);
    bild->setRenderHint(QPainter::Antialiasing);
    bild->setMinimumHeight(300);
    return bild;
}

// Category labels stand upright once there are more than fit side by side.
QBarCategoryAxis* Tagesachse(const QStringList& tage) {
    auto* achse = new QBarCategoryAxis;
    achse->append(tage);
    achse->setLabelsAngle(tage.size() > 14 ? -90 : 0);
    achse->setTruncateLabels(false);
    return achse;
}

// Whole numbers only, at most eight steps of 1, 2 or 5 times a power of ten.
QValueAxis* Zahlachse(int hoechstens) {
    hoechstens = std::max(hoechstens, 1);
    int schritt = 0;
    for (int zehner = 1; schritt == 0; zehner *= 10) {
        for (const int faktor : {1, 2, 5}) {
            if (schritt == 0 && hoechstens <= 8 * faktor * zehner) {
                schritt = faktor * zehner;
            }
        }
    }
    auto* achse = new QValueAxis;
    achse->setRange(0, (hoechstens + schritt - 1) / schritt * schritt);
    achse->setTickType(QValueAxis::TicksDynamic);
    achse->setTickAnchor(0);
    achse->setTickInterval(schritt);
    achse->setLabelFormat(QStringLiteral("%d"));
    return achse;
}

void Einsetzen(QChartView* bild, QAbstractSeries* reihe, QAbstractAxis* x, QAbstractAxis* y) {
    QChart* chart = bild->chart();
    const auto alte = chart->axes();
    chart->removeAllSeries();
    for (QAbstractAxis* achse : alte) {
        chart->removeAxis(achse);
        delete achse;
    }
    chart->addSeries(reihe);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    reihe->attachAxis(x);
    reihe->attachAxis(y);
}

} // namespace

TLernverlauf::TLernverlauf(const TKartei& kartei, Datum heute, QWidget* parent)
    : QDialog(parent), kartei_(kartei), heute_(heute) {
    setObjectName(QStringLiteral("Lernverlauf"));
    setWindowTitle(QStringLiteral("Lernverlauf - ") + PfadAus(kartei.Anzeigename));
    auto* spalte = new QVBoxLayout(this);
    Zusammenfassung = new QLabel(this);
    Zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    spalte->addWidget(Zusammenfassung);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);
    spalte->addWidget(Hinweis);

    auto* zeile = new QHBoxLayout;
    Zeitraum = new QComboBox(this);
    Zeitraum->setObjectName(QStringLiteral("Zeitraum"));
    Zeitraum->addItems({QStringLiteral("30 Tage"), QStringLiteral("90 Tage"),
                        QStringLiteral("Ein Jahr"), QStringLiteral("Alles")});
    auto* beschriftung = new QLabel(QStringLiteral("&Zeitraum:"), this);
    beschriftung->setBuddy(Zeitraum);
    zeile->addWidget(beschriftung);
    zeile->addWidget(Zeitraum);
    zeile->addStretch();
    spalte->addLayout(zeile);

    auto* seiten = new QTabWidget(this);
    Vorschaubild = Bild(new QChart, seiten);
    Vorschaubild->setObjectName(QStringLiteral("Vorschau"));
    Faecherbild = Bild(new QChart, seiten);
    Faecherbild->setObjectName(QStringLiteral("Faecher"));
    Antwortbild = Bild(new QChart, seiten);
    Antwortbild->setObjectName(QStringLiteral("Antworten"));
    Zahlen = new QTableWidget(0, 9, seiten);
    Zahlen->setObjectName(QStringLiteral("Zahlen"));
    Zahlen->setHorizontalHeaderLabels(
        {QStringLiteral("Tag"), QStringLiteral("Richtig"), QStringLiteral("Falsch"),
         QStringLiteral("Fach 1"), QStringLiteral("Fach 2"), QStringLiteral("Fach 3"),
         QStringLiteral("Fach 4"), QStringLiteral("Fach 5"), QStringLiteral("Fach 6")});
    Zahlen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Zahlen->verticalHeader()->hide();
    Zahlen->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The charts of the past say where their numbers are; the forecast tells its own.
    for (QChartView* bild : {Faecherbild, Antwortbild}) {
        bild->setAccessibleDescription(
            QStringLiteral("Die Zahlen jedes Tages stehen auf der Seite Tabelle."));
    }
    Faecherbild->setAccessibleName(QStringLiteral("Fächer im Verlauf"));
    Antwortbild->setAccessibleName(QStringLiteral("Antworten pro Tag"));
    seiten->addTab(Vorschaubild, QStringLiteral("&Fälligkeit"));
    seiten->addTab(Faecherbild, QStringLiteral("Fä&cher im Verlauf"));
    seiten->addTab(Antwortbild, QStringLiteral("&Antworten pro Tag"));
    seiten->addTab(Zahlen, QStringLiteral("&Tabelle"));
    spalte->addWidget(seiten, 1);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    spalte->addWidget(knoepfe);

    VerlaufLaden();
    VorschauZeigen();
    ZeitraumChange();
    connect(Zeitraum, &QComboBox::currentIndexChanged, this, &TLernverlauf::ZeitraumChange);
    resize(780, 560);
}

// A history that is missing, unreadable or damaged costs the charts of the past, nothing else.
void TLernverlauf::VerlaufLaden() {
    const QString datei = VerlaufDatei(kartei_.Dateipfad);
    const auto bytes = datei.isEmpty() ? std::nullopt : DateiLesen(datei);
    if (bytes) {
        verlauf_ = VerlaufLesen(*bytes);
    }
    QString hinweis;
    if (datei.isEmpty()) {
        hinweis = QStringLiteral("Diese Kartei ist noch nicht gespeichert; ihr Lernverlauf "
                                 "beginnt mit dem ersten Speichern.");
    } else if (!bytes && QFileInfo::exists(datei)) {
        hinweis =
            QStringLiteral("Der Lernverlauf dieser Kartei kann nicht gelesen werden: ") + datei;
    } else if (!bytes) {
        hinweis = QStringLiteral("Für diese Kartei gibt es noch keinen Lernverlauf. Er entsteht, "
                                 "sobald Sie abgefragt werden oder die Kartei speichern.");
    } else if (verlauf_.Beschaedigt > 0) {
        const QString zeilen = verlauf_.Beschaedigt == 1
                                   ? QStringLiteral("1 Zeile wurde")
                                   : QStringLiteral("%1 Zeilen wurden").arg(verlauf_.Beschaedigt);
        hinweis = QStringLiteral("Der Lernverlauf dieser Kartei ist beschädigt: ") + zeilen +
                  QStringLiteral(" übergangen (") + datei + u')';
    }
    Hinweis->setText(hinweis);
    Hinweis->setVisible(!hinweis.isEmpty());
}

void TLernverlauf::VorschauZeigen() {
    const auto vorschau = Vorschau(kartei_, heute_);
    auto* menge = new QBarSet(QStringLiteral("Fällige Karten"));
    QStringList tage;
    QStringList beschreibung;
    int hoechstens = 0;
    for (int t = 0; t < kVorschauTage; ++t) {
        const int karten = vorschau[static_cast<std::size_t>(t)];
        const QString tag = t == 0 ? QStringLiteral("heute") : Tagtext(PlusTage(heute_, t));
        menge->append(karten);
        tage.append(tag);
        hoechstens = std::max(hoechstens, karten);
        if (karten > 0) {
            beschreibung.append(tag + u' ' + QString::number(karten));
        }
    }
    auto* reihe = new QBarSeries;
    reihe->append(menge);
    Einsetzen(Vorschaubild, reihe, Tagesachse(tage), Zahlachse(hoechstens));
    Vorschaubild->chart()->setTitle(QStringLiteral("Fällige Karten in den nächsten 30 Tagen"));
    Vorschaubild->setAccessibleName(QStringLiteral("Fälligkeit"));
    Vorschaubild->setAccessibleDescription(
        beschreibung.isEmpty()
            ? QStringLiteral("In den nächsten 30 Tagen ist nichts fällig.")
            : QStringLiteral("Fällige Karten: ") + beschreibung.join(QStringLiteral(", ")));
    Zusammenfassung->setText(QStringLiteral("Heute fällig: %1 Karten    Tage in Folge gelernt: %2")
                                 .arg(vorschau[0])
                                 .arg(TageInFolge(verlauf_, heute_)));
}

void TLernverlauf::ZeitraumChange() {
    const auto tage = lexidor::Zeitraum(verlauf_, heute_, kZeitraeume[Zeitraum->currentIndex()]);
    auto* richtig = new QBarSet(QStringLiteral("Richtig"));
    auto* falsch = new QBarSet(QStringLiteral("Falsch"));
    richtig->setColor(QColor(0, 150, 0));
    falsch->setColor(QColor(210, 0, 0));
    std::array<QLineSeries*, 7> faecher{};
    for (int k = 1; k <= 6; ++k) {
        faecher[k] = new QLineSeries;
        faecher[k]->setName(QStringLiteral("Fach %1").arg(k));
        faecher[k]->setPointsVisible(true);
        faecher[k]->setColor(kFachfarben[k]);
    }
    QStringList namen;
    int meisteAntworten = 0;
    int meisteKarten = 0;
    Zahlen->setRowCount(static_cast<int>(tage.size()));
    int zeile = static_cast<int>(tage.size());
    for (const TTagesstand& tag : tage) {
        namen.append(Tagtext(tag.Tag));
        richtig->append(tag.Richtige);
        falsch->append(tag.Falsche);
        meisteAntworten = std::max(meisteAntworten, tag.Richtige + tag.Falsche);
        const qreal x = QDateTime(AlsQDate(tag.Tag), QTime(12, 0)).toMSecsSinceEpoch();
        std::array<int, 9> werte{0, tag.Richtige, tag.Falsche};
        for (int k = 1; k <= 6; ++k) {
            faecher[k]->append(x, tag.Faecher[k]);
            meisteKarten = std::max(meisteKarten, tag.Faecher[k]);
            werte[static_cast<std::size_t>(k) + 2] = tag.Faecher[k];
        }
        // Newest first: the table is read from the top.
        --zeile;
        Zahlen->setItem(
            zeile, 0,
            new QTableWidgetItem(AlsQDate(tag.Tag).toString(QStringLiteral("dd.MM.yyyy"))));
        for (int s = 1; s < 9; ++s) {
            Zahlen->setItem(zeile, s, new QTableWidgetItem(QString::number(werte[s])));
        }
    }
    auto* antworten = new QStackedBarSeries;
    antworten->append(richtig);
    antworten->append(falsch);
    Einsetzen(Antwortbild, antworten, Tagesachse(namen), Zahlachse(meisteAntworten));
    Antwortbild->chart()->setTitle(QStringLiteral("Antworten pro Tag"));

    auto* zeit = new QDateTimeAxis;
    zeit->setFormat(QStringLiteral("dd.MM.yy"));
    // The axis spans the period chosen, "Alles" the days recorded, and shows whole days.
    const QDate bis = AlsQDate(heute_);
    const int zeitraum = kZeitraeume[Zeitraum->currentIndex()];
    QDate von = tage.empty() ? bis : std::min(AlsQDate(tage.front().Tag), bis);
    if (zeitraum > 0) {
        von = bis.addDays(1 - zeitraum);
    }
    von = std::min(von, bis.addDays(-1));
    zeit->setRange(QDateTime(von, QTime(12, 0)), QDateTime(bis, QTime(12, 0)));
    zeit->setTickCount(static_cast<int>(std::min<qint64>(von.daysTo(bis) + 1, 7)));
    Einsetzen(Faecherbild, faecher[1], zeit, Zahlachse(meisteKarten));
    for (int k = 2; k <= 6; ++k) {
        Faecherbild->chart()->addSeries(faecher[k]);
        for (QAbstractAxis* achse : Faecherbild->chart()->axes()) {
            faecher[k]->attachAxis(achse);
        }
    }
    Faecherbild->chart()->setTitle(QStringLiteral("Karten je Fach am Ende jedes Lerntags"));
}
