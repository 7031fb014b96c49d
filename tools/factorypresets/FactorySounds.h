#pragma once

#include "FactoryRandom.h"

#include <cstdint>
#include <vector>

namespace factorypresets
{
// The kinds of sound in the factory bank, in bank order.
enum class SoundFamily
{
    bass,
    lead,
    pad,
    strings,
    keys,
    brass,
    bell,
    polySynth,
    sequence,
    chord,
    effect,
    split
};

struct FamilyShare
{
    SoundFamily family;
    int count;
};

// How many sounds of each family the bank holds, in bank order; the counts
// add up to the number of factory programs.
const std::vector<FamilyShare>& getBankPlan();

// Turns a record that holds the initial program into a sound of the family:
// every row of the parameter tables gets a value inside its range, every
// byte that no row describes keeps the initial program's value, and the
// header and name bytes are left alone.
void shapeSound (uint8_t* record, SoundFamily family, FactoryRandom& random);
} // namespace factorypresets
