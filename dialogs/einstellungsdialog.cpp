// The settings dialog.
#include "einstellungsdialog.h"

#include "farben.h"
#include "optionen.h"
#include "zugang.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

using namespace lexidor;

namespace {

template <typename T> T* Benannt(T* teil, const QString& name) {
    teil->setObjectName(name);
    return teil;
}

QLabel* Erklaerung(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A track bar's value label shows the value in words; a screen reader reads those words as the
// bar's description, since the bar itself reports only the number.
void Wert(QLabel* label, QSlider* schieber, const QString& text) {
    label->setText(text);
    schieber->setAccessibleDescription(text);
}

QSlider* Schieber(const QString& name, Schieberbereich b, QSlider::TickPosition striche,
                  QWidget* parent) {
    auto* schieber = Benannt(new QSlider(Qt::Horizontal, parent), name);
    schieber->setRange(b.Min, b.Max);
    schieber->setTickPosition(striche);
    schieber->setTickInterval(2);
    return schieber;
}

QPushButton* Bildknopf(const QString& name, const QString& text, const QString& bild,
                       QWidget* parent) {
    auto* knopf = Benannt(new QPushButton(QIcon(bild), text, parent), name);
    knopf->setMinimumWidth(110);
    return knopf;
}

} // namespace

TForm2::TForm2(TEinstellungen& einstellungen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      einstellungen_(einstellungen) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Allgemeine Optionen"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(13);
    setFont(schrift);
    ColorDialog1 = Benannt(new QColorDialog(this), QStringLiteral("ColorDialog1"));

    auto* raster = new QGridLayout(this);
    auto* links = new QVBoxLayout;
    for (QWidget* gruppe :
         {AllgemeinAufbauen(), RichtungAufbauen(), HintergrundAufbauen(), BestaetigungAufbauen()}) {
        links->addWidget(gruppe);
    }
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(IntervalleAufbauen());
    rechts->addWidget(TimerAufbauen());
    raster->addLayout(links, 0, 0);
    raster->addLayout(rechts, 0, 1);
    raster->addWidget(KnoepfeAufbauen(), 1, 0, 1, 2);
    raster->setColumnStretch(0, 5);
    raster->setColumnStretch(1, 6);
    // Six groups in 394 pixels: tight margins, or the left column clips its texts.
    for (QGroupBox* gruppe : findChildren<QGroupBox*>()) {
        gruppe->layout()->setContentsMargins(8, 2, 8, 4);
        gruppe->layout()->setSpacing(2);
    }
    links->setSpacing(4);
    setFixedSize(739, 394);
}

QWidget* TForm2::AllgemeinAufbauen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Allgemein"), this);
    auto* spalte = new QVBoxLayout(gruppe);
    AutosaveBox = Benannt(new QCheckBox(QStringLiteral("Automatik-Speichern"), gruppe),
                          QStringLiteral("AutosaveBox"));
    spalte->addWidget(AutosaveBox);
    auto* Label7 = Benannt(
        Erklaerung(QStringLiteral("Nach der Neueingabe von Vokabeln und dem Beantworten einer "
                                  "Vokabel"),
                   gruppe),
        QStringLiteral("Label7"));
    AutosaveBox->setAccessibleDescription(Label7->text());
    spalte->addWidget(Label7);
    return gruppe;
}

QWidget* TForm2::RichtungAufbauen() {
    auto* gruppe =
        Benannt(new QGroupBox(QStringLiteral("Abfragerichtung"), this), QStringLiteral("RG"));
    auto* spalte = new QVBoxLayout(gruppe);
    RG = new QButtonGroup(gruppe);
    const QString texte[] = {QStringLiteral("Deutsch -> Fremd"), QStringLiteral("Fremd -> Deutsch"),
                             QStringLiteral("Zufällig")};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QRadioButton(texte[i], gruppe);
        RG->addButton(knopf, i);
        spalte->addWidget(knopf);
    }
    TabZurWahl(RG->buttons());
    return gruppe;
}

QWidget* TForm2::HintergrundAufbauen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Hintergrund"), this);
    auto* zeile = new QHBoxLayout(gruppe);
    auto* Label6 = Benannt(new QLabel(QStringLiteral("Farbe:"), gruppe), QStringLiteral("Label6"));
    zeile->addWidget(Label6);
    Panel1 = Benannt(new QFrame(gruppe), QStringLiteral("Panel1"));
    Beschriften(Label6, Panel1);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Panel1->setFixedSize(90, 25);
    zeile->addWidget(Panel1);
    auto* Button4 =
        Benannt(new QPushButton(QStringLiteral("Ändern..."), gruppe), QStringLiteral("Button4"));
    Button4->setAccessibleDescription(QStringLiteral("Wählt die Hintergrundfarbe"));
    connect(Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    zeile->addWidget(Button4);
    zeile->addStretch();
    return gruppe;
}

QWidget* TForm2::IntervalleAufbauen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Abfrageintervall"), this);
    auto* raster = new QGridLayout(gruppe);
    for (int i = 0; i < 4; ++i) {
        const int k = i + 2; // the compartment
        const QString fach = QString::number(k);
        auto* zeile = new QLabel(fach + QStringLiteral(". Fach"), gruppe);
        raster->addWidget(zeile, i, 0);
        tb[i] = Schieber(QStringLiteral("tb") + fach, kIntervallBereiche[k],
                         QSlider::TicksBothSides, gruppe);
        Beschriften(zeile, tb[i]);
        lb[i] = Benannt(new QLabel(gruppe), QStringLiteral("lb") + fach);
        lb[i]->setMinimumWidth(60);
        connect(tb[i], &QSlider::valueChanged, this, [label = lb[i], schieber = tb[i]](int wert) {
            Wert(label, schieber, QString::fromStdString(TageText(wert)));
        });
        raster->addWidget(tb[i], i, 1);
        raster->addWidget(lb[i], i, 2);
    }
    auto* Button3 =
        Benannt(new QPushButton(QStringLiteral("Auf Standardwerte zurücksetzen"), gruppe),
                QStringLiteral("Button3"));
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    raster->addWidget(Button3, 4, 0, 1, 3, Qt::AlignRight);
    return gruppe;
}

QWidget* TForm2::TimerAufbauen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Timer"), this);
    auto* raster = new QGridLayout(gruppe);
    auto* Memo1 = Benannt(new QPlainTextEdit(gruppe), QStringLiteral("Memo1"));
    Memo1->setPlainText(QStringLiteral("Wählen Sie die Zeitspanne, nach der \nSie darauf "
                                       "hingewiesen werden, dass \nSie schon ziemlich lange "
                                       "lernen..."));
    Memo1->setReadOnly(true);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Farbe(Memo1, QPalette::Base, Memo1->palette().color(QPalette::Window));
    Memo1->setFixedHeight(56);
    raster->addWidget(Memo1, 0, 0, 1, 2);
    timerbar = Schieber(QStringLiteral("timerbar"), kTimerBereich, QSlider::TicksBelow, gruppe);
    timerbar->setAccessibleName(gruppe->title());
    connect(timerbar, &QSlider::valueChanged, this, &TForm2::timerbarChange);
    Label5 = Benannt(new QLabel(gruppe), QStringLiteral("Label5"));
    Label5->setMinimumWidth(100);
    raster->addWidget(timerbar, 1, 0);
    raster->addWidget(Label5, 1, 1);
    return gruppe;
}

QWidget* TForm2::BestaetigungAufbauen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Bestätigung"), this);
    auto* spalte = new QVBoxLayout(gruppe);
    EnterBox = Benannt(
        new QCheckBox(QStringLiteral("Bei der Abfrage statt mit F10 auch mit Enter bestätigen"),
                      gruppe),
        QStringLiteral("EnterBox"));
    spalte->addWidget(EnterBox);
    auto* Label8 = Benannt(Erklaerung(QStringLiteral("Eingabe eines Zeilenumbruchs ist bei "
                                                     "Aktivierung dieser Funktion nicht mögl."),
                                      gruppe),
                           QStringLiteral("Label8"));
    EnterBox->setAccessibleDescription(Label8->text());
    spalte->addWidget(Label8);
    return gruppe;
}

QWidget* TForm2::KnoepfeAufbauen() {
    auto* leiste = new QWidget(this);
    auto* zeile = new QHBoxLayout(leiste);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addStretch();
    auto* JvBitBtn1 = Bildknopf(QStringLiteral("JvBitBtn1"), QStringLiteral("Abbrechen"),
                                QStringLiteral(":/icons/falsch.png"), leiste);
    auto* JvBitBtn2 = Bildknopf(QStringLiteral("JvBitBtn2"), QStringLiteral("OK"),
                                QStringLiteral(":/icons/richtig.png"), leiste);
    JvBitBtn2->setDefault(true);
    connect(JvBitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(JvBitBtn2, &QPushButton::clicked, this, &TForm2::JvBitBtn2Click);
    zeile->addWidget(JvBitBtn1);
    zeile->addWidget(JvBitBtn2);
    return leiste;
}

void TForm2::showEvent(QShowEvent* ereignis) {
    FormActivate();
    QDialog::showEvent(ereignis);
}

void TForm2::FormActivate() {
    const TEinstellungen& e = einstellungen_;
    AutosaveBox->setChecked(e.Autosave);
    IntervalleSetzen({e.Fach2, e.Fach3, e.Fach4, e.Fach5});
    timerbar->setValue(e.Timer);
    timerbarChange();
    FarbeSetzen(e.Hintergrundfarbe);
    const int index = RichtungsIndex(e.Abfragerichtung, 3);
    // An exclusive group cannot lose its last check, so "none" needs it off for a moment.
    RG->setExclusive(false);
    for (QAbstractButton* knopf : RG->buttons()) {
        knopf->setChecked(RG->id(knopf) == index);
    }
    RG->setExclusive(true);
    EnterBox->setChecked(e.Enterab);
}

void TForm2::IntervalleSetzen(const std::array<std::int32_t, 4>& tage) {
    for (std::size_t i = 0; i < tb.size(); ++i) {
        // A value outside the range lands at its nearest end.
        tb[i]->setValue(tage[i]);
        Wert(lb[i], tb[i], QString::fromStdString(TageText(tb[i]->value())));
    }
}

void TForm2::timerbarChange() {
    Wert(Label5, timerbar, QString::fromStdString(TimerText(timerbar->value())));
}

void TForm2::Button3Click() {
    IntervalleSetzen({kStandardFach2, kStandardFach3, kStandardFach4, kStandardFach5});
}

void TForm2::Button4Click() {
    ColorDialog1->setCurrentColor(letzteFarbe_);
    if (ColorDialog1->exec() != QDialog::Accepted) {
        return;
    }
    letzteFarbe_ = ColorDialog1->selectedColor();
    FarbeSetzen(Farbwert(letzteFarbe_));
}

void TForm2::FarbeSetzen(TColor farbe) {
    farbe_ = farbe;
    Farbe(Panel1, QPalette::Window, Bildschirmfarbe(farbe));
}

void TForm2::JvBitBtn2Click() {
    TEinstellungen& e = einstellungen_;
    e.Autosave = AutosaveBox->isChecked();
    e.Fach2 = tb[0]->value();
    e.Fach3 = tb[1]->value();
    e.Fach4 = tb[2]->value();
    e.Fach5 = tb[3]->value();
    e.Abfragerichtung = RG->checkedId();
    e.Timer = timerbar->value();
    e.Hintergrundfarbe = farbe_;
    e.Enterab = EnterBox->isChecked();
    accept();
}
