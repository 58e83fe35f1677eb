// The fixture files in tests/data, byte for byte.
#pragma once

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace lexidor {

inline std::string Testdatei(const std::string& name) {
    std::ifstream datei(std::string(LEXIDOR_TESTDATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(datei.good()) << name;
    return std::string(std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>());
}

} // namespace lexidor
