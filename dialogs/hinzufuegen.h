// The add dialog: new cards, one after the other, to the end of compartment 1.
#pragma once

#include "einstellungen.h"
#include "kartei.h"
#include "sonderzeichen.h"
#include "vokabeleingabe.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// exec() returns Accepted when "Fertig" closed the dialog, Rejected for the close box and for
// Escape.
class TForm5 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    TForm5(lexidor::TKartei& kartei, lexidor::TEinstellungen& einstellungen,
           const lexidor::Ersatztexte& ersatztexte, QWidget* parent);

    void FormActivate();
    void Button1Click();
    void Button2Click();
    void CheckBox1Click();

protected:
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void hideEvent(QHideEvent* ereignis) override;

private:
    void Aufbauen(const lexidor::Ersatztexte& ersatztexte);
    void EnterSetzen();
    void Leeren();

    lexidor::TKartei& kartei_;
    lexidor::TEinstellungen& einstellungen_;
    // A refused card stays in the fields through the activation after its message.
    bool behalten_ = false;

    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QLabel* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QAction* F101 = nullptr;
    QAction* Enter1 = nullptr;
};
