#include "application/FileChooserDialog.h"

#include "ui/ModalDialogGuard.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_application
{
std::optional<juce::File> FrameworkFileChooserDialog::chooseFileToOpen (const juce::String& title,
                                                                        const juce::String& extension)
{
    return choose (title, extension, startFolder(), false);
}

std::optional<juce::File> FrameworkFileChooserDialog::chooseFileToSave (const juce::String& title,
                                                                        const juce::String& extension,
                                                                        const juce::String& suggestedName)
{
    return choose (title, extension, startFolder().getChildFile (suggestedName), true);
}

FrameworkFileChooserDialog& FrameworkFileChooserDialog::getShared()
{
    static FrameworkFileChooserDialog shared;
    return shared;
}

std::optional<juce::File> FrameworkFileChooserDialog::choose (const juce::String& title, const juce::String& extension,
                                                              const juce::File& start, bool forSaving)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return std::nullopt;

    std::optional<juce::File> chosen;
    if (forSaving && runsOwnDialog())
    {
        chosen = saveInOwnDialog (title, extension, start);
    }
    else
    {
        juce::FileChooser chooser (title, start, "*" + extension, kind == Kind::desktopWhereInstalled);
        if (forSaving ? chooser.browseForFileToSave (true) : chooser.browseForFileToOpen())
            chosen = chooser.getResult();
    }
    guard.leave();

    // The result is always an absolute path: nothing here depends on the
    // working folder, which a chooser may change.
    if (! chosen || *chosen == juce::File())
        return std::nullopt;
    lastChosenFolder = chosen->getParentDirectory();
    return chosen;
}

std::optional<juce::File> FrameworkFileChooserDialog::saveInOwnDialog (const juce::String& title,
                                                                       const juce::String& extension,
                                                                       const juce::File& start)
{
    // The framework's own dialog as its chooser builds it, with the keyboard
    // in the name field: a person saving types a name first.
    juce::WildcardFileFilter filter ("*" + extension, {}, {});
    using Browser = juce::FileBrowserComponent;
    Browser browser (Browser::saveMode | Browser::canSelectFiles | Browser::warnAboutOverwriting, start, &filter,
                     nullptr);
    juce::FileChooserDialogBox dialog (title, {}, browser, true,
                                       browser.findColour (juce::AlertWindow::backgroundColourId));
    for (auto* child : browser.getChildren())
        if (auto* nameField = dynamic_cast<juce::TextEditor*> (child))
        {
            // The field takes Escape for itself and would keep the dialog open.
            nameField->onEscapeKey = [&dialog] { dialog.exitModalState (0); };
            juce::MessageManager::callAsync ([field = juce::Component::SafePointer<juce::TextEditor> (nameField)] {
                if (field != nullptr && field->isShowing())
                    field->grabKeyboardFocus();
            });
        }
    if (! dialog.show())
        return std::nullopt;
    return browser.getSelectedFile (0);
}

bool FrameworkFileChooserDialog::runsOwnDialog() const
{
    return kind == Kind::frameworksOwn || ! juce::FileChooser::isPlatformDialogAvailable();
}

juce::File FrameworkFileChooserDialog::startFolder() const
{
    // A folder deleted since is no place to start.
    if (lastChosenFolder.isDirectory())
        return lastChosenFolder;
    return juce::File::getSpecialLocation (juce::File::userHomeDirectory);
}
} // namespace x48305_application
