// The main window's menus. The menu "T_komb" is never shown: its items are the query's keys.
#include "hauptfenster.h"

#include "meldung.h"

#include <QAction>
#include <QMenuBar>

using namespace lexidor;

namespace {

const QString kTrennlinie = QString(26, u'-');

} // namespace

QAction* TForm1::Aktion(QMenu* menue, const char* name, const QString& text, const QString& hinweis,
                        const QKeySequence& taste) {
    auto* aktion = menue->addAction(text);
    aktion->setObjectName(QString::fromLatin1(name));
    aktion->setStatusTip(hinweis);
    aktion->setShortcut(taste);
    return aktion;
}

void TForm1::MenueAufbauen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* kartei = leiste->addMenu(QStringLiteral("Kartei"));
    kartei->setObjectName(QStringLiteral("Datei1"));
    connect(
        Aktion(kartei, "Neu1", QStringLiteral("Neu"), QStringLiteral("Neue Vokabelkartei anlegen")),
        &QAction::triggered, this, &TForm1::Neu1Click);
    connect(Aktion(kartei, "ffnen1", QStringLiteral("Öffnen..."),
                   QStringLiteral("Vokabelkartei öffnen"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TForm1::ffnen1Click);
    connect(Aktion(kartei, "Speichern1", QStringLiteral("Speichern"),
                   QStringLiteral("Aktuelle Vokabelkartei speichern"),
                   QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TForm1::Speichern1Click);
    connect(Aktion(kartei, "Speichernunter1", QStringLiteral("Speichern unter..."),
                   QStringLiteral("Vokabelkartei an einen anderen Ort speichern")),
            &QAction::triggered, this, &TForm1::Speichernunter1Click);
    connect(Aktion(kartei, "Schlieen1", QStringLiteral("Schließen"),
                   QStringLiteral("Vokabelkartei schließen"), QKeySequence(Qt::CTRL | Qt::Key_W)),
            &QAction::triggered, this, &TForm1::Schlieen1Click);
    connect(Aktion(kartei, "Drucken1", QStringLiteral("Drucken..."),
                   QStringLiteral("Vokabelliste oder Testbogen dieser Kartei drucken"),
                   QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &TForm1::Drucken1Click);
    const auto trennlinieGeklickt = [this] {
        Meldung::Information(
            this, QStringLiteral("Ein Klick auf eine Trennlinie löst keinerlei Aktion aus"));
    };
    oben = Aktion(kartei, "oben", kTrennlinie, QString());
    connect(oben, &QAction::triggered, this, trennlinieGeklickt);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "C" + QByteArray::number(i + 1);
        C[i] = Aktion(kartei, name.constData(), QString(), QString());
        connect(C[i], &QAction::triggered, this, [this, i] { CClick(i); });
    }
    unten = Aktion(kartei, "unten", kTrennlinie, QString());
    connect(unten, &QAction::triggered, this, trennlinieGeklickt);
    connect(
        Aktion(kartei, "Beenden1", QStringLiteral("Beenden"), QStringLiteral("Anwendung beenden")),
        &QAction::triggered, this, &TForm1::Beenden1Click);

    QMenu* vokabeln = leiste->addMenu(QStringLiteral("Vokabeln"));
    vokabeln->setObjectName(QStringLiteral("Vokabeln1"));
    connect(Aktion(vokabeln, "Hinzufgen1", QStringLiteral("Hinzufügen..."),
                   QStringLiteral("Neue Vokabeln in diese Kartei aufnehmen"),
                   QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, &TForm1::Hinzufgen1Click);
    connect(Aktion(vokabeln, "Liste1", QStringLiteral("Liste..."),
                   QStringLiteral("Alle Vokabeln in dieser Kartei anzeigen"),
                   QKeySequence(Qt::Key_F6)),
            &QAction::triggered, this, &TForm1::Liste1Click);
    connect(Aktion(vokabeln, "Importieren1", QStringLiteral("Importieren..."),
                   QStringLiteral("Vokabeln aus einer Textdatei oder einer anderen Lernkartei "
                                  "übernehmen")),
            &QAction::triggered, this, &TForm1::Importieren1Click);
    connect(Aktion(vokabeln, "Exportieren1", QStringLiteral("Exportieren..."),
                   QStringLiteral("Alle Vokabeln dieser Kartei als Textdatei speichern")),
            &QAction::triggered, this, &TForm1::Exportieren1Click);
    connect(Aktion(vokabeln, "Lernverlauf1", QStringLiteral("Lernverlauf..."),
                   QStringLiteral("Fälligkeit, Fächer und Antworten dieser Kartei im Verlauf "
                                  "anzeigen")),
            &QAction::triggered, this, &TForm1::Lernverlauf1Click);
    // Reads the statistics panel and the level out without leaving the answer field.
    connect(Aktion(vokabeln, "Statistikvorlesen1", QStringLiteral("Statistik vorlesen"),
                   QStringLiteral("Abfragestatistik und Stufe vorlesen"), QKeySequence(Qt::Key_F8)),
            &QAction::triggered, this, &TForm1::StatistikAnsagen);
    QAction* wirbel = Aktion(vokabeln, "Wirbel1", QStringLiteral("Wirbel"), QString());
    wirbel->setVisible(false);
    connect(wirbel, &QAction::triggered, this, &TForm1::Wirbel1Click);

    QMenu* optionen = leiste->addMenu(QStringLiteral("Optionen"));
    optionen->setObjectName(QStringLiteral("Optionen1"));
    connect(Aktion(optionen, "Allgemein1", QStringLiteral("Einstellungen..."),
                   QStringLiteral("Einstellungen"), QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &TForm1::Allgemein1Click);
    connect(Aktion(optionen, "TastaturbelegungSonderzeichen1",
                   QStringLiteral("Tastaturbelegung (Sonderzeichen)..."),
                   QStringLiteral("Ändern der Tastaturbelegung")),
            &QAction::triggered, this, &TForm1::TastaturbelegungSonderzeichen1Click);
    connect(Aktion(optionen, "Hintergrundanaus1", QStringLiteral("Hintergrund an/aus"),
                   QStringLiteral("An- / Ausschalten des Hintergrunds")),
            &QAction::triggered, this, &TForm1::Hintergrundanaus1Click);

    QMenu* hilfe = leiste->addMenu(QStringLiteral("?"));
    hilfe->setObjectName(QStringLiteral("N2"));
    connect(Aktion(hilfe, "Hilfe1", QStringLiteral("Hilfe..."), QStringLiteral("Hilfe"),
                   QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &TForm1::Hilfe1Click);
    connect(Aktion(hilfe, "Homepage1", QStringLiteral("Homepage..."),
                   QStringLiteral("Besuchen sie doch einmal die Homepage")),
            &QAction::triggered, this, &TForm1::Homepage1Click);
    connect(Aktion(hilfe, "ber1", QStringLiteral("Über..."),
                   QStringLiteral("Informationen zu diesem Programm")),
            &QAction::triggered, this, &TForm1::ber1Click);

    // Never shown: its items are the query's keys. A hidden menu fires no shortcuts, so
    // the window carries its actions as well.
    QMenu* komb = leiste->addMenu(QStringLiteral("T_komb"));
    komb->setObjectName(QStringLiteral("komb1"));
    komb->menuAction()->setVisible(false);
    connect(Aktion(komb, "F101", QStringLiteral("F10"), QString(), QKeySequence(Qt::Key_F10)),
            &QAction::triggered, this, &TForm1::Button2Click);
    connect(Aktion(komb, "F91", QStringLiteral("F9"), QString(), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, &TForm1::Button1Click);
    F1 = Aktion(komb, "F1", QStringLiteral("F"), QString());
    connect(F1, &QAction::triggered, this, &TForm1::FbuttonClick);
    R1 = Aktion(komb, "R1", QStringLiteral("R"), QString());
    connect(R1, &QAction::triggered, this, &TForm1::RbuttonClick);
    Enter1 = Aktion(komb, "Enter1", QStringLiteral("Enter"), QString());
    connect(Enter1, &QAction::triggered, this, &TForm1::Button2Click);
    addActions(komb->actions());
    addAction(wirbel);
}
