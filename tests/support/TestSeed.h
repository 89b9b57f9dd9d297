#pragma once

#include <cstdlib>
#include <iostream>
#include <random>

namespace morvix::test {

// A whole number from the environment, or `otherwise` where it is unset or empty.
inline unsigned long EnvironmentNumber(const char* name, unsigned long otherwise)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : otherwise;
}

// The seed of a randomised test: MORVIX_TEST_SEED where set, else a fresh one. It is printed, so
// that a failure can be replayed.
inline unsigned TestSeed()
{
    const unsigned seed = std::getenv("MORVIX_TEST_SEED") ? static_cast<unsigned>(EnvironmentNumber("MORVIX_TEST_SEED", 0))
                                                          : std::random_device()();
    std::cout << "seed " << seed << " (MORVIX_TEST_SEED repeats it)\n";
    return seed;
}

// Random numbers from one printed seed, for tests whose generated cases must be replayable.
class SeededRandom {
public:
    SeededRandom() : seed_(TestSeed()), engine_(seed_) {}
    unsigned Seed() const { return seed_; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

private:
    unsigned seed_;
    std::mt19937 engine_;
};

}  // namespace morvix::test
