#pragma once

#include "library/InitialProgram.h"
#include "library/ParameterEntry.h"

namespace x48305_data
{
constexpr int commonParameterCount = 49;
constexpr int timbreParameterCount = 63;

// A stretch of the program record that parameter offsets are relative to.
struct ParameterSection
{
    int start = 0;
    int size = 0;
};

// Sections 0 (common), 1 and 2 (timbres) and 3 (the 32-byte global record
// laid over the start of the bytes). False for any other number.
bool getParameterSection (int section, ParameterSection& result);

// Number of rows that describe a section: 49 for section 0, 63 for sections
// 1 and 2, and 0 for every other section.
int getParameterCount (int section);

// Copies the row of a parameter into entry. False, with entry untouched,
// when the section is not 0 to 2 or the index is not a row of its table.
bool getParameterEntry (const ParameterId& id, ParameterEntry& entry);

} // namespace x48305_data
