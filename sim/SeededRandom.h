#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace morvix::sim {

// The one source of generated data; the same seed gives the same data.
class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}

    uint64_t next() { return engine_(); }
    // Uniform in [low, high].
    long long between(long long low, long long high)
    {
        return low + static_cast<long long>(next() % static_cast<uint64_t>(high - low + 1));
    }
    double unit() { return static_cast<double>(next() >> 11) / static_cast<double>(1ULL << 53); }
    template <class T>
    const T& pick(const std::vector<T>& items)
    {
        return items[next() % items.size()];
    }

private:
    std::mt19937_64 engine_;
};

// A fixed mixing of numbers into a well-spread 64-bit value, for values that must be a pure
// function of (seed, time, ...), so that a repeated run gives the same figures.
uint64_t mixBits(uint64_t a, uint64_t b);

}  // namespace morvix::sim
