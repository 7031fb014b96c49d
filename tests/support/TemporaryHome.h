#pragma once

#include "support/PrivateTemporaryFolder.h"
#include "support/ScopedEnvironmentVariable.h"

#include <juce_core/juce_core.h>

namespace testsupport
{
// A fresh private folder below the system's temporary folder, removed with
// its contents when the object goes.
class TemporaryFolder
{
public:
    TemporaryFolder();

    const juce::File& get() const { return folder.getFolder(); }

    // Writes a text file (and its parent folders) below the folder.
    juce::File write (const juce::String& relativePath, const juce::String& text) const;

private:
    testsupport::PrivateTemporaryFolder folder;
};

// A home folder of its own for the life of the object: $HOME points at a
// fresh temporary folder and $XDG_CONFIG_HOME is cleared, so the preferences
// folder, its marker files and the preset store below ~/.config all live
// there. Both variables are restored and the folder removed at the end.
class TemporaryHome
{
public:
    TemporaryHome();

    const juce::File& get() const { return folder.get(); }

    // ~/.config/Preferences/VEXO solivane Sound Librarian
    juce::File preferencesFolder() const;
    // Its "Preset Data" folder.
    juce::File presetStoreFolder() const;

    juce::File write (const juce::String& relativePath, const juce::String& text) const
    {
        return folder.write (relativePath, text);
    }

private:
    TemporaryFolder folder;
    ScopedEnvironmentVariable home;
    ScopedEnvironmentVariable configHome;
};

// One home for the whole test program. The preferences store is one per
// process and writes its file when the framework shuts down, after every
// test: this home stays until the process ends and is removed then. Made on
// first use; call it before anything reads the preferences.
const TemporaryHome& processHome();
} // namespace testsupport
