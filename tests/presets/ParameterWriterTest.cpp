#include "ParameterWriter.h"

#include "library/InitialProgram.h"
#include "library/ParameterTables.h"
#include "library/ParameterValue.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
int readBack (const uint8_t* record, const x48305_data::ParameterId& id)
{
    x48305_data::ParameterEntry entry;
    EXPECT_TRUE (x48305_data::getParameterEntry (id, entry));
    return x48305_data::getParameterValue (record, id, entry);
}
} // namespace

TEST (FactoryParameterWriter, EveryRowReadsBackWhatWasStoredAndNothingElseMoves)
{
    for (int section = 0; section <= 2; ++section)
    {
        for (int row = 0; row < x48305_data::getParameterCount (section); ++row)
        {
            const x48305_data::ParameterId id { (int16_t) section, (int16_t) row };
            int low = 0, high = 0;
            ASSERT_TRUE (factorypresets::getParameterRange (id, low, high));

            for (const int value : { low, high, (low + high) / 2 })
            {
                uint8_t record[x48305_data::programRecordSize];
                x48305_data::copyInitialProgram (record);
                ASSERT_TRUE (factorypresets::setParameterValue (record, id, value));
                EXPECT_EQ (readBack (record, id), value) << section << "/" << row;

                // Only the row's own bytes may change.
                x48305_data::ParameterEntry entry;
                x48305_data::ParameterSection range;
                x48305_data::getParameterEntry (id, entry);
                x48305_data::getParameterSection (section, range);
                const int first = range.start + entry.offset;
                for (int b = 0; b < (int) x48305_data::programRecordSize; ++b)
                {
                    if (b < first || b >= first + entry.byteCount)
                    {
                        EXPECT_EQ (record[b], x48305_data::getInitialProgramImage()[b]) << section << "/" << row;
                    }
                }
            }
        }
    }
}

TEST (FactoryParameterWriter, ValuesOutsideTheRangeAreBroughtIntoIt)
{
    uint8_t record[x48305_data::programRecordSize];
    x48305_data::copyInitialProgram (record);

    const x48305_data::ParameterId octave { 0, 16 }, tempo { 0, 23 }, panWidth { 1, 1 }, egInt { 2, 29 };
    factorypresets::setParameterValue (record, octave, -7);
    factorypresets::setParameterValue (record, tempo, 5000);
    factorypresets::setParameterValue (record, panWidth, -2000);
    factorypresets::setParameterValue (record, egInt, 999);
    EXPECT_EQ (readBack (record, octave), -2);
    EXPECT_EQ (readBack (record, tempo), 3000);
    EXPECT_EQ (readBack (record, panWidth), -512);
    EXPECT_EQ (readBack (record, egInt), 511);

    // The record stores words low byte first: 3000 is 0x0bb8.
    EXPECT_EQ (record[24], 0xb8);
    EXPECT_EQ (record[25], 0x0b);
}

TEST (FactoryParameterWriter, RefusesParametersNoRowDescribes)
{
    uint8_t record[x48305_data::programRecordSize];
    x48305_data::copyInitialProgram (record);
    EXPECT_FALSE (factorypresets::setParameterValue (record, { 0, 49 }, 1));
    EXPECT_FALSE (factorypresets::setParameterValue (record, { 1, 63 }, 1));
    EXPECT_FALSE (factorypresets::setParameterValue (record, { 3, 0 }, 1));
    EXPECT_FALSE (factorypresets::setParameterValue (nullptr, { 0, 16 }, 1));
    EXPECT_EQ (std::memcmp (record, x48305_data::getInitialProgramImage(), x48305_data::programRecordSize), 0);
}
