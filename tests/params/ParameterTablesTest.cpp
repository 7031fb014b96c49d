#include "library/ParameterFormatter.h"
#include "library/ParameterTables.h"
#include "library/ParameterValue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace x48305_data;

namespace
{
// Section geometry of the record, stated here on its own so that the tables
// are checked against it rather than against themselves.
struct SectionShape
{
    int section;
    int start;
    int size;
    int rows;
};

constexpr SectionShape describedSections[] = { { 0, 0, 80, 49 }, { 1, 80, 126, 63 }, { 2, 206, 126, 63 } };

std::vector<ParameterEntry> rowsOf (int section)
{
    std::vector<ParameterEntry> rows;
    ParameterEntry entry;
    for (int16_t index = 0; getParameterEntry ({ static_cast<int16_t> (section), index }, entry); ++index)
        rows.push_back (entry);
    return rows;
}

bool isNameListType (int valueType)
{
    return (valueType >= 20 && valueType <= 24) || (valueType >= 27 && valueType <= 35) || valueType == 37;
}

std::string format (int16_t section, int16_t index, const uint8_t* record)
{
    ParameterEntry entry;
    if (! getParameterEntry ({ section, index }, entry))
        return "<no row>";
    return formatParameterValue (entry, getParameterValue (record, { section, index }, entry));
}
} // namespace

TEST (ParameterTables, EachSectionHasItsRowCountAndNoMore)
{
    for (const auto& shape : describedSections)
    {
        EXPECT_EQ ((int) rowsOf (shape.section).size(), shape.rows) << "section " << shape.section;
        EXPECT_EQ (getParameterCount (shape.section), shape.rows);
    }
    EXPECT_EQ (commonParameterCount, 49);
    EXPECT_EQ (timbreParameterCount, 63);
}

TEST (ParameterTables, LookupOutsideTheTablesFailsAndLeavesTheEntryAlone)
{
    ParameterEntry sentinel;
    sentinel.name = "untouched";
    sentinel.valueType = 77;

    const ParameterId rejected[] = { { 1, 63 }, { 2, 63 }, { 0, 49 }, { 3, 0 }, { -1, 0 },
                                     { 0, -1 }, { 1, -1 }, { 4, 2 }, { 0, 32767 }, { -32768, -32768 } };
    for (const auto& id : rejected)
    {
        ParameterEntry entry = sentinel;
        EXPECT_FALSE (getParameterEntry (id, entry)) << id.section << "/" << id.index;
        EXPECT_EQ (entry.name, "untouched");
        EXPECT_EQ (entry.valueType, 77);
    }

    ParameterEntry entry;
    EXPECT_TRUE (getParameterEntry ({ 0, 48 }, entry));
    EXPECT_TRUE (getParameterEntry ({ 2, 62 }, entry));
}

TEST (ParameterTables, SectionsLieInsideTheRecord)
{
    for (const auto& shape : describedSections)
    {
        ParameterSection section;
        ASSERT_TRUE (getParameterSection (shape.section, section));
        EXPECT_EQ (section.start, shape.start);
        EXPECT_EQ (section.size, shape.size);
        EXPECT_LE (section.start + section.size, (int) programRecordSize);
    }
    ParameterSection global;
    ASSERT_TRUE (getParameterSection (3, global));
    EXPECT_EQ (global.start, 0);
    EXPECT_EQ (global.size, 32);
    EXPECT_FALSE (getParameterSection (4, global));
    EXPECT_FALSE (getParameterSection (-1, global));
}

TEST (ParameterTables, EveryRowIsWellFormedAndInsideItsSection)
{
    for (const auto& shape : describedSections)
    {
        const auto rows = rowsOf (shape.section);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            const auto& row = rows[i];
            SCOPED_TRACE ("section " + std::to_string (shape.section) + " row " + std::to_string (i) + " " + row.name);

            EXPECT_FALSE (row.name.empty());
            EXPECT_FALSE (row.shortName.empty());
            EXPECT_TRUE (row.byteCount == 1 || row.byteCount == 2);
            EXPECT_EQ (row.bitPosition, 0);
            EXPECT_EQ (row.bitWidth, 8);
            EXPECT_LE (row.bitPosition + row.bitWidth, 8 * row.byteCount);
            EXPECT_GE (row.offset, 0);
            EXPECT_LE (row.offset + row.byteCount, shape.size);
            EXPECT_LE (row.minValue, row.maxValue);
            EXPECT_TRUE (row.isSigned == 0 || row.isSigned == 1);
            EXPECT_GE (row.kind, parameterKindNumber);
            EXPECT_LE (row.kind, parameterKindSwitch);
            EXPECT_GE (row.valueType, 0);
            EXPECT_LT (row.valueType, parameterValueTypeCount);

            // The range must be storable in the field.
            const int bits = row.byteCount == 1 ? row.bitWidth : 16;
            const long lowest = row.isSigned ? -(1L << (bits - 1)) : 0;
            const long highest = row.isSigned ? (1L << (bits - 1)) - 1 : (1L << bits) - 1;
            EXPECT_GE (row.minValue, lowest);
            EXPECT_LE (row.maxValue, highest);
            EXPECT_EQ (row.isSigned == 1, row.minValue < 0);

            // Kinds and value types agree.
            EXPECT_EQ (row.kind == parameterKindCharacter, row.valueType == 19);
            EXPECT_EQ (row.kind == parameterKindSwitch, row.valueType == 38);
            if (isNameListType (row.valueType))
            {
                EXPECT_EQ (row.kind, parameterKindNameList);
            }
        }
    }
}

TEST (ParameterTables, NoTwoRowsOfASectionShareAByte)
{
    for (const auto& shape : describedSections)
    {
        std::vector<int> owner ((size_t) shape.size, -1);
        const auto rows = rowsOf (shape.section);
        for (size_t i = 0; i < rows.size(); ++i)
        {
            for (int b = rows[i].offset; b < rows[i].offset + rows[i].byteCount; ++b)
            {
                ASSERT_GE (b, 0);
                ASSERT_LT (b, shape.size);
                EXPECT_EQ (owner[(size_t) b], -1) << "section " << shape.section << " byte " << b << " claimed by rows "
                                                  << owner[(size_t) b] << " and " << i;
                owner[(size_t) b] = (int) i;
            }
        }
    }
}

TEST (ParameterTables, RowsAreInByteOrder)
{
    for (const auto& shape : describedSections)
    {
        const auto rows = rowsOf (shape.section);
        for (size_t i = 1; i < rows.size(); ++i)
            EXPECT_GT (rows[i].offset, rows[i - 1].offset) << "section " << shape.section << " row " << i;
    }
}

TEST (ParameterTables, EveryValueOfEveryRowHasAText)
{
    for (const auto& shape : describedSections)
    {
        for (const auto& row : rowsOf (shape.section))
        {
            SCOPED_TRACE (row.name);
            EXPECT_NE (row.valueType, 0) << "a described row that shows nothing";

            std::set<std::string> texts;
            for (int value = row.minValue; value <= row.maxValue; ++value)
            {
                const auto text = formatParameterValue (row, value);
                EXPECT_FALSE (text.empty()) << "value " << value;
                texts.insert (text);
            }
            // Names, notes and numbers tell every value apart; only the like
            // mark folds several values into one text.
            if (row.valueType != 36)
            {
                EXPECT_EQ ((int) texts.size(), row.maxValue - row.minValue + 1);
            }
        }
    }
}

TEST (ParameterTables, ColumnsOfTheProgramListFindTheirRows)
{
    const struct
    {
        int16_t section, index;
        const char* name;
        int valueType;
    } columns[] = { { 0, 25, "Category", 21 }, { 0, 19, "Timb Type", 23 }, { 0, 45, "Like", 36 }, { 0, 46, "Like", 36 },
                    { 0, 47, "Like", 36 },     { 0, 48, "Like", 36 },       { 1, 4, "1Wave", 27 }, { 1, 10, "2Wave", 27 },
                    { 1, 17, "Multi Type", 31 } };

    for (const auto& column : columns)
    {
        ParameterEntry entry;
        ASSERT_TRUE (getParameterEntry ({ column.section, column.index }, entry));
        EXPECT_EQ (entry.name, column.name);
        EXPECT_EQ (entry.valueType, column.valueType);
    }
}

TEST (ParameterTables, InitialProgramReadsThroughTheTables)
{
    const uint8_t* record = getInitialProgramImage();

    std::string magicAndName;
    for (int16_t index = 0; index < 16; ++index)
        magicAndName += format (0, index, record);
    EXPECT_EQ (magicAndName, "PROGInit Program");

    EXPECT_EQ (format (0, 16, record), "+02");        // Octave
    EXPECT_EQ (format (0, 19, record), "LAYER");      // Timb Type
    EXPECT_EQ (format (0, 22, record), "C 4");        // Split Key 0x3C
    EXPECT_EQ (format (0, 23, record), "1200");       // Tempo B0 04
    EXPECT_EQ (format (0, 25, record), "POLY SYNTH"); // Category
    EXPECT_EQ (format (0, 33, record), "+102");       // Program Level 0x66
    EXPECT_EQ (format (0, 35, record), "0511");       // ModFx Speed FF 01
    EXPECT_EQ (format (0, 36, record), "0511");       // ModFx Depth FF 01
    EXPECT_EQ (format (0, 37, record), "DELAY");      // EffectType
    EXPECT_EQ (format (0, 38, record), "0511");       // EffectTime
    EXPECT_EQ (format (0, 45, record), "---");        // Like

    for (int16_t section = 1; section <= 2; ++section)
    {
        SCOPED_TRACE (section);
        EXPECT_EQ (format (section, 1, record), "-256");   // Pan Width 00 FF
        EXPECT_EQ (format (section, 3, record), "POLY");   // Voice Type
        EXPECT_EQ (format (section, 4, record), "SAW");    // 1Wave
        EXPECT_EQ (format (section, 5, record), "4'");     // 1Octave
        EXPECT_EQ (format (section, 10, record), "SAW");   // 2Wave
        EXPECT_EQ (format (section, 17, record), "NOISE"); // Multi Type
        EXPECT_EQ (format (section, 27, record), "1023");  // Cutoff FF 03
        EXPECT_EQ (format (section, 47, record), "LFO INT");
        EXPECT_EQ (format (section, 49, record), "02");    // Bend Range(+)
    }
}
