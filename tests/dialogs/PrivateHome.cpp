// The dialogs read and write the preferences store, which lives below the
// user's home folder and is written back when the process ends: the whole
// test program gets a home folder of its own, removed after everything
// (the store included) has finished with it.

#include <juce_core/juce_core.h>

#include <cstdlib>

namespace
{
struct PrivateHome
{
    PrivateHome()
    {
        folder.createDirectory();
        setenv ("HOME", folder.getFullPathName().toRawUTF8(), 1);
        unsetenv ("XDG_CONFIG_HOME");
    }

    ~PrivateHome() { folder.deleteRecursively(); }

    juce::File folder { juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("slvn-dialogs-home", "", false) };
};

const PrivateHome privateHome;
} // namespace
