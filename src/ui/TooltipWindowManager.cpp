#include "ui/TooltipWindowManager.h"

namespace x48305_ui
{
TooltipWindowManager::~TooltipWindowManager() = default;

void TooltipWindowManager::createTooltipWindow()
{
    if (tooltipWindow == nullptr)
        tooltipWindow = std::make_unique<juce::TooltipWindow> (nullptr, tooltipDelayMilliseconds);
}

void TooltipWindowManager::deleteTooltipWindow()
{
    tooltipWindow.reset();
}
} // namespace x48305_ui
