#include "ui/AboutComponent.h"

#include "resources/InterfaceImages.h"
#include "ui/DialogContent.h"

namespace
{
std::unique_ptr<juce::Label> makeLabel (const juce::String& text, juce::Justification justification)
{
    auto label = std::make_unique<juce::Label> ("new label", text);
    label->setFont (juce::Font (15.0f, juce::Font::plain));
    label->setJustificationType (justification);
    label->setEditable (false, false, false);
    label->setColour (juce::Label::textColourId, juce::Colours::white);
    label->setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label->setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
    // A click on the lines closes the box like a click on the picture.
    label->setInterceptsMouseClicks (false, false);
    return label;
}
} // namespace

AboutComponent::AboutComponent()
    : versionLabel (makeLabel ("version: 0.0.0", juce::Justification::centredRight)),
      copyrightLabel (makeLabel (juce::String::fromUTF8 (copyrightLine), juce::Justification::centredLeft))
{
    addAndMakeVisible (*versionLabel);
    addAndMakeVisible (*copyrightLabel);

    backgroundImage = x48305_ui::InterfaceImages::aboutPicture();
    versionLabel->setText ("version: " + applicationVersion(), juce::dontSendNotification);
    setSize (width, height);
}

AboutComponent::~AboutComponent() = default;

juce::String AboutComponent::applicationVersion()
{
    if (auto* application = juce::JUCEApplicationBase::getInstance())
        return application->getApplicationVersion();
    return JUCE_APPLICATION_VERSION_STRING;
}

void AboutComponent::mouseDown (const juce::MouseEvent&)
{
    x48305_ui::endEnclosingDialog (*this, 0);
}

void AboutComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.drawImage (backgroundImage, juce::Rectangle<float> (0.0f, 0.0f, (float) width, (float) height),
                 juce::RectanglePlacement::stretchToFit);
}

void AboutComponent::resized()
{
    versionLabel->setBounds (344, 368, 246, 24);
    copyrightLabel->setBounds (16, 368, 280, 24);
}
