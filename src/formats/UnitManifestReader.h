#pragma once

#include "formats/UnitHeaderRecord.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// The manifest's module names, by module index.
inline constexpr std::array<const char*, 5> UnitModuleIds { "global", "modfx", "delfx", "revfx", "osc" };

// The manifest's parameter type names: percent, and the plain type.
inline constexpr std::array<const char*, 2> UnitParamTypeIds { "%", "" };

// Turns a unit manifest (JSON, UTF-8, exactly `length` bytes with no
// terminator needed) into a header record. On success errorText holds the
// warnings collected on the way (clipped names), usually nothing; on failure
// the result is empty and errorText says why.
std::optional<UnitHeaderRecord> parseUnitManifest (const char* text, std::size_t length, std::string& errorText);

// Reads the keys below "header" of a parsed manifest into a zeroed record.
// Any problem other than a clipped name fails the whole read.
std::optional<UnitHeaderRecord> readUnitHeader (const boost::property_tree::ptree& tree, std::string& errorText);
