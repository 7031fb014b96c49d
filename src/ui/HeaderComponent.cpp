#include "ui/HeaderComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "application/ApplicationCommandIDs.h"
#include "application/ApplicationMenuManager.h"
#include "resources/InterfaceImages.h"
#include "ui/FontLibrary.h"

const std::array<HeaderComponent::ButtonSpec, HeaderComponent::numButtons>& HeaderComponent::getButtonSpecs()
{
    using namespace x48305_menu;
    static const std::array<ButtonSpec, numButtons> specs { {
        { "SEND ALL", commandMidiWriteLibrary, { 640, 18, 80, 24 } },
        { "SEND", commandMidiWriteProgram, { 548, 17, 80, 24 } },
        { "RECEIVE", commandMidiReceiveProgram, { 548, 43, 80, 24 } },
        { "RECEIVE ALL", commandMidiReceiveLibrary, { 640, 43, 80, 24 } },
        { "SEND ALL", commandMidiWriteUserData, { 761, 18, 80, 24 } },
        { "RECEIVE ALL", commandMidiReceiveUserData, { 761, 43, 80, 24 } },
    } };
    return specs;
}

HeaderComponent::HeaderComponent()
    : decoration (x48305_ui::InterfaceImages::headerDecoration()),
      bezel (x48305_ui::InterfaceImages::displayBezel()),
      userOscFxCaption (x48305_ui::InterfaceImages::userOscFxCaption()),
      programsCaption (x48305_ui::InterfaceImages::programsCaption())
{
    addAndMakeVisible (display);
    for (size_t i = 0; i < buttons.size(); ++i)
    {
        buttons[i] = std::make_unique<ui::ImageTextButton> ("new button");
        setUpButton (*buttons[i], getButtonSpecs()[i]);
    }

    setSize (1110, 400);
    // The program that is current already when the window opens is shown at
    // once, not only after the next change.
    updateProgramDisplay();
    x48305_data::CurrentProgramData::getInstance()->addListener (this);
    data::DataChangeBroadcaster::getInstance()->addListener (this);
    x48305_ui::RightPanePageModel::getInstance()->addListener (this);
}

HeaderComponent::~HeaderComponent()
{
    x48305_ui::RightPanePageModel::getInstance()->removeListener (this);
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
    x48305_data::CurrentProgramData::getInstance()->removeListener (this);
}

void HeaderComponent::setUpButton (ui::ImageTextButton& button, const ButtonSpec& spec)
{
    addAndMakeVisible (button);
    button.setButtonText (spec.text);
    button.addListener (this);
    button.setImages (false, true, true,
                      x48305_ui::InterfaceImages::headerButtonNormal(), 1.0f, juce::Colour (0x00000000),
                      juce::Image(), 1.0f, juce::Colour (0x25333333),
                      x48305_ui::InterfaceImages::headerButtonPressed(), 1.0f, juce::Colour (0x00ffffff),
                      0.0f);
    button.setTextFont (ui::FontLibrary::getInstance()->getFont ("HeaderModeButton"));
    button.setTextColour (juce::Colour (0xffd3d3d3));
    button.setCommandToTrigger (&x48305_menu::ApplicationMenuManager::getInstance()->getCommandManager(),
                                spec.commandId, false);
}

void HeaderComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
    g.setColour (juce::Colour (0xff000000));
    g.fillRect (glassArea());

    g.drawImage (decoration, decorationArea().toFloat());
    g.drawImage (bezel, bezelArea().toFloat());
    const auto captionPlacement = juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize;
    g.drawImage (userOscFxCaption, userOscFxCaptionArea().toFloat(), captionPlacement);
    g.drawImage (programsCaption, programsCaptionArea().toFloat(), captionPlacement);
}

void HeaderComponent::resized()
{
    display.setBounds (displayArea());
    for (size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds (getButtonSpecs()[i].bounds);
}

std::pair<juce::String, juce::String> HeaderComponent::displayLinesFor (const x48305_data::CurrentProgramData& current)
{
    if (! current.hasCurrentProgram())
        return { "Prog ---", "------------" };

    const auto* prefix = current.getKind() == x48305_data::CurrentProgramData::presetProgram ? "Preset" : "Prog";
    return { prefix + juce::String::formatted (" %03d", current.getProgramNumber() + 1),
             juce::String (current.getProgramData().getName()).trim() };
}

void HeaderComponent::updateProgramDisplay()
{
    const auto lines = displayLinesFor (*x48305_data::CurrentProgramData::getInstance());
    display.setText (lines.first, lines.second);
}
