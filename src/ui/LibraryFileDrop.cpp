#include "ui/LibraryFileDrop.h"

#include "application/FileDialogProcessor.h"
#include "file/FileExtensions.h"
#include "ui/ModalDialogState.h"

namespace ui
{
namespace
{
bool dialogIsOpen()
{
    return ModalDialogState::getInstance()->dialogOpen;
}
} // namespace

bool LibraryFileDrop::isInterestedIn (const juce::StringArray& paths)
{
    return ! dialogIsOpen() && firstAcceptedPath (paths).isNotEmpty();
}

void LibraryFileDrop::drop (const juce::StringArray& paths)
{
    if (dialogIsOpen())
        return;

    const auto path = firstAcceptedPath (paths);
    if (path.isEmpty())
        return;

    const juce::File file (path);
    x48305_application::FileDialogProcessor processor;
    if (file.hasFileExtension (file::libraryFileExtension))
        processor.openLibraryByFile (file);
    else if (file.hasFileExtension (file::programFileExtension))
        processor.loadProgramByFile (file);
    else
        processor.importPresetByFile (file);
}

juce::String LibraryFileDrop::firstAcceptedPath (const juce::StringArray& paths)
{
    const auto extensions = file::libraryFileExtension + ";" + file::programFileExtension + ";"
                            + file::presetFileExtension;
    for (const auto& path : paths)
        if (juce::File::isAbsolutePath (path) && juce::File (path).hasFileExtension (extensions))
            return path;
    return {};
}
} // namespace ui
