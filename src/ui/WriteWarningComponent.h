#pragma once

#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The confirmations before data in the instrument is overwritten: OK (1) goes
// on, Cancel, Escape and the close button (0) stop. OK with "do not confirm"
// ticked turns off "WarnBeforeWriting", which silences both confirmations.

// Before the library or selected programs are written.
class WriteWarningComponent : public juce::Component,
                              public juce::Button::Listener
{
public:
    WriteWarningComponent();
    ~WriteWarningComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void buttonClicked (juce::Button*) override;

    // "WarnBeforeWriting" := not the toggle's state, in memory.
    void saveToPreferences();

    static constexpr int width = 455;
    static constexpr int height = 110;

private:
    x48305_ui::DefaultLookAndFeel lookAndFeel;
    std::unique_ptr<juce::Label> line1Label;
    std::unique_ptr<juce::Label> line2Label;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::TextButton> cancelButton;
    std::unique_ptr<juce::ToggleButton> dontConfirmToggle;

    JUCE_DECLARE_NON_COPYABLE (WriteWarningComponent)
};

// Before the user units are written: a longer message, and OK is the wider
// button left of Cancel.
class WriteUserDataWarningComponent : public juce::Component,
                                      public juce::Button::Listener
{
public:
    WriteUserDataWarningComponent();
    ~WriteUserDataWarningComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void buttonClicked (juce::Button*) override;

    // "WarnBeforeWriting" := not the toggle's state, in memory.
    void saveToPreferences();

    static constexpr int width = 540;
    static constexpr int height = 180;

private:
    x48305_ui::DefaultLookAndFeel lookAndFeel;
    std::unique_ptr<juce::Label> messageLabel;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::TextButton> cancelButton;
    std::unique_ptr<juce::ToggleButton> dontConfirmToggle;

    JUCE_DECLARE_NON_COPYABLE (WriteUserDataWarningComponent)
};
