#pragma once

#include "data/Singleton.h"
#include "library/LibraryData.h"
#include "library/PresetLibrary.h"
#include "library/UserData.h"
#include "library/UserUnitsMatch.h"

#include <juce_events/juce_events.h>

namespace x48305_data
{
// The one data store. It owns the library, the preset library and the
// user-unit store with the mark of whether it matches the instrument; views,
// readers, writers, actions and jobs reach them through it and never own
// model data. Members are built in declaration order and destroyed in
// reverse; construction reads nothing from disk.
class DataCenter : public Singleton<DataCenter>, public juce::DeletedAtShutdown
{
public:
    ~DataCenter() override {}

    LibraryData& getLibraryData() { return library; }
    const LibraryData& getLibraryData() const { return library; }

    PresetLibrary& getPresetLibrary() { return presetLibrary; }
    const PresetLibrary& getPresetLibrary() const { return presetLibrary; }

    UserData& getUserData() { return userData; }
    const UserData& getUserData() const { return userData; }

    UserUnitsMatch& getUserUnitsMatch() { return userUnitsMatch; }

private:
    friend class Singleton<DataCenter>;
    DataCenter() = default;

    LibraryData library;
    PresetLibrary presetLibrary;
    UserData userData;
    UserUnitsMatch userUnitsMatch;
};
} // namespace x48305_data
