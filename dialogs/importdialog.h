// The import dialog: the first rows of a file as they will become cards, which columns become
// the German and the foreign side, and whether the file's levels are kept.
#pragma once

#include "importtabelle.h"
#include "vokabelimport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// exec() returns Accepted for "Importieren"; Wahl() then says how.
class TImportdialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TImportdialog)

public:
    // The table must outlive the dialog; dateiname is shown above the rows.
    TImportdialog(const lexidor::Importtabelle& tabelle, const QString& dateiname, QWidget* parent);

    const lexidor::Importwahl& Wahl() const { return wahl_; }

    void WahlAendern();
    void Button1Click();
    void Button2Click();

private:
    void Aufbauen(const QString& dateiname);
    QComboBox* Spaltenwahl(const char* name, int spalte);
    void VorschauZeigen();

    const lexidor::Importtabelle& tabelle_;
    lexidor::Importwahl wahl_;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr; // German
    QComboBox* ComboBox2 = nullptr; // foreign
    QCheckBox* CheckBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* Vorschau = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
