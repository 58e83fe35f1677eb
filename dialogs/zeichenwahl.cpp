// The character picker.
#include "zeichenwahl.h"

#include "bausteine.h"

#include "fenster.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace lexidor;

namespace {

struct Wahl {
    const char* name;
    const char* text;
};
// Two rows of four; the first is the one that removes the replacement.
constexpr Wahl kWahlen[] = {{"Button1", "(Nichts)"}, {"Button2", "ç"}, {"Button3", "ø"},
                            {"Button7", "å"},        {"Button4", "ï"}, {"Button5", "ÿ"},
                            {"Button6", "ë"},        {"Button8", "æ"}};

} // namespace

TForm9::TForm9(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form9"));
    auto* spalte = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Ersatztext"));
    spalte->addWidget(Edit1);
    auto* raster = new QGridLayout;
    QFont gross = font();
    gross.setPointSizeF(gross.pointSizeF() * 1.8);
    for (int i = 0; i < 8; ++i) {
        const QString text = QString::fromUtf8(kWahlen[i].text);
        auto* knopf = Knopf(kWahlen[i].name, text, this);
        knopf->setFixedSize(65, 49);
        knopf->setAccessibleDescription(QStringLiteral("Setzt „%1“ als Ersatztext ein").arg(text));
        if (i > 0) {
            knopf->setFont(gross);
        }
        connect(knopf, &QPushButton::clicked, this, [this, text] { Edit1->setText(text); });
        raster->addWidget(knopf, i / 4, i % 4);
    }
    spalte->addLayout(raster);
    spalte->setAlignment(raster, Qt::AlignHCenter);
    auto* zeile = new QHBoxLayout;
    auto* BitBtn2 = Knopf("BitBtn2", QStringLiteral("Abbrechen"), this);
    BitBtn2->setIcon(QIcon(QStringLiteral(":/icons/falsch.png")));
    auto* BitBtn1 = Knopf("BitBtn1", QStringLiteral("OK"), this);
    BitBtn1->setIcon(QIcon(QStringLiteral(":/icons/richtig.png")));
    BitBtn1->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(kAbgebrochen); });
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
    zeile->addWidget(BitBtn2);
    zeile->addStretch();
    zeile->addWidget(BitBtn1);
    spalte->addLayout(zeile);
    setFixedSize(sizeHint());
}

TForm9::Ende TForm9::Zeigen(const QString& text) {
    // The caption names the key and is set before each showing; it must be readable whole.
    setFixedSize(std::max(sizeHint().width(), Titelbreite(windowTitle())), sizeHint().height());
    Edit1->setText(text);
    Edit1->setFocus();
    switch (exec()) {
    case QDialog::Accepted:
        return Ende::Bestaetigt;
    case kAbgebrochen:
        return Ende::Abgebrochen;
    default:
        return Ende::Geschlossen;
    }
}

QString TForm9::Text() const {
    return Edit1->text();
}

void TForm9::BitBtn1Click() {
    accept();
}

void TForm9::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->ignore();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
