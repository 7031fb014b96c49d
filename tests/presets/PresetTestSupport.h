#pragma once

#include "support/PrivateTemporaryFolder.h"
#include "library/PresetData.h"
#include "support/ScopedEnvironmentVariable.h"
#include "support/TemporaryHome.h"

#include <juce_core/juce_core.h>

#include <sys/resource.h>

#include <memory>
#include <string>

namespace presettest
{
using ScopedEnvironmentVariable = testsupport::ScopedEnvironmentVariable;

// A home folder and a temporary folder of the test's own: the preferences
// folder and the preset store below ~/.config live in the first, and
// everything the code puts in "the system's temporary folder" in the second.
// Both are unique to this object, so parallel test processes never meet.
class ScopedTestHome
{
public:
    ScopedTestHome();

    const juce::File& getHome() const { return home.get(); }
    const juce::File& getTemporaryFolder() const { return temporary.getFolder(); }
    juce::File getScratchFolder() const { return scratch.getFolder(); }

    // ~/.config/Preferences/VEXO solivane Sound Librarian/Preset Data
    juce::File getStoreFolder() const;

private:
    testsupport::TemporaryHome home;
    testsupport::PrivateTemporaryFolder temporary;
    testsupport::PrivateTemporaryFolder scratch;
    ScopedEnvironmentVariable temporaryVariable;
};

// A preset whose DataID is given and whose first program is named by marker,
// so that two presets with one DataID can be told apart after a round trip.
x48305_data::PresetData makePreset (const juce::String& dataID, const std::string& marker);

// Writes that preset as a preset file; fails the test when writing fails.
juce::File writePresetFile (const juce::File& folder, const juce::String& fileName,
                            const juce::String& dataID, const std::string& marker);

// Reads a preset file; "" when it does not read, otherwise
// "<DataID>|<name of program 0 without its padding>".
std::string describePresetFile (const juce::File& file);

// The names of everything directly in a folder (hidden ones included), sorted.
juce::StringArray listFiles (const juce::File& folder);

// Caps the size of any file this process writes for the life of the object,
// so that writing a file of more than the given bytes fails (also for root).
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit (rlim_t bytes);
    ~ScopedFileSizeLimit();

    ScopedFileSizeLimit (const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator= (const ScopedFileSizeLimit&) = delete;

private:
    rlimit previous {};
    void (*previousHandler) (int) = nullptr;
};
} // namespace presettest
