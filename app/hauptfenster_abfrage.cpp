// The query area: the card asked, the reveal, the answer check, the grading and the
// statistics panel.
#include "hauptfenster.h"

#include "farben.h"
#include "lernverlauf.h"
#include "meldung.h"
#include "stufenbarflaeche.h"
#include "uhr.h"
#include "umwandlung.h"
#include "vokabeleingabe.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace lexidor;

void TForm1::AbfrageStarten() {
    Abfrage.AbfrageStarten(Kartei);
    Timer1->start();
    sbox->show();
    StatistikErreichbar();
    StatistikAktualisieren();
    Label17->setText(QStringLiteral("0%"));
    Prozentsatz->setValue(0);
    Label8->setText(QStringLiteral("00:00"));
}

// The window's part of closing a card box.
void TForm1::AbfrageLeeren() {
    Timer1->stop();
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
    Abfrage.Richtige = 0;
    Abfrage.Falsche = 0;
    PaintBox1->Setzen(0);
    sbox->hide();
}

void TForm1::TastenUmschalten(bool an) {
    F1->setShortcut(an ? QKeySequence(Qt::Key_F) : QKeySequence());
    R1->setShortcut(an ? QKeySequence(Qt::Key_R) : QKeySequence());
}

void TForm1::BildZeigen() {
    const TAbfragebild bild = Abfragebild(Abfrage.Zustand);
    Memo2->setReadOnly(!bild.Eingabe);
    Farbe(Memo2, QPalette::Base, bild.Eingabe ? QColor(Qt::white) : kFlaeche);
    Button1->setEnabled(bild.Selbst);
    Rbutton->setText(QString::fromUtf8(bild.RichtigText));
    Rbutton->setFixedWidth(bild.RichtigBreite);
    Rbutton->setEnabled(bild.Richtig);
    Fbutton->setEnabled(bild.Falsch);
    Button2->setText(QString::fromUtf8(bild.PruefenText));
    Farbe(Memo2, QPalette::Text, Bildschirmfarbe(bild.Antwortfarbe));
    Farbe(Memo3, QPalette::Text, Bildschirmfarbe(bild.Loesungsfarbe));
    Label6->setVisible(bild.Urteil);
    Label7->setVisible(bild.Urteil);
    TastenUmschalten(bild.Tasten);
}

void TForm1::FeldZeigen(QPlainTextEdit* feld, const std::string& text) {
    feld->setPlainText(QString::fromStdString(UmbruecheImFeld(text)));
}

void TForm1::NaechsteVokabel() {
    if (!Abfrage.NaechsteVokabel(Kartei, Heute(), Einstellungen, zufall_)) {
        return;
    }
    PaintBox1->Setzen(Abfrage.Balkenstufe());
    Memo2->clear();
    Memo3->clear();
    FeldZeigen(Memo1, Abfrage.Frage());
    Memo2->setFocus();
    BildZeigen();
    Enter1->setShortcuts(Einstellungen.Enterab ? QList<QKeySequence>{QKeySequence(Qt::Key_Return),
                                                                     QKeySequence(Qt::Key_Enter)}
                                               : QList<QKeySequence>{});
    FrageAnsagen();
}

void TForm1::Button1Click() {
    switch (Abfrage.Aufdecken(Kartei)) {
    case TAufdeckung::Nichts:
        return;
    case TAufdeckung::KeineKartei:
        Meldung::Information(this, QString::fromUtf8(kKeineKartei));
        return;
    case TAufdeckung::Aufgedeckt:
        break;
    }
    LoesungZeigen();
    LoesungAnsagen();
}

void TForm1::LoesungZeigen() {
    FeldZeigen(Memo3, Abfrage.Loesung());
    BildZeigen();
}

void TForm1::Button2Click() {
    const TPruefung pruefung = Abfrage.AutomatischPruefen(Kartei, NachUtf8(Memo2->toPlainText()));
    switch (pruefung) {
    case TPruefung::Nichts:
        return;
    case TPruefung::Weiter:
        Bewerten(false);
        return;
    case TPruefung::KeineKartei:
        Meldung::Information(this, QString::fromUtf8(kKeineKartei));
        return;
    case TPruefung::Richtig:
    case TPruefung::Abgelehnt:
        break;
    }
    // The check reveals the solution like F9 does, then grades or rejects at once.
    LoesungZeigen();
    if (pruefung == TPruefung::Richtig) {
        Bewerten(true);
        return;
    }
    UrteilAnsagen();
}

void TForm1::RbuttonClick() {
    if (Abfrage.KannBewerten(true)) {
        Bewerten(true);
    }
}

void TForm1::FbuttonClick() {
    if (Abfrage.KannBewerten(false)) {
        Bewerten(false);
    }
}

void TForm1::Bewerten(bool richtig) {
    Memo2->clear();
    VokabelVerschieben(richtig);
    VerlaufEintragen(Kartei.Dateipfad, Kartei, Heute(), richtig ? 1 : 0, richtig ? 0 : 1);
    StatistikAktualisieren();
    AutoSpeichern();
    NaechsteVokabel();
}

void TForm1::VokabelVerschieben(bool richtig) {
    if (const auto stufe = Abfrage.VokabelVerschieben(Kartei, richtig, zufall_)) {
        PaintBox1->Bewegen(*stufe);
    }
}

void TForm1::StatistikAktualisieren() {
    Labr->setText(QString::number(Abfrage.Richtige));
    Labf->setText(QString::number(Abfrage.Falsche));
    labgesamt->setText(QString::number(Abfrage.Richtige + Abfrage.Falsche));
    if (const auto p = Abfrage.Prozent()) {
        Prozentsatz->setValue(*p);
        Label17->setText(QString::number(*p) + u'%');
    }
    for (int k = 1; k <= 6; ++k) {
        lab[k]->setText(QString::fromStdString(FachText(k, Kartei.Fach[k].Count())));
    }
    gesamt->setText(QString::fromStdString(GesamtText(Kartei.Gesamtzahl())));
}

// Enter in the answer field is the text field's own key; with Enterab it checks the answer.
bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != Memo2 || ereignis->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    const bool enter = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
    if (!enter || (taste->modifiers() & ~Qt::KeypadModifier) || Enter1->shortcut().isEmpty()) {
        return false;
    }
    Enter1->trigger();
    return true;
}
