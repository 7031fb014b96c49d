#pragma once

#include <cstdint>

namespace factorypresets
{
// A small pseudo-random sequence of our own (splitmix64), so that the factory
// library comes out with the same bytes on every build, whatever standard
// library the tool is built with.
class FactoryRandom
{
public:
    explicit FactoryRandom (uint64_t seed) : state (seed) {}

    uint64_t next()
    {
        state += 0x9e3779b97f4a7c15ull;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    // A whole number from low to high, both included.
    int between (int low, int high)
    {
        if (high <= low)
            return low;
        const auto span = static_cast<uint64_t> (high - low) + 1u;
        return low + static_cast<int> (next() % span);
    }

    // True with the given chance in percent.
    bool chance (int percent) { return between (0, 99) < percent; }

private:
    uint64_t state;
};
} // namespace factorypresets
