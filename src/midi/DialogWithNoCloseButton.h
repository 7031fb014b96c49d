#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace midi
{
// The window of the progress dialog: on the desktop, dark, with a title bar
// that has no buttons. Asking it to close from the window system does
// nothing; only the dialog's own buttons end a transfer.
class DialogWithNoCloseButton : public juce::DocumentWindow
{
public:
    explicit DialogWithNoCloseButton (const juce::String& title);

    void closeButtonPressed() override;

    static constexpr juce::uint32 backgroundColour = 0xff333333;
};
}
