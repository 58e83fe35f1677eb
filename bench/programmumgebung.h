// The program directory of a measured run: a temporary one, with an empty key mapping so that
// no loading error greets the run, and message boxes only recorded, never shown.
#pragma once

#include "dateien.h"
#include "meldung.h"
#include "programmpfade.h"
#include "sonderzeichen.h"

#include <QString>

namespace lexidor::bench {

inline void ProgrammordnerEinrichten(const QString& pfad) {
    ProgrammverzeichnisFestlegen(pfad);
    DateiSchreiben(ProgrammDatei(QStringLiteral("sonderzeichen.ini")),
                   ErsatztexteSpeichern(ErsatztexteLeer()));
    Meldung::Testbetrieb(true);
}

} // namespace lexidor::bench
