#include "ui/CommandForwardingTarget.h"

#include "application/ApplicationMenuManager.h"

namespace ui
{
juce::ApplicationCommandTarget* CommandForwardingTarget::getNextCommandTarget()
{
    return &x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget();
}
} // namespace ui
