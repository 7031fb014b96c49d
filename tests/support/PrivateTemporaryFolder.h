#pragma once

#include <juce_core/juce_core.h>

namespace testsupport
{
// A new folder with a unique name inside the system's temporary folder that
// only this user can enter (mode 0700), removed with everything in it when
// the object goes. Files put there can neither be read nor replaced by
// anybody else, and no two users or processes ever share it.
class PrivateTemporaryFolder
{
public:
    PrivateTemporaryFolder();
    ~PrivateTemporaryFolder();

    // False when the folder could not be made.
    bool isValid() const { return folder != juce::File(); }

    const juce::File& getFolder() const { return folder; }

private:
    juce::File folder;

    JUCE_DECLARE_NON_COPYABLE (PrivateTemporaryFolder)
};
} // namespace testsupport
