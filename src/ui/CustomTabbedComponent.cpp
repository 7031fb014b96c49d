#include "ui/CustomTabbedComponent.h"

#include "ui/SelectedTabStatus.h"

namespace ui
{
CustomTabbedComponent::CustomTabbedComponent (juce::TabbedButtonBar::Orientation orientation)
    : juce::TabbedComponent (orientation)
{
}

void CustomTabbedComponent::currentTabChanged (int newCurrentTabIndex, const juce::String& newCurrentTabName)
{
    SelectedTabStatus::getInstance()->setTab (newCurrentTabIndex, newCurrentTabName);
}
} // namespace ui
