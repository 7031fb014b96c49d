#pragma once

#include "library/PresetInformation.h"
#include "ui/DefaultLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The content of the dialog that asks for a preset's descriptive information
// before the library is saved as a preset file. The caller shows it modally,
// and after result 1 (OK) reads getInformation(); after 0 (Cancel, Escape or
// the close button) the information is still default-constructed.
class PresetInformationEditComponent : public juce::Component,
                                       public juce::Slider::Listener,
                                       public juce::Button::Listener
{
public:
    PresetInformationEditComponent();
    ~PresetInformationEditComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    void sliderValueChanged (juce::Slider*) override;
    void buttonClicked (juce::Button*) override;

    // Copies the editors' texts and the two slider values into the information.
    void saveToInformation();

    const x48305_data::PresetInformation& getInformation() const { return information; }

    static constexpr int width = 480;
    static constexpr int height = 380;

private:
    std::unique_ptr<juce::Label> makeLabel (const char* name, const char* text);
    std::unique_ptr<juce::TextEditor> makeEditor (const char* name);
    std::unique_ptr<juce::Slider> makeSlider (const char* name, double maximum);
    std::unique_ptr<juce::TextButton> makeButton (const char* name, const char* text);

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    x48305_data::PresetInformation information;

    std::unique_ptr<juce::Label> dataIdLabel;
    std::unique_ptr<juce::TextEditor> dataIdEditor;
    std::unique_ptr<juce::Label> nameLabel;
    std::unique_ptr<juce::TextEditor> nameEditor;
    std::unique_ptr<juce::Label> authorLabel;
    std::unique_ptr<juce::TextEditor> authorEditor;
    std::unique_ptr<juce::Label> dateLabel;
    std::unique_ptr<juce::TextEditor> dateEditor;
    std::unique_ptr<juce::Label> copyrightLabel;
    std::unique_ptr<juce::TextEditor> copyrightEditor;
    std::unique_ptr<juce::Label> versionLabel;
    std::unique_ptr<juce::Slider> versionSlider;
    std::unique_ptr<juce::Label> programCountLabel;
    std::unique_ptr<juce::Slider> programCountSlider;
    std::unique_ptr<juce::TextButton> okButton;
    std::unique_ptr<juce::TextButton> cancelButton;

    JUCE_DECLARE_NON_COPYABLE (PresetInformationEditComponent)
};
