#pragma once

#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The content of the three standard alerts: a message above one to three
// buttons. The first button ends the enclosing dialog with 1 (OK or Yes), the
// second with 2 (No), the third with 0 (Cancel). The height grows with the
// message so that the buttons sit below its text.
class AlertDialogComponent : public juce::Component,
                             private juce::Button::Listener
{
public:
    enum Kind
    {
        message = 0,
        okCancel = 1,
        yesNoCancel = 2
    };

    AlertDialogComponent (int kind, const juce::String& messageToShow);
    ~AlertDialogComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    int getKind() const { return kind; }
    juce::String getMessage() const;

    // The height of the message's wrapped text, which places the buttons.
    int messageTextHeight() const;

    static constexpr int defaultWidth = 420;
    static constexpr int margin = 16;
    static constexpr int buttonWidth = 88;
    static constexpr int buttonHeight = 24;
    static constexpr int messageHeight = 56;

private:
    void buttonClicked (juce::Button*) override;
    void styleButton (juce::TextButton& button, juce::uint32 buttonColour);

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    int kind;
    juce::String messageText;
    int textHeight = 0;
    std::unique_ptr<juce::TextEditor> messageEditor;
    std::unique_ptr<juce::TextButton> firstButton;
    std::unique_ptr<juce::TextButton> secondButton;
    std::unique_ptr<juce::TextButton> thirdButton;

    JUCE_DECLARE_NON_COPYABLE (AlertDialogComponent)
};
