// The edit dialog.
#include "bearbeiten.h"

#include "bausteine.h"
#include "ersetzung.h"
#include "umwandlung.h"
#include "vokabeleingabe.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

using namespace lexidor;

TForm6::TForm6(TKartei& kartei, const Ersatztexte& ersatztexte, QWidget* parent)
    : QDialog(parent), kartei_(kartei) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Vokabel bearbeiten..."));
    Aufbauen(ersatztexte);
    resize(560, 270);
}

void TForm6::Aufbauen(const Ersatztexte& ersatztexte) {
    Memo2 = Textfeld("Memo2", this);
    Memo1 = Textfeld("Memo1", this);
    auto* ersetzung = new Sonderzeichenersetzung(ersatztexte, this);
    for (QPlainTextEdit* feld : {Memo1, Memo2}) {
        ersetzung->Einrichten(feld);
        connect(feld, &QPlainTextEdit::textChanged, this, [this, feld] { MemoChange(feld); });
    }
    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    JvBitBtn1 = Knopf("JvBitBtn1", QStringLiteral("OK (F10)"), this,
                      style()->standardIcon(QStyle::SP_DialogOkButton));
    JvBitBtn1->setFocusPolicy(Qt::ClickFocus);
    JvBitBtn1->setDefault(true);
    connect(JvBitBtn1, &QPushButton::clicked, this, &TForm6::JvBitBtn1Click);
    JvBitBtn2 = Knopf("JvBitBtn2", QStringLiteral("Abbrechen"), this,
                      style()->standardIcon(QStyle::SP_DialogCancelButton));
    JvBitBtn2->setFocusPolicy(Qt::ClickFocus);
    connect(JvBitBtn2, &QPushButton::clicked, this, &TForm6::JvBitBtn2Click);

    auto* raster = BedeutungsfelderAnordnen(this, Memo2, Memo1);
    auto* leiste = new QHBoxLayout;
    leiste->addWidget(Panel1, 1);
    leiste->addWidget(JvBitBtn1);
    leiste->addWidget(JvBitBtn2);
    raster->addLayout(leiste, 2, 0, 1, 2);

    F101 = new QAction(QStringLiteral("F10"), this);
    F101->setObjectName(QStringLiteral("F101"));
    F101->setShortcut(QKeySequence(Qt::Key_F10));
    connect(F101, &QAction::triggered, this, &TForm6::JvBitBtn1Click);
    addAction(F101);
}

void TForm6::Fuellen(std::string_view deutsch, std::string_view fremd, TPosInfo bearb) {
    bearb_ = bearb;
    // The fields turn the stored line breaks into their own as the text arrives.
    Memo1->setPlainText(AusUtf8(deutsch));
    Memo2->setPlainText(AusUtf8(fremd));
    deutschVorher_ = {std::string(deutsch), Memo1->toPlainText().toStdString()};
    fremdVorher_ = {std::string(fremd), Memo2->toPlainText().toStdString()};
    Panel1->setText(QStringLiteral("Stufe %1").arg(bearb.Stufe));
}

void TForm6::MemoChange(QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    const QString feldtext = QString::fromStdString(UmbruecheImFeld(text.toStdString()));
    if (feldtext == text) {
        return;
    }
    // A "¼" or "¾" typed here becomes a line break, and the caret stays behind it.
    const int caret = memo->textCursor().position();
    const int neu = static_cast<int>(
        QString::fromStdString(UmbruecheImFeld(text.left(caret).toStdString())).size());
    memo->setPlainText(feldtext);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(neu);
    memo->setTextCursor(cursor);
}

void TForm6::FormActivate() {
    Memo2->setFocus();
}

void TForm6::JvBitBtn1Click() {
    const Eingabeergebnis e =
        VokabelAendern(kartei_, bearb_, Memo1->toPlainText().toStdString(),
                       Memo2->toPlainText().toStdString(), deutschVorher_, fremdVorher_);
    if (e.ergebnis != Eingabe::Ok) {
        EingabeAbgelehntMelden(this);
        return;
    }
    accept();
}

void TForm6::JvBitBtn2Click() {
    reject();
}

bool TForm6::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(ereignis);
}
