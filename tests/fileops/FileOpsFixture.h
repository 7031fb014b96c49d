#pragma once

#include "action/DataChangeObserver.h"
#include "action/DataEditStatusListener.h"
#include "action/LastSavedFileStatusListener.h"
#include "action/PresetDataChangeBroadcasterObserver.h"
#include "application/FileChooserDialog.h"
#include "file/PrivateTemporaryFolder.h"
#include "library/CurrentProgramData.h"
#include "library/LibraryData.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace fileopstest
{
// Answers the file choosers in place of a person and records every question.
class ScriptedChooser : public x48305_application::FileChooserDialog
{
public:
    struct Question
    {
        bool forSaving = false;
        juce::String title;
        juce::String extension;
    };

    // The next answers, in order; nothing stands for Cancel.
    void willChoose (const juce::File& file) { answers.push_back (file); }
    void willCancel() { answers.push_back (std::nullopt); }

    std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::String& extension) override;
    std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::String& extension) override;

    const std::vector<Question>& getQuestions() const { return questions; }
    // Every question so far, each as asked() writes it.
    juce::StringArray getAsked() const;
    bool hasUnusedAnswers() const { return ! answers.empty(); }

private:
    std::optional<juce::File> answer (bool forSaving, const juce::String& title, const juce::String& extension);

    std::deque<std::optional<juce::File>> answers;
    std::vector<Question> questions;
};

// One chooser question as text: "open" or "save", the title of the
// localisation key, the extension.
juce::String asked (bool forSaving, const char* titleKey, const juce::String& extension);

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

// A library in which every program name and text and the live set depend on
// the seed.
x48305_data::LibraryData makeLibrary (int seed);

// Everything that tells two libraries apart: records, texts and live set.
std::string fingerprint (const x48305_data::LibraryData& library);

// The name of program 0 (names are space-padded to 12 characters).
std::string nameOf (const x48305_data::ProgramData& program);

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

    file::PrivateTemporaryFolder folder;
    ScriptedChooser chooser;
    NoticeCounter notices;
};
} // namespace fileopstest
