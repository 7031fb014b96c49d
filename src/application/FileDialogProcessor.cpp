#include "application/FileDialogProcessor.h"

#include "action/LastSavedFileStatus.h"
#include "application/CPXWResource.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDiscardChecker.h"
#include "file/FileExtensionChecker.h"
#include "file/FileExtensions.h"
#include "file/FileResultCodes.h"
#include "library/PresetInformation.h"
#include "ui/AlertDialog.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ModalDialogState.h"
#include "ui/PresetInformationEditComponent.h"
#include "ui/SelectedProgramStatus.h"

namespace x48305_application
{
namespace
{
constexpr int done = FileDialogProcessor::resultDone;
constexpr int notDone = FileDialogProcessor::resultNotDone;

bool modalDialogIsOpen()
{
    return ui::ModalDialogState::getInstance()->dialogOpen;
}
} // namespace

FileDialogProcessor::FileDialogProcessor() : FileDialogProcessor (FrameworkFileChooserDialog::getShared())
{
}

FileDialogProcessor::FileDialogProcessor (FileChooserDialog& chooserToUse) : chooser (chooserToUse)
{
}

int FileDialogProcessor::openLibrary()
{
    if (! runDiscardCheck())
        return notDone;

    const auto chosen = chooseToOpen ("FileOpenLibraryTitle", file::libraryFileExtension);
    if (! chosen)
        return notDone;
    return finishRead (FileAccessProcessor().openLibrary (*chosen));
}

int FileDialogProcessor::save()
{
    auto* current = application::LastSavedFileStatus::getInstance();
    if (! current->hasFile())
        return saveAs();
    return saveLibraryTo (current->getFile());
}

int FileDialogProcessor::saveAs()
{
    const auto chosen = chooseToSave ("FileSaveLibraryTitle", file::libraryFileExtension);
    if (! chosen)
        return notDone;
    return saveLibraryTo (*chosen);
}

int FileDialogProcessor::loadProgram()
{
    const int number = firstSelectedProgram();
    if (number < 0)
        return notDone;

    const auto chosen = chooseToOpen ("FileLoadProgramTitle", file::programFileExtension);
    if (! chosen)
        return notDone;
    return finishRead (FileAccessProcessor().loadProgram (*chosen, number));
}

int FileDialogProcessor::saveProgram()
{
    const int number = firstSelectedProgram();
    if (number < 0)
        return notDone;

    const auto chosen = chooseToSave ("FileSaveProgramTitle", file::programFileExtension);
    if (! chosen)
        return notDone;
    return finishWrite (FileAccessProcessor().saveProgram (*chosen, number));
}

int FileDialogProcessor::importPresetFile()
{
    const auto chosen = chooseToOpen ("FileImportPresetTitle", file::presetFileExtension);
    if (! chosen)
        return notDone;
    return finishRead (FileAccessProcessor().importPresetFile (*chosen));
}

int FileDialogProcessor::importVoicingEditorFile()
{
    if (! runDiscardCheck())
        return notDone;

    const auto chosen = chooseToOpen ("FileImportVeTitle", file::voicingEditorAllDataFileExtension);
    if (! chosen)
        return notDone;
    return finishRead (FileAccessProcessor().importVoicingEditorFile (*chosen));
}

int FileDialogProcessor::savePreset()
{
    const auto chosen = chooseToSave ("FileSavePresetTitle", file::presetFileExtension);
    if (! chosen)
        return notDone;

    x48305_data::PresetInformation information;
    if (! askPresetInformation (information))
        return done; // the user decided against it: nothing to write, nothing failed
    return finishWrite (FileAccessProcessor().savePreset (*chosen, information));
}

int FileDialogProcessor::openLibraryByFile (const juce::File& file)
{
    if (! runDiscardCheck())
        return notDone;
    return finishRead (FileAccessProcessor().openLibrary (file));
}

int FileDialogProcessor::loadProgramByFile (const juce::File& file)
{
    auto* selection = ui::SelectedProgramStatus::getInstance();
    if (selection->getNumSelected() != 1)
        return notDone;
    return finishRead (FileAccessProcessor().loadProgram (file, selection->getSelected (0)));
}

int FileDialogProcessor::importPresetByFile (const juce::File& file)
{
    return finishRead (FileAccessProcessor().importPreset (file));
}

int FileDialogProcessor::loadUserUnitByFile (const juce::File& file, int slot, int kind)
{
    return finishRead (FileAccessProcessor().loadUserUnitData (file, slot, kind));
}

void FileDialogProcessor::showReadError (int code)
{
    AlertDialog().showMessage (getLocalizedText ("CommonErrorDialogTitle"), x48305_file::getReadErrorText (code));
}

void FileDialogProcessor::showWriteError (int code)
{
    AlertDialog().showMessage (getLocalizedText ("CommonErrorDialogTitle"), x48305_file::getWriteErrorText (code));
}

std::optional<juce::File> FileDialogProcessor::chooseToOpen (const char* titleKey, const juce::String& extension)
{
    if (modalDialogIsOpen())
        return std::nullopt;
    // The chosen file is opened as it is: on a case-sensitive file system a
    // forced extension could name another file.
    return chooser.chooseFileToOpen (getLocalizedText (titleKey), extension);
}

std::optional<juce::File> FileDialogProcessor::chooseToSave (const char* titleKey, const juce::String& extension)
{
    if (modalDialogIsOpen())
        return std::nullopt;

    const auto chosen = chooser.chooseFileToSave (getLocalizedText (titleKey), extension, suggestedName (extension));
    if (! chosen)
        return std::nullopt;

    // The chooser asked about the name as typed; the forced name may be
    // another file that it never mentioned.
    const auto target = file::FileExtensionChecker (extension).applyExtension (*chosen);
    if (target != *chosen && target.exists() && ! confirmReplacing (target))
        return std::nullopt;
    return target;
}

juce::String FileDialogProcessor::suggestedName (const juce::String& extension)
{
    // The library is offered under its current file's name; anything else,
    // like a library never saved, under the name the window's title shows.
    const auto* current = application::LastSavedFileStatus::getInstance();
    if (extension == file::libraryFileExtension && current->hasFile())
        return current->getFile().getFileName();
    return getLocalizedText ("CommonUntitledFileName") + extension;
}

bool FileDialogProcessor::confirmReplacing (const juce::File& file)
{
    return AlertDialog().showOkCancel (getLocalizedText ("FileReplaceCheckTitle"),
                                       file.getFileName() + "\n" + getLocalizedText ("FileReplaceCheckMessage"));
}

bool FileDialogProcessor::askPresetInformation (x48305_data::PresetInformation& information)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return false;

    auto content = std::make_unique<PresetInformationEditComponent>();
    const int result = juce::DialogWindow::showModalDialog (getLocalizedText ("PresetInformationEditTitle"),
                                                            content.get(), nullptr, juce::Colours::white, true, false,
                                                            false);
    guard.leave();
    if (result != 1)
        return false;
    information = content->getInformation();
    return true;
}

bool FileDialogProcessor::runDiscardCheck()
{
    return application::FileDiscardChecker (chooser).check() == 0;
}

int FileDialogProcessor::firstSelectedProgram() const
{
    auto* selection = ui::SelectedProgramStatus::getInstance();
    return selection->getNumSelected() > 0 ? selection->getSelected (0) : -1;
}

int FileDialogProcessor::saveLibraryTo (const juce::File& file)
{
    return finishWrite (FileAccessProcessor().saveLibrary (file));
}

int FileDialogProcessor::finishRead (int code)
{
    if (code == file::ReadErrorNoError)
        return done;
    showReadError (code);
    return notDone;
}

int FileDialogProcessor::finishWrite (int code)
{
    if (code == file::WriteErrorNoError)
        return done;
    showWriteError (code);
    return notDone;
}
} // namespace x48305_application
