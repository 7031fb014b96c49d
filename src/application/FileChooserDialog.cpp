#include "application/FileChooserDialog.h"

#include "ui/ModalDialogGuard.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_application
{
namespace
{
// The framework's chooser dialog with the keyboard in its file-name field
// from the start: a person saving or opening types a name first. The dialog
// itself takes the keyboard when it shows, and again when its window gets
// the keyboard back from the window manager with no part of it that had
// it; typing there goes nowhere, so it hands the keyboard on to the field.
// Handed any earlier, before the window has the keyboard, the field would
// be refused it: under a window manager that comes a moment after the
// dialog shows.
class NameFieldFirstDialog : public juce::FileChooserDialogBox
{
public:
    NameFieldFirstDialog (const juce::String& title, juce::FileBrowserComponent& browser)
        : juce::FileChooserDialogBox (title, {}, browser, true,
                                      browser.findColour (juce::AlertWindow::backgroundColourId))
    {
        for (auto* child : browser.getChildren())
            if (auto* field = dynamic_cast<juce::TextEditor*> (child))
                nameField = field;
        // The field takes Escape for itself and would keep the dialog open.
        if (nameField != nullptr)
            nameField->onEscapeKey = [this] { exitModalState (0); };
    }

private:
    void focusGained (FocusChangeType) override
    {
        if (nameField != nullptr)
            nameField->grabKeyboardFocus();
    }

    juce::TextEditor* nameField = nullptr;
};
} // namespace

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
    if (runsOwnDialog())
    {
        chosen = chooseInOwnDialog (title, extension, start, forSaving);
    }
    else
    {
        juce::FileChooser chooser (title, start, "*" + extension);
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

std::optional<juce::File> FrameworkFileChooserDialog::chooseInOwnDialog (const juce::String& title,
                                                                         const juce::String& extension,
                                                                         const juce::File& start, bool forSaving)
{
    // The framework's own dialog as its chooser builds it.
    juce::WildcardFileFilter filter ("*" + extension, {}, {});
    using Browser = juce::FileBrowserComponent;
    const int mode = forSaving ? Browser::saveMode | Browser::warnAboutOverwriting : Browser::openMode;
    Browser browser (mode | Browser::canSelectFiles, start, &filter, nullptr);
    NameFieldFirstDialog dialog (title, browser);
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
