// The import dialog: the first rows of a file with every column, which columns become the
// German and the foreign side, how a text file is split and read, and whether the file's
// levels are kept, and which of the file's lessons come in.
#pragma once

#include "importtabelle.h"
#include "vokabelimport.h"

#include <QDialog>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

// exec() returns Accepted for "Importieren"; Tabelle() and Wahl() then say what and how.
class TImportdialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TImportdialog)

public:
    // datei, the file's bytes (of a large text file its start, as the table was read from),
    // must outlive the dialog: a text file is read again when the user changes how. dateiname
    // is shown above the rows.
    TImportdialog(lexidor::Importtabelle tabelle, std::string_view datei, const QString& dateiname,
                  QWidget* parent);

    const lexidor::Importtabelle& Tabelle() const { return tabelle_; }
    const lexidor::Importwahl& Wahl() const { return wahl_; }

    void WahlAendern();
    void LeseartAendern();
    void Button1Click();
    void Button2Click();

private:
    void Aufbauen();
    QComboBox* Spaltenwahl(const char* name);
    void Zeigen();
    void VorschauZeigen();
    void LektionenZeigen();

    lexidor::Importtabelle tabelle_;
    std::string_view datei_;
    QString dateiname_;
    lexidor::Importwahl wahl_;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;     // German
    QComboBox* ComboBox2 = nullptr;     // foreign
    QComboBox* ComboBox3 = nullptr;     // separator
    QComboBox* ComboBox4 = nullptr;     // the column of levels
    QListWidget* ListWidget1 = nullptr; // lessons
    QLabel* Label3 = nullptr;
    QCheckBox* CheckBox1 = nullptr; // header row
    QCheckBox* CheckBox2 = nullptr; // HTML as plain text
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QLabel* Label2 = nullptr;
    QTableWidget* Vorschau = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
