// The random source that rules draw from; the shell seeds it from the clock, tests fix it.
#pragma once

#include <cstdint>
#include <random>

namespace lexidor {

class Zufall {
public:
    virtual ~Zufall() = default;
    // A whole number drawn evenly from 0 to n - 1; n is at least 1.
    virtual std::uint32_t Unter(std::uint32_t n) = 0;
};

class MersenneZufall final : public Zufall {
public:
    explicit MersenneZufall(std::uint64_t saat) : gen_(saat) {}
    std::uint32_t Unter(std::uint32_t n) override {
        // Lemire's multiply-and-reject: even, and without a division on the common path.
        std::uint64_t m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(gen_())) * n;
        auto rest = static_cast<std::uint32_t>(m);
        if (rest < n) {
            const std::uint32_t schwelle = (0u - n) % n;
            while (rest < schwelle) {
                m = static_cast<std::uint64_t>(static_cast<std::uint32_t>(gen_())) * n;
                rest = static_cast<std::uint32_t>(m);
            }
        }
        return static_cast<std::uint32_t>(m >> 32);
    }

private:
    std::mt19937_64 gen_;
};

} // namespace lexidor
