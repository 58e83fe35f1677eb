// The keyboard-mapping dialog: the 35 keys with their replacement texts, changed one by one
// through the character picker or all cleared; every change counts from the next key press.
#pragma once

#include "sonderzeichen.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class TForm9;

class TForm8 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm8)

public:
    TForm8(lexidor::Ersatztexte& ersatztexte, TForm9& picker, QWidget* parent);

    void slistClick();
    void Button10Click();
    void Button3Click();

private:
    void ListeAufbauen();

    lexidor::Ersatztexte& ersatztexte_;
    TForm9& Form9;

    QListWidget* slist = nullptr;
    QLineEdit* Panel1 = nullptr;
};
