#include "application/CommandLineProcessor.h"

#include "application/ApplicationStartupProcess.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "application/FileDiscardChecker.h"
#include "file/FileExtensions.h"
#include "file/FileResultCodes.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"

namespace x48305_application
{
CommandLineProcessor::CommandLineProcessor (ApplicationStartupProcess* process) : startupProcess (process)
{
}

void CommandLineProcessor::processArguments (const juce::StringArray& tokens, const juce::File& baseFolder)
{
    if (ui::ModalDialogState::getInstance()->dialogOpen)
        return;

    const auto folder = baseFolder == juce::File() ? juce::File::getCurrentWorkingDirectory() : baseFolder;
    for (int i = 0; i < tokens.size(); ++i)
    {
        const auto& token = tokens[i];
        if (token.startsWith ("-NS"))
            ++i;
        else if (token.startsWith ("-"))
            continue;
        else if (handleFileToken (token, folder))
            return;
    }
}

bool CommandLineProcessor::handleFileToken (const juce::String& token, const juce::File& baseFolder)
{
    if (token.isEmpty())
        return false;

    const auto file = baseFolder.getChildFile (token);
    const auto extension = file.getFileExtension();

    if (extension.equalsIgnoreCase (file::libraryFileExtension))
        openLibraryFile (file);
    else if (extension.equalsIgnoreCase (file::programFileExtension))
        loadProgramFile (file);
    else if (extension.equalsIgnoreCase (file::presetFileExtension))
        importPresetFile (file);
    else
        return false;

    return true;
}

void CommandLineProcessor::openLibraryFile (const juce::File& file)
{
    if (startupProcess != nullptr)
        startupProcess->setOpenedFromCommandLine();

    if (application::FileDiscardChecker().check() != 0)
        return;

    showReadErrorUnlessDone (FileAccessProcessor().openLibrary (file));
}

void CommandLineProcessor::loadProgramFile (const juce::File& file)
{
    if (startupProcess != nullptr)
        startupProcess->setOpenedFromCommandLine();

    auto* selection = ui::SelectedProgramStatus::getInstance();
    if (selection->getNumSelected() < 1)
        return;

    showReadErrorUnlessDone (FileAccessProcessor().loadProgram (file, selection->getSelected (0)));
}

void CommandLineProcessor::importPresetFile (const juce::File& file)
{
    showReadErrorUnlessDone (FileAccessProcessor().importPreset (file));
}

void CommandLineProcessor::showReadErrorUnlessDone (int code)
{
    if (code != file::ReadErrorNoError)
        FileDialogProcessor().showReadError (code);
}
} // namespace x48305_application
