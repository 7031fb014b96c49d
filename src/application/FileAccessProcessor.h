#pragma once

#include <juce_core/juce_core.h>

namespace x48305_data
{
class LibraryData;
class PresetInformation;
} // namespace x48305_data

namespace x48305_application
{
// Performs the file operations on the data store: what each one reads or
// writes, what it resets, which notices it sends and what becomes undoable.
// Every operation returns a file result code, 0 for success. A read goes into
// a temporary object first, so a file that fails to read never changes the
// data store. A stack object without state.
class FileAccessProcessor
{
public:
    virtual ~FileAccessProcessor() = default;

    // The library becomes the file's: views and the current program are told,
    // the file becomes the current file, the edited flag and the undo history
    // are cleared.
    int openLibrary (const juce::File& file);

    // The library starts afresh: every program initialised with empty texts,
    // the live set emptied; views and the current program are told, there is no current
    // file, and the edited flag and the undo history are cleared.
    void newLibrary();

    // Writes the library; the file becomes the current file and the edited
    // flag is cleared. The undo history stays.
    int saveLibrary (const juce::File& file);

    // One undoable step "LoadProgram" that puts the file's program into the
    // given library program.
    int loadProgram (const juce::File& file, int programNumber);

    // Writes one library program as a program file.
    int saveProgram (const juce::File& file, int programNumber);

    // Installs a preset file in the preset store, then reloads the presets.
    // ReadErrorFailedToImportPresetData when the store refuses the file.
    int importPreset (const juce::File& file);
    int importPresetFile (const juce::File& file);

    // Rebuilds the data store's presets from the preset store. The first file
    // that does not read ends the reload with its code; the presets read
    // until then stay. Either way the views are told, and a current preset
    // program whose preset is gone stops being current.
    int reloadPresets();

    // Writes the 500 library programs, without their programmer and comment
    // texts, as a preset file with the given information.
    int savePreset (const juce::File& file, const x48305_data::PresetInformation& information);

    // As openLibrary, but with no current file afterwards. Programs the file
    // does not carry, and the live set, stay as they are.
    int importVoicingEditorFile (const juce::File& file);

    // One undoable step ("LoadUserModFXData", "LoadUserDelFXData",
    // "LoadUserRevFXData" or "LoadUserOscData") that puts the package's unit
    // into a slot of the list of the given kind (1 modulation, 2 delay,
    // 3 reverb effect, 4 oscillator). ReadErrorUserUnitFileWrongModule when
    // the unit is of another kind; ReadErrorFailedToImportUserUnitData when
    // it cannot be placed there.
    int loadUserUnitData (const juce::File& file, int slot, int kind);

private:
    void replaceLibrary (const x48305_data::LibraryData& library, const juce::File& currentFile);
    void announcePresets();
};
} // namespace x48305_application
