#pragma once

#include <cstddef>
#include <cstdint>

namespace x48305_data
{
// A program record is 336 bytes: "PROG", a 12-character name, the common
// parameters, two timbres of 126 bytes each, then "PRED".
constexpr std::size_t programRecordSize = 336;
constexpr std::size_t programNameOffset = 4;
constexpr std::size_t programNameLength = 12;

// The initial record, read-only.
const uint8_t* getInitialProgramImage();

// Copies the initial record into a buffer of programRecordSize bytes.
void copyInitialProgram (uint8_t* record);
} // namespace x48305_data
