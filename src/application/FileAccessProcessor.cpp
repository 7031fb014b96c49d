#include "application/FileAccessProcessor.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "action/LibraryActions.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "action/UndoSteps.h"
#include "action/UserUnitSlotActions.h"
#include "file/FileResultCodes.h"
#include "file/InstalledPresetsReader.h"
#include "file/PresetFileManager.h"
#include "file/UserUnitFileReader.h"
#include "file/VoicingEditorLibraryDataImporter.h"
#include "formats/LibraryFile.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"

namespace x48305_application
{
namespace
{
x48305_data::DataCenter& store()
{
    return *x48305_data::DataCenter::getInstance();
}

// One action as an undo step of its own.
bool performAsStep (const juce::String& name, juce::UndoableAction* action)
{
    return x48305_action::performAsStep (name, std::unique_ptr<juce::UndoableAction> (action));
}

int placeUnit (int moduleIndex, std::uint32_t slot, const juce::MemoryBlock& image)
{
    // Loads nothing for a module without slots, or for a slot past the list's
    // end, which the action refuses.
    const auto placed = x48305_data::UserUnitKinds::forEach ([&] (auto kind) {
        using Kind = decltype (kind);
        return Kind::moduleIndex == moduleIndex
               && performAsStep (juce::String ("Load") + Kind::dataName,
                                 new x48305_action::SetUserUnitAction<Kind> (slot, typename Kind::Slot (image)));
    });
    return placed ? file::ReadErrorNoError : file::ReadErrorFailedToImportUserUnitData;
}
} // namespace

int FileAccessProcessor::openLibrary (const juce::File& file)
{
    x48305_data::LibraryData library;
    const int result = x48305_file::LibraryFileReader (&library).read (file);
    if (result != file::ReadErrorNoError)
        return result;

    replaceLibrary (library, file);
    return result;
}

void FileAccessProcessor::newLibrary()
{
    // A fresh library rather than a reset one: resetting keeps each program's
    // programmer and comment texts, which must not pass into a new library.
    replaceLibrary (x48305_data::LibraryData(), juce::File());
}

int FileAccessProcessor::saveLibrary (const juce::File& file)
{
    const int result = x48305_file::LibraryFileWriter (&store().getLibraryData()).write (file);
    if (result != file::WriteErrorNoError)
        return result;

    application::LastSavedFileStatus::getInstance()->setFile (file);
    application::DataEditStatus::getInstance()->clearEdited();
    return result;
}

int FileAccessProcessor::loadProgram (const juce::File& file, int programNumber)
{
    x48305_data::ProgramData program;
    const int result = x48305_file::ProgramFileReader (&program).read (file);
    if (result != file::ReadErrorNoError)
        return result;

    performAsStep ("LoadProgram", new x48305_action::SetProgramDataAction (programNumber, program));
    return result;
}

int FileAccessProcessor::saveProgram (const juce::File& file, int programNumber)
{
    const auto& program = store().getLibraryData().getProgram (programNumber);
    return x48305_file::ProgramFileWriter (&program).write (file);
}

int FileAccessProcessor::importPreset (const juce::File& file)
{
    const int result = x48305_file::PresetFileManager::getInstance()->importPresetFile (file);
    return result != file::ReadErrorNoError ? result : reloadPresets();
}

int FileAccessProcessor::importPresetFile (const juce::File& file)
{
    return importPreset (file);
}

int FileAccessProcessor::reloadPresets()
{
    auto& presets = store().getPresetLibrary();
    auto* presetStore = x48305_file::PresetFileManager::getInstance();

    presets.clear();
    const int result = x48305_file::InstalledPresetsReader (*presetStore).read (presets);

    // Also after a failure: the views must let go of the presets that did
    // not come back.
    announcePresets();
    return result;
}

int FileAccessProcessor::savePreset (const juce::File& file, const x48305_data::PresetInformation& information)
{
    x48305_data::PresetData preset;
    preset.getInformation() = information;

    const auto& library = store().getLibraryData();
    for (int number = 0; number < x48305_data::PresetData::numPrograms; ++number)
    {
        auto& program = preset.getProgram (number);
        program = library.getProgram (number);
        program.setInformation ({});
    }
    return x48305_file::PresetFileWriter (&preset).write (file);
}

int FileAccessProcessor::importVoicingEditorFile (const juce::File& file)
{
    // The import fills in what the file carries; starting from the current
    // library keeps everything else (a file without programs changes
    // nothing, and the live set stays).
    x48305_data::LibraryData library (store().getLibraryData());
    const int result = x48305_file::VoicingEditorLibraryDataImporter (&library).read (file);
    if (result != file::ReadErrorNoError)
        return result;

    replaceLibrary (library, juce::File());
    return result;
}

int FileAccessProcessor::loadUserUnitData (const juce::File& file, int slot, int kind)
{
    x48305_data::UserUnitData unit;
    const int result = x48305_file::UserUnitFileReader (&unit).read (file);
    if (result != file::ReadErrorNoError)
        return result;

    if (unit.getImage().isEmpty())
        return file::ReadErrorFailedToImportUserUnitData;
    if (unit.getModuleIndex() != kind)
        return file::ReadErrorUserUnitFileWrongModule;
    if (slot < 0)
        return file::ReadErrorFailedToImportUserUnitData;

    return placeUnit (kind, (std::uint32_t) slot, unit.getImage());
}

void FileAccessProcessor::replaceLibrary (const x48305_data::LibraryData& library, const juce::File& currentFile)
{
    store().getLibraryData() = library;
    data::DataChangeBroadcaster::getInstance()->notify();
    x48305_data::CurrentProgramData::getInstance()->notifyIfLibraryProgram();
    application::LastSavedFileStatus::getInstance()->setFile (currentFile);
    application::DataEditStatus::getInstance()->clearEdited();
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
}

void FileAccessProcessor::announcePresets()
{
    data::PresetDataChangeBroadcaster::getInstance()->notify();

    auto* current = x48305_data::CurrentProgramData::getInstance();
    if (current->getKind() == x48305_data::CurrentProgramData::presetProgram
        && current->getPresetIndex() >= store().getPresetLibrary().getNumPresets())
        current->clearCurrentProgram();
    current->notifyIfLibraryProgram();
}
} // namespace x48305_application
