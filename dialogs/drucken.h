// The print window: a preview of the printed list or test sheet of the open box, page by page
// as the pages are looked at, and printing through the system's print dialog.
#pragma once

#include "druck.h"

#include <QDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QPrinter>
#include <array>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QSpinBox;
class QTimer;

class TDrucken final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDrucken)

public:
    TDrucken(const lexidor::TKartei& kartei, int abfragerichtung, lexidor::Datum heute,
             QWidget* parent);
    ~TDrucken() override;

    void ArtChange();
    void AuswahlChange();
    void SeiteChange();
    void SeiteEinrichtenClick();
    void DruckenClick();

private:
    void Setzen();
    void Weitersetzen();
    int Zeilenhoehe(int zeile) const;
    void SeiteMalen(QPainter& maler, int seite);
    bool AllesSetzen();
    QString Ueberschrift() const;

    const lexidor::TKartei& kartei_;
    int abfragerichtung_;
    lexidor::Datum heute_;
    QPrinter drucker_;
    std::vector<lexidor::TDruckkarte> karten_;
    std::unique_ptr<lexidor::TSeitenplan> plan_;
    QFont schrift_;
    QFontMetricsF mass_;
    std::array<double, 3> spalten_{}; // widths of the columns in points

    QComboBox* Art = nullptr;
    QComboBox* Auswahl = nullptr;
    QSpinBox* Seitenwahl = nullptr;
    QLabel* Seitenzahl = nullptr;
    QLabel* Seitenbild = nullptr;
    QPushButton* Drucken1 = nullptr;
    QTimer* Setzer = nullptr;
};
