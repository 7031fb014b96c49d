#include "application/DebugModeModel.h"

namespace x48305_application
{
void DebugModeModel::setDeveloperMode (bool on)
{
    developerMode = on;
}

void DebugModeModel::setDebugMode (bool on)
{
    debugMenu = on;
    debugPage = on;
}
void DebugModeModel::readMarkerFiles (const juce::File& folder)
{
    if (folder.getChildFile ("DeveloperMode_48305.txt").existsAsFile())
        setDeveloperMode (true);
    if (folder.getChildFile ("DebugMode.txt").existsAsFile())
        setDebugMode (true);
}
} // namespace x48305_application
