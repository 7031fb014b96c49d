#pragma once

#include <cstddef>

namespace formats
{
// The deepest nesting of arrays and objects in a JSON text, counting only
// brackets outside string literals. The JSON parser recurses once per level,
// so a manifest is measured before it is parsed and refused above a limit
// that no real manifest comes near.
int measureJsonNestingDepth (const char* text, std::size_t length);

constexpr int maxManifestNestingDepth = 64;
} // namespace formats
