// The edit dialog: new texts for one card of the vocabulary list, in its place.
#pragma once

#include "kartei.h"
#include "sonderzeichen.h"
#include "vokabeleingabe.h"

#include <QDialog>
#include <string_view>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The list fills the dialog, then calls exec().
class TForm6 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    TForm6(lexidor::TKartei& kartei, const lexidor::Ersatztexte& ersatztexte, QWidget* parent);

    // The card's sides as stored (line breaks encoded) and where OK writes it back.
    void Fuellen(std::string_view deutsch, std::string_view fremd, lexidor::TPosInfo bearb);

    void FormActivate();
    void MemoChange(QPlainTextEdit* memo);
    void JvBitBtn1Click();
    void JvBitBtn2Click();

protected:
    bool event(QEvent* ereignis) override;

private:
    void Aufbauen(const lexidor::Ersatztexte& ersatztexte);

    lexidor::TKartei& kartei_;
    lexidor::TPosInfo bearb_;
    // What the card held and what the fields showed of it, so that OK keeps a side the user
    // did not edit as it was.
    lexidor::Vorlage deutschVorher_;
    lexidor::Vorlage fremdVorher_;

    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QLabel* Panel1 = nullptr;
    QPushButton* JvBitBtn1 = nullptr;
    QPushButton* JvBitBtn2 = nullptr;
    QAction* F101 = nullptr;
};
