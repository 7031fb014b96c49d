#pragma once

#include "application/FileChooserDialog.h"

#include <juce_core/juce_core.h>

#include <optional>

namespace x48305_data
{
class PresetInformation;
} // namespace x48305_data

namespace x48305_application
{
// The file operations as the user starts them: asks for the file with a
// chooser (or takes a dropped one), runs the operation and shows a failure as
// one alert with the result code's text. Results: 1 done, 0 not done
// (cancelled, refused while another modal dialog is open, or failed).
// A stack object without state of its own.
class FileDialogProcessor
{
public:
    static constexpr int resultDone = 1;
    static constexpr int resultNotDone = 0;

    // With the framework's chooser.
    FileDialogProcessor();
    // With another chooser (tests answer the choosers through it).
    explicit FileDialogProcessor (FileChooserDialog& chooser);
    virtual ~FileDialogProcessor() = default;

    // Discard check first.
    int openLibrary();
    // To the current file without asking; without one, as saveAs.
    int save();
    int saveAs();
    // Into, or from, the first selected program; nothing without a selection.
    int loadProgram();
    int saveProgram();
    int importPresetFile();
    // Discard check first: the import replaces the library.
    int importVoicingEditorFile();
    // Asks for the file, then for the preset's information. Done (1) also when
    // the user then cancels the information dialog: nothing is written.
    int savePreset();

    // Dropped files, no chooser.
    int openLibraryByFile (const juce::File& file);
    // Only with exactly one program selected.
    int loadProgramByFile (const juce::File& file);
    int importPresetByFile (const juce::File& file);
    int loadUserUnitByFile (const juce::File& file, int slot, int kind);

    void showReadError (int code);
    void showWriteError (int code);

private:
    std::optional<juce::File> chooseToOpen (const char* titleKey, const juce::String& extension);
    // The chosen name with the extension forced on it. When that names
    // another existing file than the one the chooser asked about, the user
    // is asked again before it is used.
    std::optional<juce::File> chooseToSave (const char* titleKey, const juce::String& extension);
    static juce::String suggestedName (const juce::String& extension);
    bool confirmReplacing (const juce::File& file);
    // The preset information dialog; true, with the information, after OK.
    bool askPresetInformation (x48305_data::PresetInformation& information);
    bool runDiscardCheck();
    int firstSelectedProgram() const;
    int saveLibraryTo (const juce::File& file);
    int finishRead (int code);
    int finishWrite (int code);

    FileChooserDialog& chooser;
};
} // namespace x48305_application
