// The settings dialog: ten of the eleven settings, copied back only by "OK".
#pragma once

#include "einstellungen.h"

#include <QColor>
#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QColorDialog;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;

// exec() returns Accepted after "OK"; "Abbrechen" and the close box change nothing.
class TForm2 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    TForm2(lexidor::TEinstellungen& einstellungen, QWidget* parent);

    void FormActivate();
    void timerbarChange();
    void Button3Click();
    void Button4Click();
    void JvBitBtn2Click();

protected:
    // Filled when shown, not on every activation: coming back from the colour dialog must
    // not undo the colour just chosen.
    void showEvent(QShowEvent* ereignis) override;

private:
    QWidget* AllgemeinAufbauen();
    QWidget* RichtungAufbauen();
    QWidget* HintergrundAufbauen();
    QWidget* IntervalleAufbauen();
    QWidget* TimerAufbauen();
    QWidget* BestaetigungAufbauen();
    QWidget* KnoepfeAufbauen();
    void IntervalleSetzen(const std::array<std::int32_t, 4>& tage);
    void FarbeSetzen(lexidor::TColor farbe);

    lexidor::TEinstellungen& einstellungen_;
    lexidor::TColor farbe_ = 0;
    // The colour dialog opens with the colour last confirmed in it, not with the swatch.
    QColor letzteFarbe_ = Qt::black;

    QCheckBox* AutosaveBox = nullptr;
    QButtonGroup* RG = nullptr;
    QFrame* Panel1 = nullptr;
    std::array<QSlider*, 4> tb{}; // tb2 .. tb5
    std::array<QLabel*, 4> lb{};  // lb2 .. lb5
    QSlider* timerbar = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* EnterBox = nullptr;
    QColorDialog* ColorDialog1 = nullptr;
};
