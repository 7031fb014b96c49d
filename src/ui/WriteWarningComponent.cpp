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
} // namespace

//==============================================================================
WriteConfirmationComponent::WriteConfirmationComponent (const char* okKey, const char* dontConfirmKey)
    : okButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "okButton")),
      cancelButton (addChild<juce::TextButton> (*this, lookAndFeel, *this, "cancelButton")),
      dontConfirmToggle (addChild<juce::ToggleButton> (*this, lookAndFeel, *this, "dontConfirmToggle"))
{
    okButton->setButtonText (getLocalizedText (okKey));
    x48305_ui::styleDialogButton (*okButton, buttonColour, buttonOnColour);
    cancelButton->setButtonText (getLocalizedText ("CommonCancel"));
    x48305_ui::styleDialogButton (*cancelButton, buttonColour, buttonOnColour);

    dontConfirmToggle->setButtonText (getLocalizedText (dontConfirmKey));
    dontConfirmToggle->setColour (juce::ToggleButton::textColourId, juce::Colour (0xff808080));
    dontConfirmToggle->setToggleState (false, juce::dontSendNotification);
    x48305_ui::giveDialogKeys (*okButton, *cancelButton);
}

WriteConfirmationComponent::~WriteConfirmationComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
    okButton.reset();
    cancelButton.reset();
    dontConfirmToggle.reset();
}

std::unique_ptr<juce::Label> WriteConfirmationComponent::addMessage (const char* name, const juce::String& text,
                                                                     juce::Justification justification)
{
    auto label = addChild<juce::Label> (*this, lookAndFeel, *this, name);
    label->setText (text, juce::dontSendNotification);
    label->setFont (ui::FontLibrary::getInstance()->getFont ("DialogText"));
    label->setJustificationType (justification);
    label->setEditable (false, false, false);
    label->setColour (juce::Label::textColourId, juce::Colours::white);
    return label;
}

void WriteConfirmationComponent::paint (juce::Graphics& g)
{
    g.fillAll (background);
}

void WriteConfirmationComponent::buttonClicked (juce::Button* button)
{
    x48305_ui::answerOkOrCancel (*this, button, *okButton, *cancelButton, [this] { saveToPreferences(); });
}

void WriteConfirmationComponent::saveToPreferences()
{
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting,
                                                                 ! dontConfirmToggle->getToggleState());
}

//==============================================================================
WriteWarningComponent::WriteWarningComponent()
    : WriteConfirmationComponent ("CommonOK", "WriteWarningDialogDontConfirmNext"),
      line1Label (addMessage ("line1Label", getLocalizedText ("WriteWarningDialogLine1"), juce::Justification::centredLeft)),
      line2Label (addMessage ("line2Label", getLocalizedText ("WriteWarningDialogLine2"), juce::Justification::centredLeft))
{
    setSize (width, height);
}

void WriteWarningComponent::resized()
{
    line1Label->setBounds (16, 16, 424, 16);
    line2Label->setBounds (16, 40, 424, 16);
    okButton->setBounds (368, 72, 72, 24);
    cancelButton->setBounds (288, 72, 72, 24);
    dontConfirmToggle->setBounds (16, 72, 256, 24);
}

//==============================================================================
namespace
{
// The line texts carry their own line breaks.
juce::String userDataWarningMessage()
{
    juce::String message;
    for (auto* key : { "WriteUserDataWarningDialogLine1", "WriteUserDataWarningDialogLine2",
                       "WriteUserDataWarningDialogLine3", "WriteUserDataWarningDialogLine4" })
        message += getLocalizedText (key);
    return message;
}
} // namespace

WriteUserDataWarningComponent::WriteUserDataWarningComponent()
    : WriteConfirmationComponent ("WriteUserDataWarningDialogOk", "WriteUserDataWarningDialogDontConfirmNext"),
      messageLabel (addMessage ("messageLabel", userDataWarningMessage(), juce::Justification::topLeft))
{
    // Cancel is the lighter button here.
    const auto lookAndFeelOnColour = lookAndFeel.findColour (juce::TextButton::buttonOnColourId);
    x48305_ui::styleDialogButton (*cancelButton, buttonOnColour, lookAndFeelOnColour);
    setSize (width, height);
}

void WriteUserDataWarningComponent::resized()
{
    messageLabel->setBounds (16, 16, 504, 112);
    okButton->setBounds (318, 139, 127, 24);
    cancelButton->setBounds (453, 139, 72, 24);
    dontConfirmToggle->setBounds (17, 139, 256, 24);
}
