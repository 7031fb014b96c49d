#pragma once

#include "data/Singleton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace x48305_ui
{
// The one tooltip window of the application; it lives as long as the main
// window.
class TooltipWindowManager : public Singleton<TooltipWindowManager>,
                             public juce::DeletedAtShutdown
{
public:
    static constexpr int tooltipDelayMilliseconds = 700;

    ~TooltipWindowManager() override;

    // Creates the tooltip window when there is none.
    void createTooltipWindow();
    void deleteTooltipWindow();

    juce::TooltipWindow* getTooltipWindow() const { return tooltipWindow.get(); }

private:
    friend class Singleton<TooltipWindowManager>;
    TooltipWindowManager() = default;

    std::unique_ptr<juce::TooltipWindow> tooltipWindow;
};
} // namespace x48305_ui
