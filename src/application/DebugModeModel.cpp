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
} // namespace x48305_application
