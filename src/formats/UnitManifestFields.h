#pragma once

#include "formats/UnitHeaderRecord.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <cstddef>
#include <cstdint>
#include <string>

// The single-field readers of the unit manifest. Each appends its message to
// `messages` and returns false when the field is unusable; a missing key or
// an unconvertible value throws the property tree's own error.
namespace unitmanifest
{
struct VersionMessages
{
    const char* format;
    const char* range;
};

struct NameMessages
{
    const char* invalid;
    const char* clipped;
};

const VersionMessages& apiVersionMessages();
const VersionMessages& unitVersionMessages();
const NameMessages& nameMessages();
const NameMessages& paramNameMessages();

// "major.minor-patch", each at most 99, packed as major << 16 | minor << 8 | patch.
bool readVersion (const boost::property_tree::ptree& tree, const char* path, const VersionMessages& texts,
                  std::uint32_t& packed, std::string& messages);

// A number from 0 to 2^32 - 1; a negative number is refused rather than
// wrapped around.
bool readUnsigned32 (const boost::property_tree::ptree& tree, const char* path, std::uint32_t& value,
                     std::string& messages);

// One or more printable ASCII characters; a longer text than 13 characters
// is cut to 13 with a warning line.
bool readPrintableName (const std::string& text, const NameMessages& texts, std::string& name,
                        std::string& messages);

// True for a JSON array: every child, if any, has an empty key.
bool isArray (const boost::property_tree::ptree& node);

// One element of "header.params": [name, minimum, maximum, type].
bool readParamDescriptor (const boost::property_tree::ptree& element, std::size_t index,
                          UnitParamDescriptor& descriptor, std::string& messages);
} // namespace unitmanifest
