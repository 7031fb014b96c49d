#pragma once

#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <memory>

// The content of the Preferences dialog: automatic instrument search or fixed
// MIDI ports, automatic receive at start-up, the confirmation before writing
// and the program list's row height. It reads the preferences when it is
// built and writes them only on OK (result 1); Cancel (result 0) only puts
// back the row height it read and sends the preferences notice. Escape and
// the close button end with 0 and touch nothing.
class PreferencesEditComponent : public juce::Component,
                                 public juce::ComboBox::Listener,
                                 public juce::Button::Listener,
                                 public juce::Slider::Listener
{
public:
    PreferencesEditComponent();
    ~PreferencesEditComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    void comboBoxChanged (juce::ComboBox*) override;
    void buttonClicked (juce::Button*) override;
    void sliderValueChanged (juce::Slider*) override;

    // Fills the controls from the preferences and the MIDI ports present now.
    void loadFromPreferences();

    // Writes the controls into the preferences store (in memory).
    void saveToPreferences();

    // "ProgramListHeight" by slider step.
    static constexpr std::array<int, 5> rowHeights { 20, 25, 30, 35, 40 };

    // The step of the first row height at or above the height; the last step
    // for anything taller.
    static int stepForRowHeight (int height);

    // The name at a combo box's item index; empty for no selection (-1) or
    // any index outside the list.
    static juce::String nameAtIndex (const juce::StringArray& names, int index);

    static constexpr int width = 540;
    static constexpr int height = 315;

private:
    void loadPorts (juce::ComboBox& box, juce::StringArray& names, const juce::String& stored, bool inputs);
    int currentStep() const;

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    juce::StringArray midiInNames;
    juce::StringArray midiOutNames;
    int initialProgramListHeight = 0;

    std::unique_ptr<juce::GroupComponent> otherGroup;
    std::unique_ptr<juce::GroupComponent> midiPortGroup;
    std::unique_ptr<juce::ComboBox> midiInComboBox;
    std::unique_ptr<juce::ComboBox> midiOutComboBox;
    std::unique_ptr<juce::ToggleButton> manualPortToggle;
    std::unique_ptr<juce::ToggleButton> autoReceiveToggle;
    std::unique_ptr<juce::ToggleButton> warnBeforeWritingToggle;
    std::unique_ptr<juce::Label> midiInLabel;
    std::unique_ptr<juce::Label> midiOutLabel;
    std::unique_ptr<juce::TextButton> cancelButton;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::Label> fontSizeLabel;
    std::unique_ptr<juce::Slider> fontSizeSlider;
    std::unique_ptr<juce::Label> fontSizeValueLabel;

    JUCE_DECLARE_NON_COPYABLE (PreferencesEditComponent)
};
