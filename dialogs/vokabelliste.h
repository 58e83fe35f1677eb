// The vocabulary list: every card of the box in one table, with search, delete and edit.
#pragma once

#include "kartei.h"
#include "vokabelzeilen.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableView;
class TForm6;

// The table's rows read straight from the card box; the model holds no row of its own.
class TVokabelmodell final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVokabelmodell)

public:
    TVokabelmodell(lexidor::TVokabelliste& liste, QObject* parent);

    // Runs aenderung, which changes the card box and rebuilds the rows, as one reset.
    void Neu(const std::function<void()>& aenderung);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    lexidor::TVokabelliste& liste_;
};

class TForm7 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm7)

public:
    TForm7(lexidor::TKartei& kartei, TForm6& form6, QWidget* parent);

    // Rebuilds the table from the card box; the main window calls it before exec().
    void Aufbauen();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Edit1Change();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void Fensteraufbau();
    int Ausgewaehlt() const;
    void Auswaehlen(int zeile);
    void ZumTreffer(int zeile);
    static lexidor::Suchlauf Durchsuchen(const std::function<lexidor::Suchlauf()>& suche);
    void Suchergebnis(const lexidor::Suchlauf& lauf, const QString& keinTreffer);

    lexidor::TKartei& kartei_;
    TForm6& form6_;
    lexidor::TVokabelliste liste_;
    TVokabelmodell* modell_ = nullptr;

    QTableView* List = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button1 = nullptr;
};
