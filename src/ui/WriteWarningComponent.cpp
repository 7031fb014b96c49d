#include "ui/WriteWarningComponent.h"

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "ui/DialogContent.h"
#include "ui/FontLibrary.h"

namespace
{
const juce::Colour background (0xff333333);
const juce::Colour buttonColour (0x49666666);
const juce::Colour buttonOnColour (0x69999999);

template <typename Child>
std::unique_ptr<Child> addChild (juce::Component& parent, juce::LookAndFeel& lookAndFeel,
                                 juce::Button::Listener& listener, const char* name)
{
    auto child = std::make_unique<Child> (name);
    child->setLookAndFeel (&lookAndFeel);
    if constexpr (std::is_base_of_v<juce::Button, Child>)
        child->addListener (&listener);
    parent.addAndMakeVisible (*child);
    return child;
}

void styleMessage (juce::Label& label, const juce::String& text, juce::Justification justification)
{
    label.setText (text, juce::dontSendNotification);
    label.setFont (ui::FontLibrary::getInstance()->getFont ("DialogText"));
    label.setJustificationType (justification);
    label.setEditable (false, false, false);
    label.setColour (juce::Label::textColourId, juce::Colours::white);
}

void styleToggle (juce::ToggleButton& toggle, const char* key)
{
    toggle.setButtonText (getLocalizedText (key));
    toggle.setColour (juce::ToggleButton::textColourId, juce::Colour (0xff808080));
    toggle.setToggleState (false, juce::dontSendNotification);
}

void saveWarningChoice (const juce::ToggleButton& dontConfirm)
{
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting,
                                                                 ! dontConfirm.getToggleState());
}
} // namespace

//==============================================================================
WriteWarningComponent::WriteWarningComponent()
    : line1Label (addChild<juce::Label> (*this, lookAndFeel, *this, "line1Label")),
      line2Label (addChild<juce::Label> (*this, lookAndFeel, *this, "line2Label")),
      okButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "okButton")),
      cancelButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "cancelButton")),
      dontConfirmToggle (addChild<juce::ToggleButton> (*this, lookAndFeel, *this, "dontConfirmToggle"))
{
    styleMessage (*line1Label, getLocalizedText ("WriteWarningDialogLine1"), juce::Justification::centredLeft);
    styleMessage (*line2Label, getLocalizedText ("WriteWarningDialogLine2"), juce::Justification::centredLeft);

    okButton->setButtonText (getLocalizedText ("CommonOK"));
    x48305_ui::styleDialogButton (*okButton, buttonColour, buttonOnColour);
    cancelButton->setButtonText (getLocalizedText ("CommonCancel"));
    x48305_ui::styleDialogButton (*cancelButton, buttonColour, buttonOnColour);

    styleToggle (*dontConfirmToggle, "WriteWarningDialogDontConfirmNext");
    x48305_ui::giveDialogKeys (*okButton, *cancelButton);
    setSize (width, height);
}

WriteWarningComponent::~WriteWarningComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
    line1Label.reset();
    line2Label.reset();
    okButton.reset();
    cancelButton.reset();
    dontConfirmToggle.reset();
}

void WriteWarningComponent::paint (juce::Graphics& g)
{
    g.fillAll (background);
}

void WriteWarningComponent::resized()
{
    line1Label->setBounds (16, 16, 424, 16);
    line2Label->setBounds (16, 40, 424, 16);
    okButton->setBounds (368, 72, 72, 24);
    cancelButton->setBounds (288, 72, 72, 24);
    dontConfirmToggle->setBounds (16, 72, 256, 24);
}

void WriteWarningComponent::buttonClicked (juce::Button* button)
{
    x48305_ui::answerOkOrCancel (*this, button, *okButton, *cancelButton, [this] { saveToPreferences(); });
}

void WriteWarningComponent::saveToPreferences()
{
    saveWarningChoice (*dontConfirmToggle);
}

//==============================================================================
WriteUserDataWarningComponent::WriteUserDataWarningComponent()
    : messageLabel (addChild<juce::Label> (*this, lookAndFeel, *this, "messageLabel")),
      okButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "okButton")),
      cancelButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "cancelButton")),
      dontConfirmToggle (addChild<juce::ToggleButton> (*this, lookAndFeel, *this, "dontConfirmToggle"))
{
    // The line texts carry their own line breaks.
    juce::String message;
    for (auto* key : { "WriteUserDataWarningDialogLine1", "WriteUserDataWarningDialogLine2",
                       "WriteUserDataWarningDialogLine3", "WriteUserDataWarningDialogLine4" })
        message += getLocalizedText (key);
    styleMessage (*messageLabel, message, juce::Justification::topLeft);

    okButton->setButtonText (getLocalizedText ("WriteUserDataWarningDialogOk"));
    x48305_ui::styleDialogButton (*okButton, buttonColour, buttonOnColour);
    cancelButton->setButtonText (getLocalizedText ("CommonCancel"));
    x48305_ui::styleDialogButton (*cancelButton, buttonOnColour, lookAndFeel.findColour (juce::TextButton::buttonOnColourId));

    styleToggle (*dontConfirmToggle, "WriteUserDataWarningDialogDontConfirmNext");
    x48305_ui::giveDialogKeys (*okButton, *cancelButton);
    setSize (width, height);
}

WriteUserDataWarningComponent::~WriteUserDataWarningComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
    messageLabel.reset();
    okButton.reset();
    cancelButton.reset();
    dontConfirmToggle.reset();
}

void WriteUserDataWarningComponent::paint (juce::Graphics& g)
{
    g.fillAll (background);
}

void WriteUserDataWarningComponent::resized()
{
    messageLabel->setBounds (16, 16, 504, 112);
    okButton->setBounds (318, 139, 127, 24);
    cancelButton->setBounds (453, 139, 72, 24);
    dontConfirmToggle->setBounds (17, 139, 256, 24);
}

void WriteUserDataWarningComponent::buttonClicked (juce::Button* button)
{
    x48305_ui::answerOkOrCancel (*this, button, *okButton, *cancelButton, [this] { saveToPreferences(); });
}

void WriteUserDataWarningComponent::saveToPreferences()
{
    saveWarningChoice (*dontConfirmToggle);
}
