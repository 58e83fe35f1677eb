// A random source for tests: hands out scripted values, then 0, and records every range asked.
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

} // namespace lexidor
