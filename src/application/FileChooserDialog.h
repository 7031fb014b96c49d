#pragma once

#include <juce_core/juce_core.h>

#include <optional>

namespace x48305_application
{
// Asks the user for one file. The file operations ask through this interface,
// so that tests can answer in place of a person.
class FileChooserDialog
{
public:
    virtual ~FileChooserDialog() = default;

    // The file chosen for reading, or nothing when the user cancelled or
    // another modal dialog is open. Only files matching "*" + extension are
    // offered.
    virtual std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::String& extension) = 0;

    // The same for writing, offering suggestedName as the file's name. The
    // chooser asks before it hands out an existing file, by the name as the
    // user typed it.
    virtual std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::String& extension,
                                                        const juce::String& suggestedName) = 0;
};

// The framework's chooser, run modally with the modal-dialog flag held. It
// starts in the folder of the file last chosen through this object, or in
// the home folder before any (never in the folder the program happened to be
// started from). The framework's own open and save dialogs start with the
// keyboard in their file-name field, where Escape cancels as it does
// elsewhere in them.
class FrameworkFileChooserDialog : public FileChooserDialog
{
public:
    // Which of the framework's choosers runs. The application's is the
    // desktop's (on Linux zenity or kdialog when one is installed, the
    // framework's own dialog otherwise); the framework's own dialog is the
    // same on every machine.
    enum class Kind
    {
        desktopWhereInstalled,
        frameworksOwn
    };

    explicit FrameworkFileChooserDialog (Kind kindToRun = Kind::desktopWhereInstalled) : kind (kindToRun) {}

    std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::String& extension) override;
    std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::String& extension,
                                                const juce::String& suggestedName) override;

    // The one the application's file operations use: the desktop's.
    static FrameworkFileChooserDialog& getShared();

private:
    std::optional<juce::File> choose (const juce::String& title, const juce::String& extension,
                                      const juce::File& start, bool forSaving);
    static std::optional<juce::File> chooseInOwnDialog (const juce::String& title, const juce::String& extension,
                                                        const juce::File& start, bool forSaving);
    bool runsOwnDialog() const;
    juce::File startFolder() const;

    Kind kind;
    juce::File lastChosenFolder;
};
} // namespace x48305_application
