#pragma once

#include "FactoryRandom.h"
#include "FactorySounds.h"

#include <set>
#include <string>
#include <vector>

namespace factorypresets
{
// Program names for sounds of one family, made from that family's own words
// ("Acid Bass", "Glass Pad", "Tine EP", ...). Every name has at most 12
// printable ASCII characters and none is in used; the new names are added to
// used. Fewer names than asked come back only when the family's words run
// out.
std::vector<std::string> makeProgramNames (SoundFamily family, int count, FactoryRandom& random,
                                           std::set<std::string>& used);
} // namespace factorypresets
