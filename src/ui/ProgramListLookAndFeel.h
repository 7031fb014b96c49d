#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// The program list's dark header and slim scroll bars. The user-unit lists
// and the favourites share it.
class ProgramListLookAndFeel : public juce::LookAndFeel_V3
{
public:
    ProgramListLookAndFeel();

    void drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent& header) override;
    void drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent& header, const juce::String& columnName,
                                int columnId, int width, int height, bool isMouseOver, bool isMouseDown,
                                int columnFlags) override;

    void drawScrollbarButton (juce::Graphics& g, juce::ScrollBar& scrollbar, int width, int height,
                              int buttonDirection, bool isScrollbarVertical, bool isMouseOverButton,
                              bool isButtonDown) override;
    void drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollbar, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize, bool isMouseOver,
                        bool isMouseDown) override;
};
} // namespace x48305_ui
