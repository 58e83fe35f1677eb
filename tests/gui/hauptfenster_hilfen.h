// The main window started on a program directory of its own, with card boxes built in core.
#pragma once

#include "gui_hilfen.h"
#include "hauptfenster.h"
#include "karteidatei.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace lexidor::test {

struct Karte {
    int fach;
    std::string deutsch;
    std::string fremd;
};

class HauptfensterTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        // Asked German to foreign, with a complete substitution table: no start-up message.
        Schreiben(u"lexidor.ini"_s, "[Optionen]\r\nAbfragerichtung=0\r\n");
        Schreiben(u"sonderzeichen.ini"_s, ErsatztexteSpeichern(ErsatztexteLeer()));
    }

    void Schreiben(const QString& name, const std::string& bytes) {
        ASSERT_TRUE(DateiSchreiben(Pfad(name), bytes));
    }
    std::string Lesen(const QString& name) { return DateiLesen(Pfad(name)).value_or("?fehlt?"); }

    // A card box whose compartments 2 to 5 are all due.
    QString Kartei(const QString& name, const std::vector<Karte>& karten) {
        TKartei k;
        k.NeuAnlegen(DatumAus(2020, 1, 1), {0, 0, 1, 3, 9, 30});
        for (const Karte& karte : karten) {
            k.Fach[karte.fach].Add({karte.deutsch, karte.fremd, "", true});
        }
        const QString pfad = Pfad(name);
        EXPECT_TRUE(DateiSchreiben(pfad, KarteiSchreiben(k, "%d.%m.%Y")));
        return pfad;
    }

    void Starten(const QStringList& argumente = {}) {
        form = std::make_unique<TForm1>(argumente);
        Zeigen(form.get());
    }
    void MitKartei(const std::vector<Karte>& karten = {{1, "Haus", "house"}}) {
        Starten();
        Oeffnen(Kartei(u"k.vkd"_s, karten));
        ASSERT_TRUE(form->Kartei.Geoeffnet);
    }
    void Oeffnen(const QString& pfad) {
        Dateiwahl::NaechsteAntwort(pfad);
        form->ffnen1Click();
    }

    template <typename T> T* Teil(const char* name) { return Kind<T>(form.get(), name); }
    QString Text(const char* memo) { return Teil<QPlainTextEdit>(memo)->toPlainText(); }
    QString Beschriftung(const char* label) { return Teil<QLabel>(label)->text(); }
    void Taste(Qt::Key taste) { QTest::keyClick(Teil<QPlainTextEdit>("Memo2"), taste); }
    // The clock of the elapsed time, not that of a window it owns.
    QTimer* Uhr() { return form->findChild<QTimer*>(u"Timer1"_s, Qt::FindDirectChildrenOnly); }
    void Antworten(const QString& text) { Tippen(Teil<QPlainTextEdit>("Memo2"), text); }

    std::unique_ptr<TForm1> form;
};

} // namespace lexidor::test
