// The keyboard-mapping dialog.
#include "tastaturbelegung.h"

#include "farben.h"
#include "optionen.h"
#include "umwandlung.h"
#include "zeichenwahl.h"
#include "zugang.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace lexidor;

TForm8::TForm8(Ersatztexte& ersatztexte, TForm9& picker, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ersatztexte_(ersatztexte), Form9(picker) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Tastaturbelegung"));
    auto* raster = new QGridLayout(this);
    slist = new QListWidget(this);
    slist->setObjectName(QStringLiteral("slist"));
    slist->setAccessibleName(QStringLiteral("Sondertasten"));
    slist->setAccessibleDescription(QStringLiteral("Jede Zeile: die Taste und ihr Ersatztext"));
    slist->setFont(QFont(QStringLiteral("Liberation Mono")));
    connect(slist, &QListWidget::itemSelectionChanged, this, &TForm8::slistClick);
    raster->addWidget(slist, 0, 0, 5, 1);

    auto* Label3 = new QLabel(QStringLiteral("...wird ersetzt durch..."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    raster->addWidget(Label3, 0, 1);
    Panel1 = new QLineEdit(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Beschriften(Label3, Panel1);
    Panel1->setReadOnly(true);
    Panel1->setFocusPolicy(Qt::NoFocus);
    // Read-only and greyed: the button face behind the text, as on a button.
    Farbe(Panel1, QPalette::Base, Panel1->palette().color(QPalette::Button));
    raster->addWidget(Panel1, 1, 1);
    auto* Button10 = new QPushButton(QStringLiteral("Ändern..."), this);
    Button10->setObjectName(QStringLiteral("Button10"));
    connect(Button10, &QPushButton::clicked, this, &TForm8::Button10Click);
    raster->addWidget(Button10, 2, 1);

    auto* schemata = new QGroupBox(QStringLiteral("Auto-Schemata"), this);
    auto* Button3 = new QPushButton(QStringLiteral("Alles löschen"), schemata);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button3, &QPushButton::clicked, this, &TForm8::Button3Click);
    (new QVBoxLayout(schemata))->addWidget(Button3);
    raster->addWidget(schemata, 3, 1);

    auto* JvBitBtn1 =
        new QPushButton(QIcon(QStringLiteral(":/icons/richtig.png")), QStringLiteral("OK"), this);
    JvBitBtn1->setObjectName(QStringLiteral("JvBitBtn1"));
    JvBitBtn1->setDefault(true);
    connect(JvBitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    raster->addWidget(JvBitBtn1, 4, 1, Qt::AlignBottom);
    raster->setColumnStretch(0, 1);
    ListeAufbauen();
    setFixedSize(460, 380);
}

void TForm8::ListeAufbauen() {
    slist->clear();
    for (int i = 0; i < kSondertastenAnzahl; ++i) {
        slist->addItem(AusUtf8(Belegungszeile(ersatztexte_, i)));
    }
}

void TForm8::slistClick() {
    const int i = slist->currentRow();
    if (i >= 0 && !slist->selectedItems().isEmpty()) {
        Panel1->setText(AusUtf8(ersatztexte_[static_cast<std::size_t>(i)]));
    }
}

void TForm8::Button10Click() {
    if (slist->selectedItems().isEmpty()) {
        return;
    }
    const auto i = static_cast<std::size_t>(slist->currentRow());
    Form9.setWindowTitle(QStringLiteral("Die Taste ") + AusUtf8(Sondertasten[i]) +
                         QStringLiteral(" wird ersetzt durch..."));
    const TForm9::Ende ende = Form9.Zeigen(AusUtf8(ersatztexte_[i]));
    const std::string ersatz = ErsatztextAusFeld(NachUtf8(Form9.Text()));
    if (ende == TForm9::Ende::Bestaetigt) {
        ersatztexte_[i] = ersatz;
    }
    Panel1->setText(AusUtf8(ersatz));
    ListeAufbauen();
}

void TForm8::Button3Click() {
    ersatztexte_.fill(std::string(kNichts));
    ListeAufbauen();
}
