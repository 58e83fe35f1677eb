// Shared window pieces.
#include "bausteine.h"

#include "meldung.h"
#include "zugang.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lexidor {

QPlainTextEdit* Textfeld(const char* name, QWidget* parent) {
    auto* feld = new QPlainTextEdit(parent);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setTabChangesFocus(true);
    return feld;
}

QPushButton* Knopf(const char* name, const QString& text, QWidget* parent, const QIcon& bild) {
    auto* knopf = new QPushButton(bild, text, parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoDefault(false);
    return knopf;
}

QGridLayout* BedeutungsfelderAnordnen(QWidget* dialog, QPlainTextEdit* fremd,
                                      QPlainTextEdit* deutsch) {
    auto* raster = new QGridLayout(dialog);
    auto* fremdBeschriftung = new QLabel(QStringLiteral("Fremdsprachliche Bedeutung:"), dialog);
    auto* deutschBeschriftung = new QLabel(QStringLiteral("Deutsche Bedeutung:"), dialog);
    Beschriften(fremdBeschriftung, fremd);
    Beschriften(deutschBeschriftung, deutsch);
    raster->addWidget(fremdBeschriftung, 0, 0);
    raster->addWidget(deutschBeschriftung, 0, 1);
    raster->addWidget(fremd, 1, 0);
    raster->addWidget(deutsch, 1, 1);
    QWidget::setTabOrder(fremd, deutsch);
    return raster;
}

void EingabeAbgelehntMelden(QWidget* parent) {
    Meldung::Information(
        parent, QStringLiteral("Die deutsche Bedeutung darf nicht mit \"----\" beginnen."));
}

} // namespace lexidor
