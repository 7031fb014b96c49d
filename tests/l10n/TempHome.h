#pragma once

#include "ScopedEnv.h"
#include "TempFolder.h"

namespace l10ntest
{
// A temporary home folder for the life of the object: the user application
// data folder (~/.config) and everything below it live there.
class TempHome
{
public:
    TempHome() : home ("HOME", folder.get().getFullPathName().toRawUTF8()) {}

    const juce::File& get() const { return folder.get(); }

    juce::File preferencesFolder() const
    {
        return folder.get().getChildFile (".config/Preferences/VEXO solivane Sound Librarian");
    }

private:
    TempFolder folder;
    ScopedEnv home;
};
} // namespace l10ntest
