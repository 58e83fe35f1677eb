// The print window. A page is drawn in points from the top left of the printable area, the
// same for the preview and the printer; rows are measured only as far as pages are laid out.
#include "drucken.h"

#include "meldung.h"
#include "uhr.h"
#include "umwandlung.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

using namespace lexidor;

namespace {

constexpr double kSchrift = 10;     // card text, points
constexpr double kTitel = 13;       // the heading
constexpr double kKopf = 46;        // heading and column captions
constexpr double kFuss = 22;        // the page number
constexpr double kZeilenluft = 4;   // between two rows
constexpr double kSpaltenluft = 8;  // between two columns
constexpr double kVorschau = 1.25;  // preview pixels per point
constexpr int kHundertstel = 100;   // heights are laid out in hundredths of a point
constexpr int kZeilenJeRunde = 500; // rows laid out per round: the window stays quick meanwhile

QFont Schrift() {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(static_cast<int>(kSchrift));
    return schrift;
}

QString Seitentext(std::string_view seite) {
    return AusUtf8(UmbruecheDekodieren(seite))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', u'\n');
}

// Lines a text takes in a column, its own line breaks and the wrapping of long lines counted.
int Zeilen(const QFontMetricsF& mass, const QString& text, double breite) {
    int zeilen = 0;
    for (const QString& zeile : text.split(u'\n')) {
        if (mass.horizontalAdvance(zeile) <= breite) {
            ++zeilen;
            continue;
        }
        const QRectF rahmen = mass.boundingRect(QRectF(0, 0, breite, 1e9),
                                                Qt::TextWordWrap | Qt::TextWrapAnywhere, zeile);
        zeilen += std::max(1, static_cast<int>(std::lround(rahmen.height() / mass.lineSpacing())));
    }
    return zeilen;
}

} // namespace

TDrucken::TDrucken(const TKartei& kartei, int abfragerichtung, Datum heute, QWidget* parent)
    : QDialog(parent), kartei_(kartei), abfragerichtung_(abfragerichtung), heute_(heute),
      drucker_(QPrinter::HighResolution), schrift_(Schrift()), mass_(schrift_) {
    setObjectName(QStringLiteral("Drucken"));
    setWindowTitle(QStringLiteral("Drucken - ") + PfadAus(kartei.Anzeigename));
    drucker_.setPageSize(QPageSize(QPageSize::A4));

    auto* spalte = new QVBoxLayout(this);
    auto* wahl = new QGridLayout;
    Art = new QComboBox(this);
    Art->setObjectName(QStringLiteral("Art"));
    Art->addItems({QStringLiteral("Liste"), QStringLiteral("Testbogen")});
    Auswahl = new QComboBox(this);
    Auswahl->setObjectName(QStringLiteral("Auswahl"));
    Auswahl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Seitenwahl = new QSpinBox(this);
    Seitenwahl->setObjectName(QStringLiteral("Seitenwahl"));
    Seitenwahl->setRange(1, 1);
    Seitenzahl = new QLabel(this);
    Seitenzahl->setObjectName(QStringLiteral("Seitenzahl"));
    const auto beschriftet = [&](const QString& text, QWidget* feld, int s) {
        auto* label = new QLabel(text, this);
        label->setBuddy(feld);
        wahl->addWidget(label, 0, s);
        wahl->addWidget(feld, 0, s + 1);
    };
    beschriftet(QStringLiteral("&Art:"), Art, 0);
    beschriftet(QStringLiteral("&Karten:"), Auswahl, 2);
    beschriftet(QStringLiteral("&Seite:"), Seitenwahl, 4);
    wahl->addWidget(Seitenzahl, 0, 6);
    wahl->setColumnStretch(7, 1);
    spalte->addLayout(wahl);

    Seitenbild = new QLabel;
    Seitenbild->setObjectName(QStringLiteral("Seitenbild"));
    Seitenbild->setAccessibleName(QStringLiteral("Seitenvorschau"));
    auto* flaeche = new QScrollArea(this);
    flaeche->setWidget(Seitenbild);
    flaeche->setAlignment(Qt::AlignHCenter);
    flaeche->setBackgroundRole(QPalette::Dark);
    spalte->addWidget(flaeche, 1);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* einrichten =
        knoepfe->addButton(QStringLiteral("Seite &einrichten..."), QDialogButtonBox::ActionRole);
    Drucken1 = knoepfe->addButton(QStringLiteral("&Drucken..."), QDialogButtonBox::AcceptRole);
    Drucken1->setObjectName(QStringLiteral("Drucken1"));
    Drucken1->setDefault(true);
    spalte->addWidget(knoepfe);

    Setzer = new QTimer(this);
    connect(Setzer, &QTimer::timeout, this, &TDrucken::Weitersetzen);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(einrichten, &QPushButton::clicked, this, &TDrucken::SeiteEinrichtenClick);
    connect(Drucken1, &QPushButton::clicked, this, &TDrucken::DruckenClick);
    ArtChange();
    connect(Art, &QComboBox::currentIndexChanged, this, &TDrucken::ArtChange);
    connect(Auswahl, &QComboBox::currentIndexChanged, this, &TDrucken::AuswahlChange);
    connect(Seitenwahl, &QSpinBox::valueChanged, this, &TDrucken::SeiteChange);
    resize(820, 720);
}

TDrucken::~TDrucken() = default;

void TDrucken::ArtChange() {
    const QSignalBlocker sperre(Auswahl);
    Auswahl->clear();
    Auswahl->addItem(Art->currentIndex() == 0 ? QStringLiteral("Alle Fächer")
                                              : QStringLiteral("Heute fällige"));
    for (int k = 1; k <= 6; ++k) {
        Auswahl->addItem(QStringLiteral("Fach %1").arg(k));
    }
    AuswahlChange();
}

void TDrucken::AuswahlChange() {
    MersenneZufall zufall(Uhrsaat());
    const auto art = Art->currentIndex() == 0 ? TDruckart::Liste : TDruckart::Testbogen;
    karten_ = DruckKarten(kartei_, art, Auswahl->currentIndex(), abfragerichtung_, heute_, zufall);
    drucker_.setDocName(PfadAus(kartei_.Anzeigename).section(u'.', 0, 0) + u'-' +
                        Art->currentText());
    // A PDF printed before keeps its folder, but this print gets a name of its own.
    if (const QFileInfo pdf(drucker_.outputFileName()); !pdf.fileName().isEmpty()) {
        drucker_.setOutputFileName(pdf.dir().filePath(drucker_.docName() + QStringLiteral(".pdf")));
    }
    Setzen();
}

// Lays the pages out afresh for the chosen cards and the printer's page; the first page at
// once, the rest while the window waits.
void TDrucken::Setzen() {
    const QRectF seite = drucker_.pageLayout().paintRect(QPageLayout::Point);
    const double breite = seite.width() - 2 * kSpaltenluft;
    spalten_ = Art->currentIndex() == 0
                   ? std::array<double, 3>{breite * 0.44, breite * 0.44, breite * 0.12}
                   : std::array<double, 3>{breite * 0.45, breite * 0.55, 0};
    const int hoehe = static_cast<int>((seite.height() - kKopf - kFuss) * kHundertstel);
    plan_ = std::make_unique<TSeitenplan>(static_cast<int>(karten_.size()), hoehe,
                                          [this](int zeile) { return Zeilenhoehe(zeile); });
    plan_->Seite(0);
    Seitenwahl->setValue(1);
    Weitersetzen();
    SeiteChange();
    Setzer->start(0);
}

void TDrucken::Weitersetzen() {
    if (plan_->Weiter(kZeilenJeRunde)) {
        Setzer->stop();
    }
    const int seiten = std::max(1, plan_->BekannteSeiten());
    Seitenwahl->setMaximum(seiten);
    Seitenzahl->setText(plan_->Fertig() ? QStringLiteral("von %1").arg(seiten)
                                        : QStringLiteral("von mindestens %1").arg(seiten));
}

int TDrucken::Zeilenhoehe(int zeile) const {
    const TDruckkarte& karte = karten_[static_cast<std::size_t>(zeile)];
    const TVokList& fach = kartei_.Fach[karte.Fach];
    int zeilen = 0;
    if (Art->currentIndex() == 0) {
        zeilen = std::max(Zeilen(mass_, Seitentext(fach.Deutsch(karte.Index)), spalten_[0]),
                          Zeilen(mass_, Seitentext(fach.Fremd(karte.Index)), spalten_[1]));
    } else {
        const auto gegeben =
            karte.FremdGegeben ? fach.Fremd(karte.Index) : fach.Deutsch(karte.Index);
        zeilen = Zeilen(mass_, Seitentext(gegeben), spalten_[0]);
    }
    return static_cast<int>(std::ceil((zeilen * mass_.lineSpacing() + kZeilenluft) * kHundertstel));
}

QString TDrucken::Ueberschrift() const {
    const QString was =
        Art->currentIndex() == 0 ? QStringLiteral("Vokabelliste") : QStringLiteral("Testbogen");
    return PfadAus(kartei_.Anzeigename) + QStringLiteral(" - ") + was + QStringLiteral(", ") +
           Auswahl->currentText();
}

void TDrucken::SeiteMalen(QPainter& maler, int seite) {
    const auto zeilen = plan_->Seite(seite);
    if (!zeilen) {
        return;
    }
    const QRectF flaeche(QPointF(0, 0), drucker_.pageLayout().paintRect(QPageLayout::Point).size());
    const bool liste = Art->currentIndex() == 0;
    const std::array<double, 3> x{0, spalten_[0] + kSpaltenluft,
                                  spalten_[0] + spalten_[1] + 2 * kSpaltenluft};
    QFont titel = schrift_;
    titel.setPixelSize(static_cast<int>(kTitel));
    titel.setBold(true);
    maler.setPen(Qt::black);
    maler.setFont(titel);
    maler.drawText(QRectF(0, 0, flaeche.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                   Ueberschrift());
    QFont fett = schrift_;
    fett.setBold(true);
    maler.setFont(fett);
    const QStringList kopf =
        liste ? QStringList{QStringLiteral("Deutsch"), QStringLiteral("Fremdsprache"),
                            QStringLiteral("Fach")}
              : QStringList{QStringLiteral("Gefragt"), QStringLiteral("Ihre Antwort")};
    for (int s = 0; s < kopf.size(); ++s) {
        maler.drawText(QRectF(x[static_cast<std::size_t>(s)], 24, 200, 14), kopf[s]);
    }
    maler.drawLine(QPointF(0, kKopf - 4), QPointF(flaeche.width(), kKopf - 4));

    maler.setFont(schrift_);
    // A card taller than a page stands alone on it and is cut at the page number.
    maler.setClipRect(QRectF(0, kKopf, flaeche.width(), flaeche.height() - kKopf - kFuss));
    double y = kKopf;
    for (int z = zeilen->first; z < zeilen->second; ++z) {
        const TDruckkarte& karte = karten_[static_cast<std::size_t>(z)];
        const TVokList& fach = kartei_.Fach[karte.Fach];
        const double hoehe = static_cast<double>(Zeilenhoehe(z)) / kHundertstel;
        const auto feld = [&](int s) {
            return QRectF(x[static_cast<std::size_t>(s)], y, spalten_[static_cast<std::size_t>(s)],
                          hoehe);
        };
        const int fluss = Qt::TextWordWrap;
        if (liste) {
            maler.drawText(feld(0), fluss, Seitentext(fach.Deutsch(karte.Index)));
            maler.drawText(feld(1), fluss, Seitentext(fach.Fremd(karte.Index)));
            maler.drawText(feld(2), 0, QString::number(karte.Fach));
        } else {
            const auto gegeben =
                karte.FremdGegeben ? fach.Fremd(karte.Index) : fach.Deutsch(karte.Index);
            maler.drawText(feld(0), fluss, Seitentext(gegeben));
            // A line to write on for every line the given side takes.
            maler.setPen(Qt::gray);
            for (double linie = y + mass_.lineSpacing(); linie <= y + hoehe - kZeilenluft + 0.5;
                 linie += mass_.lineSpacing()) {
                maler.drawLine(QPointF(x[1], linie), QPointF(flaeche.width(), linie));
            }
            maler.setPen(Qt::black);
        }
        y += hoehe;
    }
    maler.setClipping(false);
    const QString nummer =
        plan_->Fertig()
            ? QStringLiteral("Seite %1 von %2").arg(seite + 1).arg(plan_->BekannteSeiten())
            : QStringLiteral("Seite %1").arg(seite + 1);
    maler.drawText(QRectF(0, flaeche.height() - 14, flaeche.width(), 14), Qt::AlignCenter, nummer);
}

void TDrucken::SeiteChange() {
    const QPageLayout layout = drucker_.pageLayout();
    const QSizeF voll = layout.fullRect(QPageLayout::Point).size();
    QImage bild((voll * kVorschau).toSize(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(kVorschau, kVorschau);
    maler.translate(layout.paintRect(QPageLayout::Point).topLeft());
    SeiteMalen(maler, Seitenwahl->value() - 1);
    maler.end();
    Seitenbild->setPixmap(QPixmap::fromImage(bild));
    Seitenbild->resize(bild.size());
}

void TDrucken::SeiteEinrichtenClick() {
    QPageSetupDialog dialog(&drucker_, this);
    if (dialog.exec() == QDialog::Accepted) {
        Setzen();
    }
}

// Every page must be known before the print dialog offers a range of them.
bool TDrucken::AllesSetzen() {
    if (plan_->Fertig()) {
        return true;
    }
    Setzer->stop();
    QProgressDialog fortschritt(QStringLiteral("Die Seiten werden umbrochen..."),
                                QStringLiteral("Abbrechen"), 0, static_cast<int>(karten_.size()),
                                this);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(300);
    while (!plan_->Weiter(kZeilenJeRunde)) {
        fortschritt.setValue(plan_->GesetzteZeilen());
        if (fortschritt.wasCanceled()) {
            Setzer->start(0);
            return false;
        }
    }
    Weitersetzen();
    return true;
}

void TDrucken::DruckenClick() {
    if (!AllesSetzen()) {
        return;
    }
    const QPageLayout vorher = drucker_.pageLayout();
    QPrintDialog dialog(&drucker_, this);
    dialog.setMinMax(1, plan_->BekannteSeiten());
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!drucker_.pageLayout().isEquivalentTo(vorher)) {
        Setzen();
        if (!AllesSetzen()) {
            return;
        }
    }
    const int seiten = plan_->BekannteSeiten();
    const bool bereich = drucker_.printRange() == QPrinter::PageRange;
    const int von = bereich ? std::clamp(drucker_.fromPage(), 1, seiten) - 1 : 0;
    const int bis = bereich ? std::clamp(drucker_.toPage(), von + 1, seiten) : seiten;
    QProgressDialog fortschritt(QStringLiteral("Die Seiten werden gedruckt..."),
                                QStringLiteral("Abbrechen"), von, bis, this);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(300);
    QPainter maler;
    if (!maler.begin(&drucker_)) {
        Meldung::Information(this, QStringLiteral("Der Druck konnte nicht beginnen."));
        return;
    }
    maler.scale(drucker_.resolution() / 72.0, drucker_.resolution() / 72.0);
    for (int s = von; s < bis; ++s) {
        if (s > von) {
            drucker_.newPage();
        }
        SeiteMalen(maler, s);
        fortschritt.setValue(s + 1);
        if (fortschritt.wasCanceled()) {
            drucker_.abort();
            return;
        }
    }
    if (!maler.end() || drucker_.printerState() == QPrinter::Error) {
        Meldung::Information(this, QStringLiteral("Der Druck ist fehlgeschlagen."));
    }
}
