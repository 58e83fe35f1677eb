// KVTML files of Parley and KWordQuiz (version 2) and of kvoctrain (version 1) read with
// Qt's XML parser: the languages and, for each entry, its translations with their text and
// grade. What becomes of them is core's.
#pragma once

#include "kvtml.h"

#include <QString>
#include <optional>
#include <string_view>

namespace lexidor {

// nullopt for bytes that are no well-formed KVTML file, or when fortschritt stopped the
// reader; fehler then says why, in German.
std::optional<KvtmlDokument> KvtmlLesen(std::string_view datei, QString& fehler,
                                        const Fortschritt& fortschritt = {});

} // namespace lexidor
