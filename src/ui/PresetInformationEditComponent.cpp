#include "ui/PresetInformationEditComponent.h"

#include "ui/DialogContent.h"

namespace
{
const juce::Colour greyText (0xff808080);
const juce::Colour valueBoxBackground (0xff111111);
} // namespace

PresetInformationEditComponent::PresetInformationEditComponent()
    : dataIdLabel (makeLabel ("dataIdLabel", "data ID")),
      dataIdEditor (makeEditor ("dataIdEditor")),
      nameLabel (makeLabel ("nameLabel", "display name")),
      nameEditor (makeEditor ("nameEditor")),
      authorLabel (makeLabel ("authorLabel", "author")),
      authorEditor (makeEditor ("authorEditor")),
      dateLabel (makeLabel ("dateLabel", "date")),
      dateEditor (makeEditor ("dateEditor")),
      copyrightLabel (makeLabel ("copyrightLabel", "copyright")),
      copyrightEditor (makeEditor ("copyrightEditor")),
      versionLabel (makeLabel ("versionLabel", "version")),
      versionSlider (makeSlider ("versionSlider", 1000.0)),
      programCountLabel (makeLabel ("programCountLabel", "Program       1  ~")),
      programCountSlider (makeSlider ("programCountSlider", 500.0)),
      okButton (makeButton ("okButton", "OK")),
      cancelButton (makeButton ("cancelButton", "Cancel"))
{
    x48305_ui::giveDialogKeys (*okButton, *cancelButton);
    setSize (width, height);
}

PresetInformationEditComponent::~PresetInformationEditComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
}

std::unique_ptr<juce::Label> PresetInformationEditComponent::makeLabel (const char* name, const char* text)
{
    // The captions are not localisation keys: they go through the framework's
    // own translations, which leave them as they are in every language.
    auto label = x48305_ui::makeCaption (name, juce::translate (text));
    label->setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label->setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
    label->setLookAndFeel (&lookAndFeel);
    addAndMakeVisible (*label);
    return label;
}

std::unique_ptr<juce::TextEditor> PresetInformationEditComponent::makeEditor (const char* name)
{
    auto editor = x48305_ui::makeTextField (name);
    editor->setColour (juce::TextEditor::textColourId, greyText);
    // The look-and-feel gives editors the dialog's own grey, which would hide
    // the fields on this dialog's ground: they are sunk into it instead.
    editor->setColour (juce::TextEditor::backgroundColourId, valueBoxBackground);
    editor->setColour (juce::TextEditor::outlineColourId, valueBoxBackground);
    editor->setColour (juce::TextEditor::focusedOutlineColourId, juce::Colour (0xff666666));
    editor->setLookAndFeel (&lookAndFeel);
    addAndMakeVisible (*editor);
    return editor;
}

std::unique_ptr<juce::Slider> PresetInformationEditComponent::makeSlider (const char* name, double maximum)
{
    auto slider = std::make_unique<juce::Slider> (name);
    slider->setSliderStyle (juce::Slider::IncDecButtons);
    slider->setTextBoxStyle (juce::Slider::TextBoxLeft, true, 80, 20);
    slider->setRange (1.0, maximum, 1.0);
    slider->setValue (1.0, juce::dontSendNotification);
    slider->setColour (juce::Slider::textBoxTextColourId, greyText);
    slider->setColour (juce::Slider::textBoxBackgroundColourId, valueBoxBackground);
    slider->setLookAndFeel (&lookAndFeel);
    slider->addListener (this);
    addAndMakeVisible (*slider);
    return slider;
}

std::unique_ptr<juce::TextButton> PresetInformationEditComponent::makeButton (const char* name, const char* text)
{
    auto button = std::make_unique<juce::TextButton> (name);
    button->setButtonText (juce::translate (text));
    x48305_ui::styleDialogButton (*button, juce::Colour (0x49666666), juce::Colour (0x69999999));
    button->setLookAndFeel (&lookAndFeel);
    button->addListener (this);
    addAndMakeVisible (*button);
    return button;
}

void PresetInformationEditComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff333333));
}

void PresetInformationEditComponent::resized()
{
    const std::pair<juce::Label*, juce::Component*> rows[] = {
        { dataIdLabel.get(), dataIdEditor.get() },
        { nameLabel.get(), nameEditor.get() },
        { authorLabel.get(), authorEditor.get() },
        { dateLabel.get(), dateEditor.get() },
        { copyrightLabel.get(), copyrightEditor.get() },
    };

    int y = 24;
    for (const auto& [label, editor] : rows)
    {
        label->setBounds (24, y, 120, 24);
        editor->setBounds (152, y, 288, 24);
        y += 40;
    }

    versionLabel->setBounds (24, 224, 120, 24);
    versionSlider->setBounds (152, 224, 150, 24);
    programCountLabel->setBounds (24, 264, 96, 24);
    programCountSlider->setBounds (152, 264, 150, 24);
    okButton->setBounds (272, 320, 78, 24);
    cancelButton->setBounds (360, 320, 78, 24);
}

void PresetInformationEditComponent::sliderValueChanged (juce::Slider*)
{
}

void PresetInformationEditComponent::buttonClicked (juce::Button* button)
{
    x48305_ui::answerOkOrCancel (*this, button, *okButton, *cancelButton, [this] { saveToInformation(); });
}

void PresetInformationEditComponent::saveToInformation()
{
    information.DataID = dataIdEditor->getText();
    information.Name = nameEditor->getText();
    information.Author = authorEditor->getText();
    information.Date = dateEditor->getText();
    information.Copyright = copyrightEditor->getText();
    information.Version = (int) versionSlider->getValue();
    information.NumOfProg = (int) programCountSlider->getValue();
}
