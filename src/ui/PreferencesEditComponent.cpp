#include "ui/PreferencesEditComponent.h"

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "midiport/CPXWMidi.h"
#include "ui/DialogContent.h"

namespace keys = x48305_preferences::keys;

namespace
{
x48305_preferences::PreferencesData& preferences()
{
    return *x48305_preferences::PreferencesData::getInstance();
}

std::unique_ptr<juce::GroupComponent> makeGroup (const char* name, const char* key)
{
    auto group = std::make_unique<juce::GroupComponent> (name, getLocalizedText (key));
    group->setColour (juce::GroupComponent::outlineColourId, juce::Colour (0xff666666));
    group->setColour (juce::GroupComponent::textColourId, juce::Colour (0xff999999));
    return group;
}

std::unique_ptr<juce::ComboBox> makePortBox (const char* name)
{
    auto box = std::make_unique<juce::ComboBox> (name);
    box->setEditableText (false);
    box->setJustificationType (juce::Justification::centredLeft);
    box->setTextWhenNothingSelected ({});
    box->setTextWhenNoChoicesAvailable ("(no choices)");
    return box;
}

std::unique_ptr<juce::ToggleButton> makeToggle (const char* name, const char* key)
{
    auto toggle = std::make_unique<juce::ToggleButton> (name);
    toggle->setButtonText (getLocalizedText (key));
    return toggle;
}

std::unique_ptr<juce::TextButton> makeButton (const char* name, const char* key)
{
    auto button = std::make_unique<juce::TextButton> (name);
    button->setButtonText (getLocalizedText (key));
    x48305_ui::styleDialogButton (*button, juce::Colour (0x49666666), juce::Colour (0x69999999));
    return button;
}

std::unique_ptr<juce::Slider> makeStepSlider (const char* name)
{
    auto slider = std::make_unique<juce::Slider> (name);
    slider->setSliderStyle (juce::Slider::LinearHorizontal);
    slider->setRange (0.0, (double) PreferencesEditComponent::rowHeights.size() - 1.0, 1.0);
    slider->setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    slider->setColour (juce::Slider::thumbColourId, juce::Colour (0xff666666));
    slider->setColour (juce::Slider::trackColourId, juce::Colour (0xff111111));
    return slider;
}
} // namespace

PreferencesEditComponent::PreferencesEditComponent()
    : otherGroup (makeGroup ("otherGroup", "PreferencesDialogGroupOther")),
      midiPortGroup (makeGroup ("midiPortGroup", "PreferencesDialogGroupMidiPort")),
      midiInComboBox (makePortBox ("midiInComboBox")),
      midiOutComboBox (makePortBox ("midiOutComboBox")),
      manualPortToggle (makeToggle ("manualPortToggle", "PreferencesDialogMidiPortManualSetting")),
      autoReceiveToggle (makeToggle ("autoReceiveToggle", "PreferencesDialogAutoReceive")),
      warnBeforeWritingToggle (makeToggle ("warnBeforeWritingToggle", "PreferencesDialogWarningBeforeWriting")),
      midiInLabel (x48305_ui::makeCaption ("midiInLabel", getLocalizedText ("PreferencesDialogMidiInPort"))),
      midiOutLabel (x48305_ui::makeCaption ("midiOutLabel", getLocalizedText ("PreferencesDialogMidiOutPort"))),
      cancelButton (makeButton ("cancelButton", "CommonCancel")),
      okButton (makeButton ("okButton", "CommonOK")),
      fontSizeLabel (x48305_ui::makeCaption ("fontSizeLabel", getLocalizedText ("PreferencesDialogFontSize"))),
      fontSizeSlider (makeStepSlider ("fontSizeSlider")),
      fontSizeValueLabel (x48305_ui::makeCaption ("fontSizeValueLabel", "3"))
{
    juce::Component* const children[] = {
        otherGroup.get(), midiPortGroup.get(), midiInComboBox.get(), midiOutComboBox.get(),
        manualPortToggle.get(), autoReceiveToggle.get(), warnBeforeWritingToggle.get(), midiInLabel.get(),
        midiOutLabel.get(), cancelButton.get(), okButton.get(), fontSizeLabel.get(), fontSizeSlider.get(),
        fontSizeValueLabel.get(),
    };
    for (auto* child : children)
        addAndMakeVisible (child);

    midiInComboBox->addListener (this);
    midiOutComboBox->addListener (this);
    for (auto* button : { (juce::Button*) manualPortToggle.get(), (juce::Button*) autoReceiveToggle.get(),
                          (juce::Button*) warnBeforeWritingToggle.get(), (juce::Button*) cancelButton.get(),
                          (juce::Button*) okButton.get() })
        button->addListener (this);
    fontSizeSlider->addListener (this);
    // Escape stays the window's close, which, unlike Cancel, writes nothing.
    x48305_ui::giveReturnKey (*okButton);

    initialProgramListHeight = preferences().getInt (keys::programListHeight, 0);
    loadFromPreferences();

    for (auto* child : children)
        child->setLookAndFeel (&lookAndFeel);

    setSize (width, height);
}

PreferencesEditComponent::~PreferencesEditComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
    otherGroup.reset();
    midiPortGroup.reset();
    midiInComboBox.reset();
    midiOutComboBox.reset();
    manualPortToggle.reset();
    autoReceiveToggle.reset();
    warnBeforeWritingToggle.reset();
    midiInLabel.reset();
    midiOutLabel.reset();
    cancelButton.reset();
    okButton.reset();
    fontSizeLabel.reset();
    fontSizeSlider.reset();
    fontSizeValueLabel.reset();
}

int PreferencesEditComponent::stepForRowHeight (int rowHeight)
{
    for (size_t step = 0; step < rowHeights.size(); ++step)
        if (rowHeights[step] >= rowHeight)
            return (int) step;
    return (int) rowHeights.size() - 1;
}

juce::String PreferencesEditComponent::nameAtIndex (const juce::StringArray& names, int index)
{
    return juce::isPositiveAndBelow (index, names.size()) ? names[index] : juce::String();
}

int PreferencesEditComponent::currentStep() const
{
    return juce::jlimit (0, (int) rowHeights.size() - 1, (int) fontSizeSlider->getValue());
}

void PreferencesEditComponent::loadFromPreferences()
{
    const auto manual = ! preferences().getBool (keys::midiPortAutoScan, true);
    manualPortToggle->setToggleState (manual, juce::dontSendNotification);
    autoReceiveToggle->setToggleState (preferences().getBool (keys::autoReceive, true), juce::dontSendNotification);
    warnBeforeWritingToggle->setToggleState (preferences().getBool (keys::warnBeforeWriting, true),
                                             juce::dontSendNotification);

    const auto step = stepForRowHeight (preferences().getInt (keys::programListHeight, 0));
    fontSizeSlider->setValue ((double) step, juce::sendNotificationAsync);
    fontSizeValueLabel->setText (juce::String (step + 1), juce::dontSendNotification);

    midiInComboBox->setEnabled (manual);
    midiOutComboBox->setEnabled (manual);

    loadPorts (*midiInComboBox, midiInNames, preferences().getString (keys::midiInPort, {}), true);
    loadPorts (*midiOutComboBox, midiOutNames, preferences().getString (keys::midiOutPort, {}), false);
}

void PreferencesEditComponent::loadPorts (juce::ComboBox& box, juce::StringArray& names, const juce::String& stored,
                                          bool inputs)
{
    names.clear();
    box.clear (juce::dontSendNotification);

    const auto count = inputs ? CPXWMidi::getSourceCount() : CPXWMidi::getDestinationCount();
    int selected = -1;
    for (int i = 0; i < count; ++i)
    {
        const auto name = inputs ? CPXWMidi::getSourceName (i) : CPXWMidi::getDestinationName (i);
        names.add (name);
        box.addItem (name, i + 1);
        if (selected < 0 && name == stored)
            selected = i;
    }

    if (selected >= 0)
        box.setSelectedItemIndex (selected, juce::sendNotificationAsync);
}

void PreferencesEditComponent::saveToPreferences()
{
    auto& store = preferences();
    store.setBool (keys::warnBeforeWriting, warnBeforeWritingToggle->getToggleState());
    store.setBool (keys::autoReceive, autoReceiveToggle->getToggleState());
    store.setBool (keys::midiPortAutoScan, ! manualPortToggle->getToggleState());
    store.setString (keys::midiInPort, nameAtIndex (midiInNames, midiInComboBox->getSelectedItemIndex()));
    store.setString (keys::midiOutPort, nameAtIndex (midiOutNames, midiOutComboBox->getSelectedItemIndex()));
    store.setInt (keys::programListHeight, rowHeights[(size_t) currentStep()]);
}

void PreferencesEditComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff333333));
}

void PreferencesEditComponent::resized()
{
    midiPortGroup->setBounds (8, 8, 520, 136);
    manualPortToggle->setBounds (32, 32, 456, 24);
    midiInLabel->setBounds (32, 64, 80, 24);
    midiInComboBox->setBounds (120, 64, 376, 24);
    midiOutLabel->setBounds (32, 96, 80, 24);
    midiOutComboBox->setBounds (120, 96, 376, 24);
    otherGroup->setBounds (8, 144, 520, 120);
    autoReceiveToggle->setBounds (32, 168, 464, 24);
    warnBeforeWritingToggle->setBounds (32, 192, 472, 24);
    fontSizeLabel->setBounds (48, 224, 160, 24);
    fontSizeSlider->setBounds (216, 224, 184, 24);
    fontSizeValueLabel->setBounds (416, 224, 32, 24);
    cancelButton->setBounds (328, 278, 94, 24);
    okButton->setBounds (432, 278, 94, 24);
}

void PreferencesEditComponent::comboBoxChanged (juce::ComboBox*)
{
    // A port choice takes effect only through OK.
}

void PreferencesEditComponent::buttonClicked (juce::Button* button)
{
    if (button == manualPortToggle.get())
    {
        const auto manual = manualPortToggle->getToggleState();
        midiInComboBox->setEnabled (manual);
        midiOutComboBox->setEnabled (manual);
        return;
    }

    x48305_ui::answerOkOrCancel (*this, button, *okButton, *cancelButton, [this] { saveToPreferences(); },
                                 [this]
                                 {
                                     // The list may have followed the slider while the dialog was open.
                                     preferences().setInt (keys::programListHeight, initialProgramListHeight);
                                     application::PreferencesDataChangeBroadcaster::getInstance()->notify();
                                 });
}

void PreferencesEditComponent::sliderValueChanged (juce::Slider* slider)
{
    if (slider == fontSizeSlider.get())
        fontSizeValueLabel->setText (juce::String ((int) slider->getValue() + 1), juce::dontSendNotification);
}
