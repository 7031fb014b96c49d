#pragma once

#include "data/Singleton.h"

#include <juce_core/juce_core.h>

namespace x48305_application
{
// Which developer and debug extras are switched on, set once at start-up
// from the marker files in the preferences folder. Never deleted: the menus
// may ask it until the very end.
class DebugModeModel : public Singleton<DebugModeModel>
{
public:
    DebugModeModel() = default;

    // The developer's File menu item.
    void setDeveloperMode (bool on);

    // The debug window's Option menu item and the program information page's
    // debug view, always together.
    void setDebugMode (bool on);

    // Start-up: "DeveloperMode_48305.txt" in the folder switches developer
    // mode on, "DebugMode.txt" debug mode. Only plain files count; their
    // content is never read. A missing file switches nothing off.
    void readMarkerFiles (const juce::File& folder);

    bool developerMode = false;
    bool debugMenu = false;
    bool debugPage = false;
};
} // namespace x48305_application
