#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "application/CPXWResource.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileManager.h"
#include "formats/PresetFile.h"
#include "library/DataCenter.h"

using namespace fileopstest;
using x48305_application::FileAccessProcessor;
using x48305_application::FileDialogProcessor;

namespace
{
// The preset store belongs to the whole run (its index is read once), so
// every preset made here has a DataID of its own and the checks count from
// what the store held before.
class PresetOps : public FileOpsTest
{
protected:
    void SetUp() override
    {
        FileOpsTest::SetUp();
        // Start from the store as it is, so that the counts below are exact.
        ASSERT_EQ (FileAccessProcessor().reloadPresets(), 0);
        notices.reset();
    }

    juce::File writePreset (const juce::String& fileName, const juce::String& dataID) const
    {
        x48305_data::PresetData preset;
        preset.getInformation().DataID = dataID;
        preset.getInformation().Name = "Preset " + dataID;
        preset.getProgram (0).setName (dataID.toStdString());
        const auto target = file (fileName);
        EXPECT_EQ (x48305_file::PresetFileWriter (&preset).write (target), 0);
        return target;
    }

    static juce::String uniqueID (const juce::String& stem)
    {
        static int counter = 0;
        return stem + "-" + juce::String (++counter);
    }

    static x48305_data::PresetLibrary& presets() { return x48305_data::DataCenter::getInstance()->getPresetLibrary(); }
    static juce::String lastDataID() { return presets().getPreset (presets().getNumPresets() - 1).getInformation().DataID; }
    static int storeCount() { return x48305_file::PresetFileManager::getInstance()->getNumPresets(); }
};
} // namespace

TEST_F (PresetOps, ImportInstallsThePresetAndReloadsTheViews)
{
    const int before = presets().getNumPresets();
    const auto alpha = uniqueID ("Alpha");
    chooser.willChoose (writePreset ("Alpha.slvnpreset", alpha));
    EXPECT_EQ (FileDialogProcessor (chooser).importPresetFile(), 1);
    notices.settle();
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (false, "FileImportPresetTitle", ".slvnpreset")));
    EXPECT_EQ (presets().getNumPresets(), before + 1);
    EXPECT_EQ (storeCount(), before + 1);
    EXPECT_EQ (lastDataID(), alpha);
    EXPECT_EQ (notices.presetChanges, 1);
    // The library is not touched.
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (canUndo());
    EXPECT_EQ (notices.dataChanges, 0);

    // A dropped file; and an open chooser keeps the chosen name as it is.
    const auto beta = uniqueID ("Beta");
    EXPECT_EQ (FileDialogProcessor (chooser).importPresetByFile (writePreset ("Beta.slvnpreset", beta)), 1);
    EXPECT_EQ (lastDataID(), beta);
    const auto upper = uniqueID ("Upper");
    writePreset ("Gamma.slvnpreset", uniqueID ("Lower"));
    chooser.willChoose (writePreset ("Gamma.SLVNPRESET", upper));
    EXPECT_EQ (FileDialogProcessor (chooser).importPresetFile(), 1);
    EXPECT_EQ (lastDataID(), upper);
    EXPECT_EQ (presets().getNumPresets(), before + 3);
}

TEST_F (PresetOps, AFileTheStoreRefusesIsReportedAndChangesNothing)
{
    const int before = presets().getNumPresets();
    const auto library = writeLibraryFile ("Bank.slvnlib", 1);
    EXPECT_EQ (FileAccessProcessor().importPreset (library), file::ReadErrorFailedToImportPresetData);

    DialogScript script ({ pressOk() });
    EXPECT_EQ (FileDialogProcessor (chooser).importPresetByFile (library), 0);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("CommonErrorDialogTitle"));
    EXPECT_EQ (script.getShown()[0].message, x48305_file::getReadErrorText (file::ReadErrorFailedToImportPresetData));
    notices.settle();
    EXPECT_EQ (presets().getNumPresets(), before);
    EXPECT_EQ (storeCount(), before);
    EXPECT_EQ (notices.presetChanges, 0);
}

TEST_F (PresetOps, AReloadThatMeetsABrokenFileKeepsWhatCameBeforeAndTellsTheViews)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ (FileAccessProcessor().importPreset (writePreset ("Many" + juce::String (i) + ".slvnpreset",
                                                                    uniqueID ("Many"))), 0);
    const int count = storeCount();
    ASSERT_EQ (presets().getNumPresets(), count);
    notices.reset();

    // The last preset's program is current; the last but one stored file
    // breaks.
    currentProgram().selectPresetProgram (count - 1, 3);
    const auto broken = x48305_file::PresetFileManager::getInstance()->getPresetFile (count - 2);
    juce::MemoryBlock original;
    ASSERT_TRUE (broken.loadFileAsData (original));
    ASSERT_TRUE (broken.replaceWithText ("no longer a preset"));

    EXPECT_EQ (FileAccessProcessor().reloadPresets(), file::ReadErrorFailedToUncompressZipFile);
    notices.settle();
    EXPECT_EQ (presets().getNumPresets(), count - 2);
    // The views hear of it and let go of the presets that are gone, and the
    // program of a preset that is gone is no longer current.
    EXPECT_EQ (notices.presetChanges, 1);
    EXPECT_FALSE (currentProgram().hasCurrentProgram());
    EXPECT_EQ (notices.currentProgramChanges, 1);

    // An import that works while the store holds a broken file reports the
    // reload's failure.
    EXPECT_EQ (FileAccessProcessor().importPreset (writePreset ("After.slvnpreset", uniqueID ("After"))),
               file::ReadErrorFailedToUncompressZipFile);

    // A current preset program whose preset is still there stays current.
    currentProgram().selectPresetProgram (0, 7);
    ASSERT_TRUE (broken.replaceWithData (original.getData(), original.getSize()));
    EXPECT_EQ (FileAccessProcessor().reloadPresets(), 0);
    EXPECT_EQ (presets().getNumPresets(), count + 1);
    EXPECT_EQ (currentProgram().getKind(), x48305_data::CurrentProgramData::presetProgram);
    EXPECT_EQ (currentProgram().getPresetIndex(), 0);
}
