// The learning-progress window: the due forecast, the compartments over time and the answers
// per day of the open box, as charts and, for screen readers, as a table. Beside it the
// history file's glue: where a box's history lies, and recording a day in it.
#pragma once

#include "kartei.h"
#include "verlauf.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QLabel;
class QTableWidget;

namespace lexidor {
// The history file of the box at that path; empty for a box without a file.
QString VerlaufDatei(std::string_view kartenpfad);
// Adds today's record for the box at that path; a history that is there but cannot be read is
// left as it is.
void VerlaufEintragen(std::string_view kartenpfad, const TKartei& kartei, Datum heute, int richtige,
                      int falsche);
} // namespace lexidor

class TLernverlauf final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLernverlauf)

public:
    TLernverlauf(const lexidor::TKartei& kartei, lexidor::Datum heute, QWidget* parent);

    void ZeitraumChange();

private:
    void VerlaufLaden();
    void VorschauZeigen();

    const lexidor::TKartei& kartei_;
    lexidor::Datum heute_;
    lexidor::TVerlauf verlauf_;

    QLabel* Zusammenfassung = nullptr;
    QLabel* Hinweis = nullptr;
    QComboBox* Zeitraum = nullptr;
    QChartView* Vorschaubild = nullptr;
    QChartView* Faecherbild = nullptr;
    QChartView* Antwortbild = nullptr;
    QTableWidget* Zahlen = nullptr;
};
