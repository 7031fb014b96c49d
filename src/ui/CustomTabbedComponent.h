#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// The main window's tabs: every change of the current tab is published to
// the selected-tab model, which the commands read.
class CustomTabbedComponent : public juce::TabbedComponent
{
public:
    explicit CustomTabbedComponent (juce::TabbedButtonBar::Orientation orientation);

    void currentTabChanged (int newCurrentTabIndex, const juce::String& newCurrentTabName) override;

private:
    JUCE_DECLARE_NON_COPYABLE (CustomTabbedComponent)
};
} // namespace ui
