// The main window for the keyboard and for screen readers: names for its controls, access keys
// in its menus, the read-only query fields within reach of Tab, and what is read out when a
// card, a solution or a verdict appears. Nothing a sighted user sees changes but the access
// keys' underlines, and the menu's rules while a screen reader runs.
#include "hauptfenster.h"

#include "ansage.h"
#include "stufenbarflaeche.h"
#include "zugang.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>

using namespace lexidor;

void TForm1::ZugangEinrichten() {
    const auto label = [this](const char* name) {
        return findChild<QLabel*>(QString::fromLatin1(name));
    };
    Beschriften(label("Label3"), Memo1);
    Beschriften(label("Label5"), Memo2);
    Beschriften(label("Label4"), Memo3);
    // Reached by Tab and read line by line; a click still leaves the focus in the input field,
    // and each card still puts it there.
    for (QPlainTextEdit* leseFeld : {Memo1, Memo3}) {
        leseFeld->setFocusPolicy(Qt::TabFocus);
        leseFeld->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    // A value is read with the caption that stands before it.
    const std::pair<const char*, QLabel*> werte[] = {{"Label9", Label8},
                                                     {"Label10", labgesamt},
                                                     {"Label11", Labr},
                                                     {"Label12", Labf},
                                                     {"Label16", Label17}};
    for (const auto& [beschriftung, wert] : werte) {
        label(beschriftung)->setBuddy(wert);
        wert->setAccessibleDescription(OhneDoppelpunkt(label(beschriftung)->text()));
    }
    Prozentsatz->setAccessibleName(OhneDoppelpunkt(label("Label16")->text()));

    // The toolbar's pictures carry no text: they are named by their hints.
    for (QToolButton* knopf : Panel4->findChildren<QToolButton*>()) {
        knopf->setAccessibleName(knopf->statusTip());
    }
    Zugangstasten(menuBar(), {C.begin(), C.end()});
    TastenNennen(menuBar());
    // Arrowing through the menu with a screen reader, the rules around the recent files are
    // lines, not items that take the focus.
    connect(findChild<QMenu*>(QStringLiteral("Datei1")), &QMenu::aboutToShow, this, [this] {
        for (QAction* linie : {oben, unten}) {
            linie->setSeparator(QAccessible::isActive());
        }
    });
    FokusMelden(this);
}

void TForm1::FrageAnsagen() {
    const QString frage = Memo1->toPlainText();
    if (PaintBox1->Balken().Stufe == 0) {
        Ansagen(this, frage);
        return;
    }
    Ansagen(
        this,
        QStringLiteral("%1, %2: %3").arg(PaintBox1->Stufenname(), Memo1->accessibleName(), frage));
}

void TForm1::LoesungAnsagen() {
    Ansagen(this, Memo3->accessibleName() + QStringLiteral(": ") + Memo3->toPlainText());
}

void TForm1::UrteilAnsagen() {
    Ansagen(this, Label6->text() + u' ' + Label7->text() + u' ' + Memo3->toPlainText());
}

// The panel line by line, the captions before their values, after the level of the card asked.
void TForm1::StatistikAnsagen() {
    if (!sbox->isVisible()) {
        Ansagen(this, QString::fromUtf8(kKeineKartei));
        return;
    }
    const auto label = [this](const char* name) {
        return findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QStringList zeilen{PaintBox1->Stufenname(),
                       label("Label9") + u' ' + Label8->text(),
                       label("Label10") + u' ' + labgesamt->text(),
                       label("Label11") + u' ' + Labr->text(),
                       label("Label12") + u' ' + Labf->text(),
                       label("Label16") + u' ' + Label17->text(),
                       label("Label13") + u':'};
    for (int k = 1; k <= 6; ++k) {
        zeilen << lab[k]->text().simplified();
    }
    zeilen << gesamt->text().simplified();
    Ansagen(this, zeilen.join(QStringLiteral(", ")));
}

// With a screen reader running, Tab reaches the panel's values after the query's controls,
// each on its own and in reading order: the left column, then the compartment counts.
void TForm1::StatistikErreichbar() {
    const Qt::FocusPolicy politik = QAccessible::isActive() ? Qt::TabFocus : Qt::NoFocus;
    for (QLabel* wert : {Label8, labgesamt, Labr, Labf, Label17}) {
        wert->setFocusPolicy(politik);
    }
    for (int k = 1; k <= 6; ++k) {
        lab[k]->setFocusPolicy(politik);
    }
    gesamt->setFocusPolicy(politik);
}
