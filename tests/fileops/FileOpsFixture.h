#pragma once

#include "action/DataChangeObserver.h"
#include "action/DataEditStatusListener.h"
#include "action/LastSavedFileStatusListener.h"
#include "action/PresetDataChangeBroadcasterObserver.h"
#include "support/PrivateTemporaryFolder.h"
#include "library/CurrentProgramData.h"
#include "library/LibraryData.h"
#include "support/DialogScript.h"
#include "support/LibraryFixtures.h"
#include "support/ScriptedChooser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fileopstest
{
using testsupport::asked;
using testsupport::DialogScript;
using testsupport::fingerprint;
using testsupport::makeLibrary;
using testsupport::nameOf;
using testsupport::pressCancel;
using testsupport::pressEscape;
using testsupport::pressNo;
using testsupport::pressOk;
using testsupport::pressYes;
using testsupport::ScriptedChooser;
using testsupport::ShownDialog;
using testsupport::snapshotThen;

// Counts the notices of the library model's broadcasters.
class NoticeCounter : private data::DataChangeObserver,
                      private data::PresetDataChangeBroadcasterObserver,
                      private application::LastSavedFileStatusListener,
                      private application::DataEditStatusListener,
                      private x48305_data::CurrentProgramDataObserver
{
public:
    NoticeCounter();
    ~NoticeCounter() override;

    // Delivers what is pending, then starts counting from zero.
    void reset();
    // Delivers what is pending.
    void settle();

    int dataChanges = 0;
    int presetChanges = 0;
    int currentFileChanges = 0;
    int editStatusChanges = 0;
    int currentProgramChanges = 0;

private:
    void dataChanged() override { ++dataChanges; }
    void presetDataChanged() override { ++presetChanges; }
    void lastSavedFileChanged (const juce::File&) override { ++currentFileChanges; }
    void editStatusChanged (const bool&) override { ++editStatusChanges; }
    void currentProgramChanged() override { ++currentProgramChanges; }
};

// The process-wide model every file operation works on: each test starts from
// a fresh library and unit store, a clean library without file or history,
// program 0 selected and current, no dialog open, and with files in a folder of its own.
class FileOpsTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static x48305_data::LibraryData& library();
    static bool isEdited();
    static void markEdited();
    static juce::File currentFile();
    static void setCurrentFile (const juce::File& file);
    static juce::String undoName();
    static bool canUndo();
    static void selectPrograms (const std::vector<int>& numbers);
    static x48305_data::CurrentProgramData& currentProgram();

    juce::File file (const juce::String& name) const { return folder.getFolder().getChildFile (name); }
    juce::File writeLibraryFile (const juce::String& name, int seed) const;
    juce::File writeProgramFile (const juce::String& name, const std::string& programName) const;
    // Replaces the data store's library without making the change undoable.
    static void putLibrary (const x48305_data::LibraryData& library);

    testsupport::PrivateTemporaryFolder folder;
    ScriptedChooser chooser;
    NoticeCounter notices;
};
} // namespace fileopstest
