#include "PresetTestSupport.h"

#include "file/FileResultCodes.h"
#include "file/InstalledPresetsReader.h"
#include "file/PresetFileManager.h"
#include "support/AssertionWatch.h"
#include "support/InterposedFileCalls.h"
#include "support/RepeatedEntryFixtures.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <tuple>
#include <utility>

using presettest::describePresetFile;
using presettest::listFiles;
using presettest::writePresetFile;
using x48305_file::PresetFileManager;

namespace
{
class PresetStore : public ::testing::Test
{
protected:
    presettest::ScopedTestHome home;

    juce::File indexFile() const { return home.getStoreFolder().getChildFile ("PresetFileInformation.xml"); }

    juce::File source (const juce::String& dataID, const std::string& marker, const juce::String& fileName = {})
    {
        const auto name = fileName.isNotEmpty() ? fileName : "src" + juce::String (++sources) + ".slvnpreset";
        return writePresetFile (home.getScratchFolder(), name, dataID, marker);
    }

    // DataID and File of every entry in the index file on disk.
    juce::StringArray indexOnDisk() const
    {
        juce::StringArray entries;
        if (auto root = juce::XmlDocument::parse (indexFile()))
            for (auto* preset : root->getChildIterator())
                entries.add (preset->getChildElementAllSubText ("DataID", "?") + "|"
                             + preset->getChildElementAllSubText ("File", "?"));
        return entries;
    }

    int sources = 0;
};
} // namespace

TEST_F (PresetStore, MissingFolderAndIndexGiveAnEmptyStoreUntilTheFirstImport)
{
    PresetFileManager manager;
    EXPECT_EQ (manager.getNumPresets(), 0);
    EXPECT_EQ (manager.getPresetFile (0), juce::File());
    EXPECT_FALSE (indexFile().exists());

    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A one")), file::ReadErrorNoError);
    EXPECT_TRUE (home.getStoreFolder().isDirectory());
    EXPECT_EQ (indexOnDisk(), juce::StringArray ("Alpha|Alpha.islvnpreset"));
    EXPECT_EQ (manager.getNumPresets(), 1);
    EXPECT_EQ (manager.getPresetFile (0), home.getStoreFolder().getChildFile ("Alpha.islvnpreset"));
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|A one");

    // The index and the order survive a restart.
    ASSERT_EQ (manager.importPresetFile (source ("Beta", "B one")), file::ReadErrorNoError);
    PresetFileManager restarted;
    ASSERT_EQ (restarted.getNumPresets(), 2);
    EXPECT_EQ (describePresetFile (restarted.getPresetFile (0)), "Alpha|A one");
    EXPECT_EQ (describePresetFile (restarted.getPresetFile (1)), "Beta|B one");
}

TEST_F (PresetStore, IndexPastTheEndOrNegativeGivesNoFile)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    EXPECT_NE (manager.getPresetFile (0), juce::File());
    EXPECT_EQ (manager.getPresetFile (manager.getNumPresets()), juce::File());
    EXPECT_EQ (manager.getPresetFile (-1), juce::File());
}

TEST_F (PresetStore, TheSameFileTwiceLeavesOneEntryAndOneFile)
{
    PresetFileManager manager;
    const auto file = source ("Alpha", "A");
    ASSERT_EQ (manager.importPresetFile (file), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (file), file::ReadErrorNoError);

    EXPECT_EQ (manager.getNumPresets(), 1);
    EXPECT_EQ (indexOnDisk(), juce::StringArray ("Alpha|Alpha.islvnpreset"));
    EXPECT_EQ (listFiles (home.getStoreFolder()), juce::StringArray ("Alpha.islvnpreset", "PresetFileInformation.xml"));
}

TEST_F (PresetStore, ImportingTheStoredCopyItselfKeepsIt)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (manager.getPresetFile (0)), file::ReadErrorNoError);
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|A");
    EXPECT_EQ (manager.getNumPresets(), 1);
}

TEST_F (PresetStore, AnInstalledDataIDWithOtherContentKeepsItsPlace)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A old")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (source ("Beta", "B")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (source ("Gamma", "C")), file::ReadErrorNoError);
    const auto indexBefore = indexFile().loadFileAsString();

    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A new")), file::ReadErrorNoError);

    ASSERT_EQ (manager.getNumPresets(), 3);
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|A new");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (1)), "Beta|B");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (2)), "Gamma|C");
    EXPECT_EQ (indexFile().loadFileAsString(), indexBefore);
    EXPECT_EQ (listFiles (home.getStoreFolder()).size(), 4);
}

TEST_F (PresetStore, ADataIDDifferingOnlyInCaseIsASecondPreset)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "upper")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (source ("alpha", "lower")), file::ReadErrorNoError);

    ASSERT_EQ (manager.getNumPresets(), 2);
    EXPECT_NE (manager.getPresetFile (0), manager.getPresetFile (1));
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|upper");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (1)), "alpha|lower");
}

TEST_F (PresetStore, AFileThatDoesNotReadNeverReachesTheStore)
{
    PresetFileManager manager;
    const auto junk = home.getScratchFolder().getChildFile ("junk.slvnpreset");
    junk.replaceWithText ("not a zip");
    EXPECT_EQ (manager.importPresetFile (junk), file::ReadErrorFailedToImportPresetData);
    EXPECT_EQ (manager.importPresetFile (home.getScratchFolder().getChildFile ("missing.slvnpreset")),
               file::ReadErrorOpenFile);
    EXPECT_EQ (manager.getNumPresets(), 0);
    EXPECT_FALSE (indexFile().exists());
}

TEST_F (PresetStore, DataIDsThatAreNoFileNamesStayInsideTheStoreAndKeepTheirIdentity)
{
    PresetFileManager manager;
    const juce::StringArray ids { "../../escaped", "/tmp/absolute", "", ".", "..", ".hidden", "line\nbreak",
                                  "back\\slash", "~", "a/b", "a%2Fb" };
    for (const auto& id : ids)
        ASSERT_EQ (manager.importPresetFile (source (id, "x")), file::ReadErrorNoError) << id;

    ASSERT_EQ (manager.getNumPresets(), ids.size());
    for (int i = 0; i < ids.size(); ++i)
    {
        const auto stored = manager.getPresetFile (i);
        EXPECT_EQ (stored.getParentDirectory(), home.getStoreFolder()) << ids[i];
        EXPECT_FALSE (stored.getFileName().startsWithChar ('.')) << ids[i];
        EXPECT_EQ (describePresetFile (stored), ids[i].toStdString() + "|x");
    }

    // The index keeps every DataID as it was given.
    PresetFileManager restarted;
    auto root = juce::XmlDocument::parse (indexFile());
    ASSERT_NE (root, nullptr);
    ASSERT_EQ (root->getNumChildElements(), ids.size());
    for (int i = 0; i < ids.size(); ++i)
        EXPECT_EQ (root->getChildElement (i)->getChildElementAllSubText ("DataID", "?"), ids[i]);

    // Nothing was written next to the store or above it.
    EXPECT_EQ (listFiles (home.getStoreFolder().getParentDirectory()), juce::StringArray ("Preset Data"));
    EXPECT_FALSE (juce::File ("/tmp/absolute.islvnpreset").exists());
    EXPECT_EQ (listFiles (home.getStoreFolder()).size(), ids.size() + 1);
}

TEST_F (PresetStore, ADataIDTooLongForAFileNameFailsCleanly)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    const auto indexBefore = indexFile().loadFileAsString();

    EXPECT_EQ (manager.importPresetFile (source (juce::String::repeatedString ("x", 300), "long")),
               file::ReadErrorFailedToImportPresetData);
    EXPECT_EQ (manager.getNumPresets(), 1);
    EXPECT_EQ (indexFile().loadFileAsString(), indexBefore);
    EXPECT_EQ (listFiles (home.getStoreFolder()), juce::StringArray ("Alpha.islvnpreset", "PresetFileInformation.xml"));
}

TEST_F (PresetStore, AFileTextPointingOutsideTheStoreIsNoFile)
{
    const auto outside = home.getHome().getChildFile ("outside.islvnpreset");
    outside.replaceWithText ("keep me");
    home.getStoreFolder().createDirectory();
    indexFile().replaceWithText (
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<solivane_PresetInformation>"
        "<Preset><DataID>Up</DataID><File>../../../../outside.islvnpreset</File></Preset>"
        "<Preset><DataID>Abs</DataID><File>" + outside.getFullPathName() + "</File></Preset>"
        "<Preset><DataID>Self</DataID><File>PresetFileInformation.xml</File></Preset>"
        "<Preset><DataID>Empty</DataID><File></File></Preset>"
        "<Preset><DataID>Dot</DataID><File>..</File></Preset>"
        "</solivane_PresetInformation>");

    PresetFileManager manager;
    ASSERT_EQ (manager.getNumPresets(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (manager.getPresetFile (i), juce::File()) << i;

    // Installing one of them again writes inside the store, under its safe
    // name, and the preset keeps its place.
    ASSERT_EQ (manager.importPresetFile (source ("Abs", "new")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (source ("Self", "self")), file::ReadErrorNoError);
    EXPECT_EQ (outside.loadFileAsString(), "keep me");
    EXPECT_EQ (manager.getPresetFile (1), home.getStoreFolder().getChildFile ("Abs.islvnpreset"));
    EXPECT_EQ (describePresetFile (manager.getPresetFile (1)), "Abs|new");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (2)), "Self|self");
    EXPECT_EQ (indexOnDisk()[1], "Abs|Abs.islvnpreset");
    EXPECT_EQ (indexOnDisk()[2], "Self|Self.islvnpreset");
    EXPECT_EQ (manager.getNumPresets(), 5);
}

// The index's names are exact: a root in other capitals is no index, and a
// "dataid" names no preset.
TEST_F (PresetStore, IndexNamesInOtherCapitalsAreNotTaken)
{
    testsupport::AssertionWatch watch;
    home.getStoreFolder().createDirectory();
    writePresetFile (home.getStoreFolder(), "Alpha.islvnpreset", "Alpha", "old");
    const juce::String preset = "<Preset><DataID>Alpha</DataID><File>Alpha.islvnpreset</File></Preset>";
    indexFile().replaceWithText ("<Solivane_PresetInformation>" + preset + "</Solivane_PresetInformation>");
    EXPECT_EQ (PresetFileManager().getNumPresets(), 0);

    indexFile().replaceWithText ("<solivane_PresetInformation>" + preset.replace ("DataID", "dataid")
                                 + "</solivane_PresetInformation>");
    PresetFileManager manager;
    ASSERT_EQ (manager.getNumPresets(), 1);
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "new")), file::ReadErrorNoError);
    ASSERT_EQ (manager.getNumPresets(), 2);
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|old");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (1)), "Alpha|new");
    EXPECT_EQ (watch.getCount(), 0);
}

TEST_F (PresetStore, ANewPresetNeverTakesTheFileOfAnotherEntry)
{
    // An index edited by hand in which "Other" owns the file that "Beta"
    // would get.
    home.getStoreFolder().createDirectory();
    writePresetFile (home.getStoreFolder(), "Beta.islvnpreset", "Other", "other's");
    indexFile().replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<solivane_PresetInformation>"
                                 "<Preset><DataID>Other</DataID><File>Beta.islvnpreset</File></Preset>"
                                 "</solivane_PresetInformation>");

    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Beta", "beta's")), file::ReadErrorNoError);
    ASSERT_EQ (manager.getNumPresets(), 2);
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Other|other's");
    EXPECT_EQ (describePresetFile (manager.getPresetFile (1)), "Beta|beta's");
}

TEST_F (PresetStore, AFailedReplacementKeepsTheInstalledPreset)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A old")), file::ReadErrorNoError);
    const auto before = listFiles (home.getStoreFolder());
    const auto replacement = source ("Alpha", "A new");

    {
        presettest::ScopedFileSizeLimit limit (1024);
        EXPECT_EQ (manager.importPresetFile (replacement), file::ReadErrorFailedToImportPresetData);
    }

    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|A old");
    EXPECT_EQ (listFiles (home.getStoreFolder()), before);
    EXPECT_EQ (manager.importPresetFile (replacement), file::ReadErrorNoError);
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Alpha|A new");
}

TEST_F (PresetStore, AFailedCopyOfANewPresetLeavesTheIndexAlone)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    const auto indexBefore = indexFile().loadFileAsString();
    const auto beta = source ("Beta", "B");

    {
        presettest::ScopedFileSizeLimit limit (1024);
        EXPECT_EQ (manager.importPresetFile (beta), file::ReadErrorFailedToImportPresetData);
    }

    EXPECT_EQ (manager.getNumPresets(), 1);
    EXPECT_EQ (indexFile().loadFileAsString(), indexBefore);
    EXPECT_EQ (listFiles (home.getStoreFolder()), juce::StringArray ("Alpha.islvnpreset", "PresetFileInformation.xml"));
}

TEST_F (PresetStore, AFailedIndexWriteTakesBackTheCopyAndTheEntry)
{
    PresetFileManager manager;
    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    const auto indexBefore = indexFile().loadFileAsString();

    // A folder in the index's place cannot be replaced by a file.
    const auto moved = home.getScratchFolder().getChildFile ("index.xml");
    ASSERT_TRUE (indexFile().moveFileTo (moved));
    ASSERT_TRUE (indexFile().createDirectory());

    EXPECT_EQ (manager.importPresetFile (source ("Beta", "B")), file::ReadErrorFailedToImportPresetData);
    EXPECT_EQ (manager.getNumPresets(), 1);
    EXPECT_FALSE (home.getStoreFolder().getChildFile ("Beta.islvnpreset").exists());

    // Once the index can be written again, the next import finds exactly
    // the entries that were really installed.
    ASSERT_TRUE (indexFile().deleteRecursively());
    ASSERT_TRUE (moved.moveFileTo (indexFile()));
    ASSERT_EQ (manager.importPresetFile (source ("Gamma", "C")), file::ReadErrorNoError);
    EXPECT_EQ (indexOnDisk(), juce::StringArray ("Alpha|Alpha.islvnpreset", "Gamma|Gamma.islvnpreset"));
    EXPECT_NE (indexFile().loadFileAsString(), indexBefore);
}

TEST_F (PresetStore, AFolderThatCannotBeFlushedAfterARenameHidesNoPreset)
{
    // Each import fails one flush of the store folder: the first follows the
    // copy's rename, the second the index's.
    const std::tuple<const char*, const char*, int> imports[] = {
        { "Alpha", "A", 2 }, { "Beta", "B", 1 }, { "Alpha", "A new", 1 }, { "Gamma", "C", 0 },
    };
    PresetFileManager manager;
    for (const auto& [dataID, marker, failing] : imports)
    {
        const auto presetFile = source (dataID, marker);
        int flushes = 0;
        testsupport::InterposedFolderSync sync ([this, failing = failing, &flushes] (const juce::File& folder) {
            return folder == home.getStoreFolder() && ++flushes == failing ? EIO : 0;
        });
        EXPECT_EQ (manager.importPresetFile (presetFile), file::ReadErrorNoError) << dataID << " " << failing;
    }

    PresetFileManager restarted;
    ASSERT_EQ (restarted.getNumPresets(), 3);
    EXPECT_EQ (describePresetFile (restarted.getPresetFile (0)), "Alpha|A new");
    EXPECT_EQ (describePresetFile (restarted.getPresetFile (1)), "Beta|B");
    EXPECT_EQ (describePresetFile (restarted.getPresetFile (2)), "Gamma|C");
    EXPECT_EQ (listFiles (home.getStoreFolder()).size(), 4);
}

TEST_F (PresetStore, AnIndexThatDoesNotParseIsLeftAlone)
{
    home.getStoreFolder().createDirectory();
    indexFile().replaceWithText ("<solivane_PresetInformation><Preset>");

    PresetFileManager manager;
    EXPECT_EQ (manager.getNumPresets(), 0);
    EXPECT_EQ (manager.getPresetFile (0), juce::File());
    EXPECT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorFailedToImportPresetData);
    EXPECT_EQ (indexFile().loadFileAsString(), "<solivane_PresetInformation><Preset>");
    EXPECT_FALSE (home.getStoreFolder().getChildFile ("Alpha.islvnpreset").exists());
}

TEST_F (PresetStore, DeletingTheFolderRemovesEverythingButKeepsTheIndexInMemory)
{
    PresetFileManager manager;
    EXPECT_FALSE (manager.deletePresetFolder());

    ASSERT_EQ (manager.importPresetFile (source ("Alpha", "A")), file::ReadErrorNoError);
    ASSERT_EQ (manager.importPresetFile (source ("Beta", "B")), file::ReadErrorNoError);
    EXPECT_TRUE (manager.deletePresetFolder());
    EXPECT_FALSE (home.getStoreFolder().exists());
    EXPECT_EQ (manager.getNumPresets(), 2);
    EXPECT_FALSE (manager.deletePresetFolder());

    PresetFileManager restarted;
    EXPECT_EQ (restarted.getNumPresets(), 0);
}

TEST_F (PresetStore, InstallingFromMemoryLeavesNoTemporaryFileBehind)
{
    PresetFileManager manager;
    juce::MemoryBlock good;
    ASSERT_TRUE (source ("Memory", "M").loadFileAsData (good));

    EXPECT_TRUE (manager.installPresetData (good));
    EXPECT_TRUE (listFiles (home.getTemporaryFolder()).isEmpty());
    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Memory|M");

    EXPECT_FALSE (manager.installPresetData (juce::MemoryBlock ("garbage", 7)));
    EXPECT_TRUE (listFiles (home.getTemporaryFolder()).isEmpty());

    EXPECT_FALSE (manager.installPresetData ({}));
    EXPECT_TRUE (listFiles (home.getTemporaryFolder()).isEmpty());

    {
        presettest::ScopedFileSizeLimit limit (1024);
        EXPECT_FALSE (manager.installPresetData (good));
    }
    EXPECT_TRUE (listFiles (home.getTemporaryFolder()).isEmpty());
    EXPECT_EQ (manager.getNumPresets(), 1);
}

TEST_F (PresetStore, AFileInTheTemporaryFolderCannotStandInForTheInstalledData)
{
    // A fixed name in a shared folder could be planted beforehand (even as a
    // link to somewhere else); the install must neither use nor touch it.
    const auto planted = home.getTemporaryFolder().getChildFile ("TempPresetData.slvnpreset");
    writePresetFile (home.getTemporaryFolder(), "TempPresetData.slvnpreset", "Planted", "evil");
    const auto plantedBytes = planted.loadFileAsString();

    PresetFileManager manager;
    juce::MemoryBlock good;
    ASSERT_TRUE (source ("Memory", "M").loadFileAsData (good));
    ASSERT_TRUE (manager.installPresetData (good));

    EXPECT_EQ (describePresetFile (manager.getPresetFile (0)), "Memory|M");
    EXPECT_EQ (planted.loadFileAsString(), plantedBytes);
    EXPECT_EQ (listFiles (home.getTemporaryFolder()), juce::StringArray ("TempPresetData.slvnpreset"));
}

// Preset files of a few kilobytes whose index names one large entry over and
// over, and a store index that names one such file 50,000 times: each file
// and entry is read once and the stored file's preset is held once, so each
// step takes well under a second (at most a few under the sanitizers on a
// busy machine); read once a name, they took seconds (minutes under the
// sanitizers).
TEST_F (PresetStore, AnEntryOrStoredFileNamedOverAndOverIsReadOnce)
{
    using repeatedentry::Entry;
    using std::chrono::steady_clock;
    const repeatedentry::RepeatedEntryFile shape;
    PresetFileManager manager;
    const std::pair<Entry, int> rows[] = { { Entry::presetInformation, 1000 }, { Entry::programInformation, 500 } };
    for (const auto& [entry, times] : rows)
    {
        const auto file = home.getScratchFolder().getChildFile ("repeated.slvnpreset");
        const auto bytes = shape.build (entry, times);
        ASSERT_TRUE (file.replaceWithData (bytes.getData(), bytes.getSize()));
        const auto start = steady_clock::now();
        EXPECT_EQ (manager.importPresetFile (file), file::ReadErrorNoError);
        EXPECT_LT (repeatedentry::millisecondsSince (start), 5000) << times;
    }
    ASSERT_EQ (manager.getNumPresets(), 1);

    const auto stored = manager.getPresetFile (0).getFileName();
    indexFile().replaceWithText ("<solivane_PresetInformation>"
                                 + juce::String::repeatedString ("<Preset><DataID>REPEATED</DataID><File>" + stored
                                                                     + "</File></Preset>",
                                                                 50000)
                                 + "</solivane_PresetInformation>");
    const PresetFileManager restarted;
    x48305_data::PresetLibrary presets;
    const auto start = steady_clock::now();
    EXPECT_EQ (x48305_file::InstalledPresetsReader (restarted).read (presets), file::ReadErrorNoError);
    EXPECT_LT (repeatedentry::millisecondsSince (start), 5000);
    ASSERT_EQ (presets.getNumPresets(), 1);
    EXPECT_EQ (presets.getPreset (0).getInformation(), shape.information);
    EXPECT_EQ (presets.getPreset (0).getProgram (499).getInformation(), shape.program.getInformation());
}
