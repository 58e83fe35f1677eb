// The vocabulary list and its table model.
#include "vokabelliste.h"

#include "bausteine.h"

#include "bearbeiten.h"
#include "fenster.h"
#include "meldung.h"
#include "sanduhr.h"
#include "umwandlung.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace lexidor;

TVokabelmodell::TVokabelmodell(TVokabelliste& liste, QObject* parent)
    : QAbstractTableModel(parent), liste_(liste) {
}

void TVokabelmodell::Neu(const std::function<void()>& aenderung) {
    beginResetModel();
    aenderung();
    endResetModel();
}

int TVokabelmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : liste_.Zeilen();
}

int TVokabelmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TVokabelmodell::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    switch (index.column()) {
    case 0:
        return AusUtf8(liste_.Deutsch(index.row()));
    case 1:
        return AusUtf8(liste_.Fremd(index.row()));
    default:
        return QString::number(liste_.Position(index.row()).Stufe);
    }
}

QVariant TVokabelmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    static const QString kSpalten[] = {QStringLiteral("Deutsche Bedeutung"),
                                       QStringLiteral("Fremdpsprachliche Bedeutung"),
                                       QStringLiteral("Lernstufe")};
    return kSpalten[section];
}

Qt::ItemFlags TVokabelmodell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

TForm7::TForm7(TKartei& kartei, TForm6& form6, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), kartei_(kartei),
      form6_(form6), liste_(kartei) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Vokabelliste  (Doppelklicken zum Bearbeiten)"));
    Fensteraufbau();
    resize(760, 520);
}

void TForm7::Fensteraufbau() {
    modell_ = new TVokabelmodell(liste_, this);
    List = new QTableView(this);
    List->setObjectName(QStringLiteral("List"));
    List->setAccessibleName(QStringLiteral("Vokabeln"));
    List->setModel(modell_);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setShowGrid(false);
    // Tab leaves the table for the buttons instead of walking its cells.
    List->setTabKeyNavigation(false);
    List->setWordWrap(false);
    // A hit is scrolled to by pixels, so that it stands 50 pixels below the top.
    List->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    List->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows of one fixed height: the header then never measures a row's content.
    List->verticalHeader()->hide();
    List->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    List->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* kopf = List->horizontalHeader();
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kopf->setSectionResizeMode(QHeaderView::Stretch);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    List->viewport()->installEventFilter(this);
    connect(List, &QTableView::doubleClicked, this, &TForm7::Button5Click);

    Button5 = Knopf("Button5", QStringLiteral("Bearbeiten..."), this);
    connect(Button5, &QPushButton::clicked, this, &TForm7::Button5Click);
    Button2 = Knopf("Button2", QStringLiteral("Löschen"), this);
    connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
    Button3 = Knopf("Button3", QStringLiteral("Suchen"), this);
    connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Suchtext"));
    Edit1->setAccessibleDescription(QStringLiteral("Enter sucht"));
    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm7::Button3Click);
    Button4 = Knopf("Button4", QStringLiteral("Weitersuchen"), this);
    connect(Button4, &QPushButton::clicked, this, &TForm7::Button4Click);
    Button1 = Knopf("Button1", QStringLiteral("Fertig (Fenster schließen)"), this);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);

    auto* fenster = new QVBoxLayout(this);
    fenster->addWidget(List, 1);
    auto* leiste = new QHBoxLayout;
    for (QWidget* teil :
         std::initializer_list<QWidget*>{Button5, Button2, Button3, Edit1, Button4, Button1}) {
        leiste->addWidget(teil);
    }
    fenster->addLayout(leiste);
}

void TForm7::Aufbauen() {
    modell_->Neu([this] { liste_.Aufbauen(); });
    List->doItemsLayout();
}

int TForm7::Ausgewaehlt() const {
    const QModelIndexList zeilen = List->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.first().row();
}

void TForm7::Auswaehlen(int zeile) {
    if (zeile < 0) {
        List->selectionModel()->clear();
        return;
    }
    List->selectionModel()->setCurrentIndex(
        modell_->index(zeile, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TForm7::ZumTreffer(int zeile) {
    List->setFocus();
    Auswaehlen(zeile);
    const QRect zelle = List->visualRect(modell_->index(zeile, 0));
    QScrollBar* senkrecht = List->verticalScrollBar();
    senkrecht->setValue(senkrecht->value() + zelle.top() - 50);
    QScrollBar* waagrecht = List->horizontalScrollBar();
    waagrecht->setValue(waagrecht->value() + zelle.left());
}

void TForm7::Suchergebnis(const Suchlauf& lauf, const QString& keinTreffer) {
    if (lauf.ausgang == Suchausgang::Treffer) {
        ZumTreffer(lauf.zeile);
    } else if (lauf.ausgang == Suchausgang::KeinTreffer) {
        Meldung::Information(this, keinTreffer);
    }
}

void TForm7::Button1Click() {
    accept();
}

void TForm7::Button2Click() {
    const int zeile = Ausgewaehlt();
    if (zeile < 0) {
        return;
    }
    int danach = -1;
    modell_->Neu([&] { danach = liste_.Loeschen(zeile); });
    List->doItemsLayout();
    List->setFocus();
    Auswaehlen(danach);
}

void TForm7::Button3Click() {
    const QString text = Edit1->text();
    Suchergebnis(Durchsuchen([&] { return liste_.Suchen(text.toStdString()); }),
                 QStringLiteral("Die Suche nach \"") + Sichtbar(text) +
                     QStringLiteral("\" verlief Ergebnislos"));
}

void TForm7::Button4Click() {
    Suchergebnis(Durchsuchen([&] { return liste_.Weitersuchen(Edit1->text().toStdString()); }),
                 QStringLiteral("Keine weiteren Treffer gefunden"));
}

// A search through millions of rows takes a moment; the busy cursor is gone before the
// result is shown.
Suchlauf TForm7::Durchsuchen(const std::function<Suchlauf()>& suche) {
    const Sanduhr sanduhr;
    return suche();
}

void TForm7::Button5Click() {
    const int zeile = Ausgewaehlt();
    if (zeile < 0) {
        return;
    }
    liste_.Bearb = liste_.Position(zeile);
    const TVokList& fach = kartei_.Fach[liste_.Bearb.Stufe];
    form6_.Fuellen(fach.Deutsch(liste_.Bearb.Index), fach.Fremd(liste_.Bearb.Index), liste_.Bearb);
    form6_.exec();
    Aufbauen();
    List->setFocus();
    Auswaehlen(zeile);
}

void TForm7::Edit1Change() {
    liste_.SuchtextGeaendert();
}

bool TForm7::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The level column takes a third of the width, within 10 to 80 pixels; the two text
    // columns share the rest.
    if (objekt == List->viewport() && ereignis->type() == QEvent::Resize) {
        List->horizontalHeader()->resizeSection(2,
                                                std::clamp(List->viewport()->width() / 3, 10, 80));
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TForm7::showEvent(QShowEvent* ereignis) {
    if (const QScreen* bildschirm = screen()) {
        Zentrieren(this, bildschirm->availableGeometry());
    }
    QDialog::showEvent(ereignis);
}
