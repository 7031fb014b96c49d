#include "PresetTestSupport.h"

#include "FactoryPresetLibrary.h"

#include "file/PresetFileManager.h"
#include "formats/PresetFile.h"
#include "library/InitialProgram.h"
#include "library/ParameterTables.h"
#include "library/ParameterValue.h"
#include "resources/FactoryPresetLibrary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace
{
juce::MemoryBlock embeddedLibrary()
{
    return { x48305_file::getFactoryPresetLibraryData(), x48305_file::getFactoryPresetLibrarySize() };
}

// Reads the embedded library the way the store reads an installed preset.
class FactoryLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = home.getScratchFolder().getChildFile ("factory.slvnpreset");
        ASSERT_TRUE (file.replaceWithData (x48305_file::getFactoryPresetLibraryData(),
                                           x48305_file::getFactoryPresetLibrarySize()));
        x48305_file::PresetFileReader reader (&preset);
        ASSERT_EQ (reader.read (file), 0);
    }

    presettest::ScopedTestHome home;
    x48305_data::PresetData preset;
};

// Which record bytes some row of the parameter tables describes.
std::vector<bool> describedBytes()
{
    std::vector<bool> described (x48305_data::programRecordSize, false);
    for (int section = 0; section <= 2; ++section)
    {
        x48305_data::ParameterSection range;
        EXPECT_TRUE (x48305_data::getParameterSection (section, range));
        for (int row = 0; row < x48305_data::getParameterCount (section); ++row)
        {
            x48305_data::ParameterEntry entry;
            EXPECT_TRUE (x48305_data::getParameterEntry ({ (int16_t) section, (int16_t) row }, entry));
            for (int i = 0; i < entry.byteCount; ++i)
                described[(size_t) (range.start + entry.offset + i)] = true;
        }
    }
    return described;
}
} // namespace

TEST_F (FactoryLibrary, CarriesItsInformation)
{
    const auto& info = preset.getInformation();
    EXPECT_EQ (info.DataID, "Factory Presets");
    EXPECT_EQ (info.Name, "Factory Presets");
    EXPECT_EQ (info.Version, 1);
    EXPECT_EQ (info.NumOfProg, 250);
    EXPECT_EQ (info.Date, "2018-06-20");
    EXPECT_EQ (info.Prefix, "");
    EXPECT_EQ (info.Author, "solivane Sound Librarian project");
    EXPECT_EQ (info.Copyright, "solivane Sound Librarian project");

    for (int i = 0; i < x48305_data::PresetData::numPrograms; ++i)
    {
        EXPECT_TRUE (preset.getProgram (i).getInformation().getProgrammer().isEmpty()) << i;
        EXPECT_TRUE (preset.getProgram (i).getInformation().getComment().isEmpty()) << i;
    }
}

TEST_F (FactoryLibrary, ProgramsAfterTheFactorySoundsAreTheInitialProgram)
{
    for (int i = 250; i < 500; ++i)
        EXPECT_EQ (std::memcmp (preset.getProgram (i).getRawData(), x48305_data::getInitialProgramImage(),
                                x48305_data::programRecordSize),
                   0)
            << i;
}

TEST_F (FactoryLibrary, EveryFactorySoundHasItsOwnPrintableName)
{
    std::set<std::string> names;
    for (int i = 0; i < 250; ++i)
    {
        const auto* record = preset.getProgram (i).getRawData();
        EXPECT_EQ (std::memcmp (record, "PROG", 4), 0) << i;
        EXPECT_EQ (std::memcmp (record + 332, "PRED", 4), 0) << i;
        for (size_t b = x48305_data::programNameOffset; b < x48305_data::programNameOffset + 12; ++b)
            EXPECT_TRUE (record[b] >= 32 && record[b] <= 125) << i << " byte " << b;

        const auto name = juce::String (preset.getProgram (i).getName()).trim();
        EXPECT_TRUE (name.isNotEmpty()) << i;
        EXPECT_NE (name, "Init Program") << i;
        names.insert (name.toStdString());
    }
    EXPECT_EQ (names.size(), 250u);
}

TEST_F (FactoryLibrary, EveryParameterOfEveryFactorySoundLiesInItsRange)
{
    std::set<int> categories;
    std::set<std::vector<uint8_t>> distinctRecords;
    for (int i = 0; i < 250; ++i)
    {
        const auto* record = preset.getProgram (i).getRawData();
        for (int section = 0; section <= 2; ++section)
        {
            for (int row = 0; row < x48305_data::getParameterCount (section); ++row)
            {
                const x48305_data::ParameterId id { (int16_t) section, (int16_t) row };
                x48305_data::ParameterEntry entry;
                ASSERT_TRUE (x48305_data::getParameterEntry (id, entry));
                const int value = x48305_data::getParameterValue (record, id, entry);
                EXPECT_GE (value, entry.minValue) << "program " << i << " " << section << "/" << entry.name;
                EXPECT_LE (value, entry.maxValue) << "program " << i << " " << section << "/" << entry.name;
                if (section == 0 && row == 25)
                    categories.insert (value);
            }
        }
        distinctRecords.insert ({ record + 16, record + x48305_data::programRecordSize });
    }

    // A bank of all kinds of sound, each one its own.
    EXPECT_EQ (categories.size(), 9u);
    EXPECT_EQ (distinctRecords.size(), 250u);
}

TEST_F (FactoryLibrary, BytesNoRowDescribesAreThoseOfTheInitialProgram)
{
    const auto described = describedBytes();
    const auto* initial = x48305_data::getInitialProgramImage();
    for (int i = 0; i < 250; ++i)
    {
        const auto* record = preset.getProgram (i).getRawData();
        for (size_t b = 0; b < x48305_data::programRecordSize; ++b)
        {
            if (! described[b])
            {
                EXPECT_EQ (record[b], initial[b]) << "program " << i << " byte " << b;
            }
        }
    }
}

TEST_F (FactoryLibrary, IsTheSameBytesEveryTimeItIsMade)
{
    x48305_data::PresetData rebuilt;
    ASSERT_TRUE (factorypresets::buildFactoryPresetLibrary (rebuilt));
    const auto file = home.getScratchFolder().getChildFile ("rebuilt.slvnpreset");
    x48305_file::PresetFileWriter writer (&rebuilt);
    ASSERT_EQ (writer.write (file), 0);

    juce::MemoryBlock bytes;
    ASSERT_TRUE (file.loadFileAsData (bytes));
    EXPECT_TRUE (bytes == embeddedLibrary());
}

TEST_F (FactoryLibrary, InstallsIntoTheStoreUnderItsDataID)
{
    x48305_file::PresetFileManager manager;
    ASSERT_EQ (manager.getNumPresets(), 0);
    ASSERT_TRUE (manager.installPresetData (embeddedLibrary()));

    ASSERT_EQ (manager.getNumPresets(), 1);
    EXPECT_EQ (manager.getPresetFile (0), home.getStoreFolder().getChildFile ("Factory Presets.islvnpreset"));
    juce::MemoryBlock stored;
    ASSERT_TRUE (manager.getPresetFile (0).loadFileAsData (stored));
    EXPECT_TRUE (stored == embeddedLibrary());
    EXPECT_TRUE (presettest::listFiles (home.getTemporaryFolder()).isEmpty());
}
