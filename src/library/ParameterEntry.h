#pragma once

#include <cstdint>
#include <string>

namespace x48305_data
{
// Names one parameter of a program record: the record section (0 common,
// 1 first timbre, 2 second timbre) and the row within that section's table.
struct ParameterId
{
    int16_t section = 0;
    int16_t index = 0;
};

// What a parameter's value means and therefore how a row is shown.
enum ParameterKind : int32_t
{
    parameterKindNumber = 1,
    parameterKindCharacter = 2,
    parameterKindNameList = 3,
    parameterKindSwitch = 4
};

// One constant row of a parameter table: where a parameter lives in its
// section of the record, its range, and which formatter shows it.
struct ParameterEntry
{
    std::string name;
    std::string shortName;
    int16_t minValue = 0;
    int16_t maxValue = 0;
    int16_t offset = 0;      // first byte, relative to the section start
    uint8_t byteCount = 1;   // 1, or 2 for a little-endian word
    uint8_t bitPosition = 0; // bit field within a one-byte field, counted from the top
    uint8_t bitWidth = 8;
    uint8_t isSigned = 0;    // 1: the value is sign-extended
    int32_t kind = parameterKindNumber;
    int32_t valueType = 0;   // 0 to 38, see formatParameterValue
};

} // namespace x48305_data
