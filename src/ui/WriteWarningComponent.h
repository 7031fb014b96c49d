#pragma once

#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The confirmations before data in the instrument is overwritten: OK (1) goes
// on, Cancel, Escape and the close button (0) stop. OK with "do not confirm"
// ticked turns off "WarnBeforeWriting", which silences both confirmations.
// What both share: the look, the buttons, the toggle and their answers; each
// adds its message and places the controls.
class WriteConfirmationComponent : public juce::Component,
                                   public juce::Button::Listener
{
public:
    ~WriteConfirmationComponent() override;

    void paint (juce::Graphics&) override;
    void buttonClicked (juce::Button*) override;

    // "WarnBeforeWriting" := not the toggle's state, in memory.
    void saveToPreferences();

protected:
    // The keys of the OK button's and the toggle's texts.
    WriteConfirmationComponent (const char* okKey, const char* dontConfirmKey);

    // A message label in the dialog's text style.
    std::unique_ptr<juce::Label> addMessage (const char* name, const juce::String& text,
                                             juce::Justification justification);

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::TextButton> cancelButton;
    std::unique_ptr<juce::ToggleButton> dontConfirmToggle;
};

// Before the library or selected programs are written.
class WriteWarningComponent : public WriteConfirmationComponent
{
public:
    WriteWarningComponent();

    void resized() override;

    static constexpr int width = 455;
    static constexpr int height = 110;

private:
    std::unique_ptr<juce::Label> line1Label;
    std::unique_ptr<juce::Label> line2Label;

    JUCE_DECLARE_NON_COPYABLE (WriteWarningComponent)
};

// Before the user units are written: a longer message, and OK is the wider
// button left of Cancel.
class WriteUserDataWarningComponent : public WriteConfirmationComponent
{
public:
    WriteUserDataWarningComponent();

    void resized() override;

    static constexpr int width = 540;
    static constexpr int height = 180;

private:
    std::unique_ptr<juce::Label> messageLabel;

    JUCE_DECLARE_NON_COPYABLE (WriteUserDataWarningComponent)
};
