#include "application/FileChooserDialog.h"

#include "ui/ModalDialogGuard.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_application
{
std::optional<juce::File> FrameworkFileChooserDialog::chooseFileToOpen (const juce::String& title,
                                                                        const juce::String& extension)
{
    return choose (title, extension, false);
}

std::optional<juce::File> FrameworkFileChooserDialog::chooseFileToSave (const juce::String& title,
                                                                        const juce::String& extension)
{
    return choose (title, extension, true);
}

FrameworkFileChooserDialog& FrameworkFileChooserDialog::getShared()
{
    static FrameworkFileChooserDialog shared;
    return shared;
}

std::optional<juce::File> FrameworkFileChooserDialog::choose (const juce::String& title, const juce::String& extension,
                                                              bool forSaving)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return std::nullopt;

    juce::FileChooser chooser (title, startFolder(), "*" + extension, kind == Kind::desktopWhereInstalled);
    const bool chosen = forSaving ? chooser.browseForFileToSave (true) : chooser.browseForFileToOpen();
    guard.leave();

    // The result is always an absolute path: nothing here depends on the
    // working folder, which a chooser may change.
    if (! chosen || chooser.getResult() == juce::File())
        return std::nullopt;
    lastChosenFolder = chooser.getResult().getParentDirectory();
    return chooser.getResult();
}

juce::File FrameworkFileChooserDialog::startFolder() const
{
    // A folder deleted since is no place to start.
    if (lastChosenFolder.isDirectory())
        return lastChosenFolder;
    return juce::File::getSpecialLocation (juce::File::userHomeDirectory);
}
} // namespace x48305_application
