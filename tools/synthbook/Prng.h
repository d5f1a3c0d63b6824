#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// A fixed-seed generator (splitmix64) whose sequence is the same with every
// compiler and standard library, unlike the standard distributions.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A value in [0, bound); bound must be positive.
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

    // A value in [low, high].
    int Between(int low, int high) { return low + Below(high - low + 1); }

    bool Percent(int chance) { return Below(100) < chance; }

    // Fisher-Yates, spelled out because std::shuffle's order differs between libraries.
    template <typename T>
    void Shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
    }

private:
    std::uint64_t m_state;
};
