// The sample files under tests/data, byte for byte.
#pragma once

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

} // namespace lexidor
