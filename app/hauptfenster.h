// The main window: menus, toolbar, query area, statistics, recent files and the file commands.
// It owns everything the program keeps while it runs; the rules live in core. Its code lies in
// the hauptfenster*.cpp files, one a job.
#pragma once

#include "abfrage.h"
#include "dateibefehle.h"
#include "einstellungen.h"
#include "history.h"
#include "kartei.h"
#include "schreibfehler.h"
#include "sonderzeichen.h"
#include "zufall.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

namespace lexidor {
class Stufenbarflaeche;
class Verlaufspanel;
class Globaltaste;
class Wirbelflaeche;
} // namespace lexidor

class TForm1 final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm1)

public:
    explicit TForm1(const QStringList& argumente, QWidget* parent = nullptr);
    ~TForm1() override;

    lexidor::TKartei Kartei;
    lexidor::TAbfrage Abfrage;
    lexidor::TEinstellungen Einstellungen;
    bool HintergrundStartFlag = false;
    lexidor::Ersatztexte Ersatztexte = lexidor::ErsatztexteLeer();
    lexidor::THistory Historie;

    // File commands.
    void KarteiLaden(); // the file Kartei.Dateipfad names, into the closed box
    void Neu1Click();
    void ffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Schlieen1Click();
    void AutoSpeichern();
    void Beenden1Click();

    // The query.
    void AbfrageStarten();
    void NaechsteVokabel();
    void TastenUmschalten(bool an);
    void Button1Click();
    void Button2Click();
    void RbuttonClick();
    void FbuttonClick();
    void Bewerten(bool richtig);
    void VokabelVerschieben(bool richtig);
    void StatistikAktualisieren();

    // Recent files.
    void HistorieAnzeigen();
    void CClick(int slot);

    // Commands that open the other windows.
    void Hinzufgen1Click();
    void Liste1Click();
    void Importieren1Click();
    void Exportieren1Click();
    void Lernverlauf1Click();
    void Drucken1Click();
    void Wirbel1Click();
    void JvApplicationHotKey1HotKey();
    void Allgemein1Click();
    void TastaturbelegungSonderzeichen1Click();
    void Hintergrundanaus1Click();
    void Hilfe1Click();
    void Homepage1Click();
    void ber1Click();

    // The session's end (hauptfenster_sitzung.cpp). A signal: the program's files are written,
    // unsaved cards kept, and the program ends without a question.
    void SitzungBeenden();
    // The session manager asks before logout; false cancels the logout. fragen: it lets the
    // program ask the user, as a close would.
    bool SitzungBeantworten(bool fragen);
    // A card box a second start handed over: opened as "Öffnen..." would, asking first.
    void KarteiUebernehmen(const QString& pfad);

    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void HinweisZeigen(const QString& hinweis);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool event(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Start and exit.
    void FormCreate(const QStringList& argumente);
    bool FormClose();
    // melden: a file that cannot be written is reported; not when nobody could answer.
    void ProgrammdateienSchreiben(bool melden);
    void ProgrammdateiSchreiben(const QString& name, const std::string& bytes, bool melden);
    void UngesichertAufbewahren();
    void WiederherstellungAnbieten();

    // Building the window.
    void FensterAufbauen();
    void MenueAufbauen();
    void WerkzeugleisteAufbauen();
    void AbfragebereichAufbauen();
    void StatistikAufbauen();
    void StatusleisteAufbauen();
    void StartbildAufbauen();
    QAction* Aktion(QMenu* menue, const char* name, const QString& text, const QString& hinweis,
                    const QKeySequence& taste = {});
    QToolButton* Knopf(const char* name, int x, const QString& bild, const QString& hinweis,
                       QAction* aktion);

    // The query area.
    void AbfrageLeeren();
    void FeldZeigen(QPlainTextEdit* feld, const std::string& text);
    void BildZeigen(); // the query area as the answer state wants it
    void LoesungZeigen();

    // File commands: core names the steps, the window takes them.
    bool Ausfuehren(lexidor::TDateischritt schritt);
    lexidor::TDateischritt Schritt(const lexidor::TDateischritt& schritt);
    lexidor::TAntwort Fragen(bool mitAbbrechen);
    lexidor::TDateischritt Gewaehlt(const std::optional<QString>& name);
    lexidor::TDateischritt Einlesen(const std::string& pfad);
    lexidor::Schreibergebnis Ablegen(const std::string& pfad);

    // Timers and the other windows.
    void TimerAnlegen();
    void FensterErzeugen();
    bool KarteiOffenPruefen();
    int OhneUhr(QDialog& dialog);
    void UhrWeiter();

    lexidor::TDateibefehle Dateibefehle;
    // The user answered "Nein" at the session's end: its changes are not kept after all.
    bool verworfen_ = false;

    // Keyboard and screen-reader access (hauptfenster_zugang.cpp).
    void ZugangEinrichten();
    void FrageAnsagen();
    void LoesungAnsagen();
    void UrteilAnsagen();
    void StatistikAnsagen();
    void StatistikErreichbar();

    lexidor::MersenneZufall zufall_;
    QString letzterOeffnenName_;
    QString letzterSpeichernName_;
    QString letzterImportName_;
    QString letzterExportName_;

    // Toolbar, status bar and start panel.
    QWidget* Panel4 = nullptr;
    QLabel* Hinweisfeld = nullptr;
    QLabel* Uhrfeld = nullptr;
    lexidor::Verlaufspanel* JvPanel1 = nullptr;

    // Query area.
    QGroupBox* Abfragebereich = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Rbutton = nullptr;
    QPushButton* Fbutton = nullptr;
    lexidor::Stufenbarflaeche* PaintBox1 = nullptr;

    // Statistics.
    QGroupBox* sbox = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* labgesamt = nullptr;
    QLabel* Labr = nullptr;
    QLabel* Labf = nullptr;
    QLabel* Label17 = nullptr;
    QProgressBar* Prozentsatz = nullptr;
    std::array<QLabel*, 7> lab{}; // 1..6
    QLabel* gesamt = nullptr;

    // Menu items that change while the program runs.
    QAction* oben = nullptr;
    QAction* unten = nullptr;
    std::array<QAction*, 4> C{};
    QAction* F1 = nullptr;
    QAction* R1 = nullptr;
    QAction* Enter1 = nullptr;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    int timer2Runden_ = 0; // rounds Timer2 has waited for the window to be shown
    QTimer* Timer3 = nullptr;
    QTimer* Timer4 = nullptr;

    // The other windows, created once at start and reused.
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TForm7* Form7 = nullptr;
    TForm6* Form6 = nullptr;
    TForm8* Form8 = nullptr;
    // A top-level window of its own: as a child it could not lie behind the main window.
    std::unique_ptr<TForm10> Form10;
    TForm9* Form9 = nullptr;
    lexidor::Wirbelflaeche* wirbel_ = nullptr;
    lexidor::Globaltaste* JvApplicationHotKey1 = nullptr;
};
