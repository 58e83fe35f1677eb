// The add dialog.
#include "hinzufuegen.h"

#include "ansage.h"
#include "bausteine.h"
#include "ersetzung.h"
#include "meldung.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>

using namespace lexidor;

namespace {
const QString kNichtHinzugefuegt =
    QStringLiteral("Vokabel wurde nicht hinzugefügt, Eingabefelder leer");
} // namespace

TForm5::TForm5(TKartei& kartei, TEinstellungen& einstellungen, const Ersatztexte& ersatztexte,
               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      kartei_(kartei), einstellungen_(einstellungen) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Vokabeln hinzufügen..."));
    Aufbauen(ersatztexte);
    setFixedSize(std::max(560, sizeHint().width()), 270);
}

void TForm5::Aufbauen(const Ersatztexte& ersatztexte) {
    Memo2 = Textfeld("Memo2", this);
    Memo1 = Textfeld("Memo1", this);
    auto* ersetzung = new Sonderzeichenersetzung(ersatztexte, this);
    for (QPlainTextEdit* feld : {Memo1, Memo2}) {
        ersetzung->Einrichten(feld);
        feld->installEventFilter(this);
    }
    CheckBox1 = new QCheckBox(QStringLiteral("Mit Enter bestätigen (Kein Zeilenumbr.)"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setFocusPolicy(Qt::ClickFocus);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm5::CheckBox1Click);
    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The longer of the two outcomes must be readable whole.
    Panel1->setMinimumWidth(Panel1->fontMetrics().horizontalAdvance(kNichtHinzugefuegt) +
                            2 * Panel1->frameWidth() + 8);
    Button1 = Knopf("Button1", QStringLiteral("Hinzufügen (F10)"), this);
    Button1->setFocusPolicy(Qt::ClickFocus);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    Button2 = Knopf("Button2", QStringLiteral("Fertig (Fenster schließen)"), this);
    Button2->setFocusPolicy(Qt::ClickFocus);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);

    auto* raster = BedeutungsfelderAnordnen(this, Memo2, Memo1);
    raster->addWidget(CheckBox1, 2, 0, 1, 2);
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(Panel1, 1);
    leiste->addWidget(Button1);
    leiste->addWidget(Button2);
    raster->addLayout(leiste, 3, 0, 1, 2);

    // The commands of the menu that is never shown.
    F101 = new QAction(QStringLiteral("F10"), this);
    F101->setObjectName(QStringLiteral("F101"));
    F101->setShortcut(QKeySequence(Qt::Key_F10));
    connect(F101, &QAction::triggered, this, &TForm5::Button1Click);
    Enter1 = new QAction(QStringLiteral("Enter"), this);
    Enter1->setObjectName(QStringLiteral("Enter1"));
    connect(Enter1, &QAction::triggered, this, &TForm5::Button1Click);
    addActions({F101, Enter1});
}

void TForm5::EnterSetzen() {
    Enter1->setShortcuts(einstellungen_.Enterneu ? QList<QKeySequence>{QKeySequence(Qt::Key_Return),
                                                                       QKeySequence(Qt::Key_Enter)}
                                                 : QList<QKeySequence>{});
}

// An empty field is left alone: clearing it still reports a caret move, and a screen reader
// that sees the caret of the field arriving before its focus stays silent about the focus.
void TForm5::Leeren() {
    for (QPlainTextEdit* feld : {Memo1, Memo2}) {
        if (!feld->document()->isEmpty()) {
            feld->clear();
        }
    }
    Memo2->setFocus();
}

void TForm5::FormActivate() {
    if (behalten_) {
        behalten_ = false;
        Memo2->setFocus();
    } else {
        Leeren();
    }
    CheckBox1->setChecked(einstellungen_.Enterneu);
    EnterSetzen();
}

void TForm5::Button1Click() {
    const Eingabeergebnis e = VokabelHinzufuegen(kartei_, Memo1->toPlainText().toStdString(),
                                                 Memo2->toPlainText().toStdString());
    switch (e.ergebnis) {
    case Eingabe::Limit:
        Meldung::Information(this, QStringLiteral("Es können keine weiteren Vokabeln "
                                                  "hinzugefügt werden, da das Limit (3200000) "
                                                  "erreicht wurde"));
        return;
    case Eingabe::Leer:
        Panel1->setText(kNichtHinzugefuegt);
        Leeren();
        Ansagen(this, kNichtHinzugefuegt);
        return;
    case Eingabe::Markerzeile:
        behalten_ = true;
        EingabeAbgelehntMelden(this);
        return;
    case Eingabe::Ok:
        Leeren();
        Panel1->setText(QStringLiteral("Vokabel wurde hinzugefügt"));
        Ansagen(this, Panel1->text());
        return;
    }
}

void TForm5::Button2Click() {
    accept();
}

void TForm5::CheckBox1Click() {
    einstellungen_.Enterneu = CheckBox1->isChecked();
    EnterSetzen();
}

bool TForm5::event(QEvent* ereignis) {
    // The window opens with the cursor in its first field rather than moving it there.
    if (ereignis->type() == QEvent::Show) {
        Memo2->setFocus();
    }
    if (ereignis->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(ereignis);
}

bool TForm5::eventFilter(QObject* objekt, QEvent* ereignis) {
    // A text field claims Enter for its line break before any shortcut sees the key; while
    // Enter adds, the field must not claim it.
    if (ereignis->type() == QEvent::ShortcutOverride && !Enter1->shortcuts().isEmpty()) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

// The outcome of the last add belongs to that visit: the dialog opens again without it.
void TForm5::hideEvent(QHideEvent* ereignis) {
    behalten_ = false;
    Panel1->clear();
    QDialog::hideEvent(ereignis);
}
