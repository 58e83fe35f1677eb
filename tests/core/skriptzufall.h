// Random sources for tests: one hands out scripted values, then 0, and records every range
// asked; one leaves shuffled cards in place.
#pragma once

#include "zufall.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexidor {

class SkriptZufall final : public Zufall {
public:
    explicit SkriptZufall(std::vector<std::uint32_t> werte = {}) : werte_(std::move(werte)) {}
    std::uint32_t Unter(std::uint32_t n) override {
        gefragt.push_back(n);
        const std::uint32_t w = gefragt.size() <= werte_.size() ? werte_[gefragt.size() - 1] : 0;
        EXPECT_LT(w, n) << "the script does not fit the range asked";
        return w;
    }
    std::vector<std::uint32_t> gefragt;

private:
    std::vector<std::uint32_t> werte_;
};

// A random source under which a shuffle leaves every card where it is: it always draws the
// highest value.
class Hoechstzufall final : public Zufall {
public:
    std::uint32_t Unter(std::uint32_t n) override { return n - 1; }
};

} // namespace lexidor
