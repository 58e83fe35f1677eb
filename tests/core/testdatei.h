// The sample files under tests/data, byte for byte.
#pragma once

#include "importlektion.h"
#include "importtabelle.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace lexidor {

inline std::string Testdatei(const std::string& name) {
    std::ifstream datei(std::string(LEXIDOR_TESTDATA) + "/" + name, std::ios::binary);
    if (!datei) {
        ADD_FAILURE() << "missing sample file " << name;
    }
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// The lessons the import dialog offers, as "Name (entries)".
inline std::vector<std::string> Lektionsnamen(const Importtabelle& tabelle) {
    std::vector<std::string> namen;
    for (const Importlektion& l : ImportLektionen(tabelle)) {
        namen.push_back(l.name + " (" + std::to_string(l.eintraege) + ")");
    }
    return namen;
}

} // namespace lexidor
