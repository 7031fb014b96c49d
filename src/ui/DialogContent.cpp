#include "ui/DialogContent.h"

#include "ui/ModalDialogGuard.h"

namespace x48305_ui
{
void styleDialogButton (juce::TextButton& button, juce::Colour buttonColour, juce::Colour buttonOnColour)
{
    button.setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                              | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    button.setColour (juce::TextButton::buttonColourId, buttonColour);
    button.setColour (juce::TextButton::buttonOnColourId, buttonOnColour);
    button.setColour (juce::TextButton::textColourOffId, juce::Colours::white);
    button.setColour (juce::TextButton::textColourOnId, juce::Colours::white);
}

void giveDialogKeys (juce::Button& defaultButton, juce::Button& cancellingButton)
{
    defaultButton.addShortcut (juce::KeyPress (juce::KeyPress::returnKey));
    cancellingButton.addShortcut (juce::KeyPress (juce::KeyPress::escapeKey));
}

void endEnclosingDialog (juce::Component& content, int result)
{
    if (auto* window = content.findParentComponentOfClass<juce::DialogWindow>())
        window->exitModalState (result);
}

bool answerOkOrCancel (juce::Component& content, const juce::Button* clicked, const juce::Button& ok,
                       const juce::Button& cancel, const std::function<void()>& onOk,
                       const std::function<void()>& onCancel)
{
    if (clicked == &ok)
    {
        if (onOk)
            onOk();
        endEnclosingDialog (content, 1);
        return true;
    }
    if (clicked == &cancel)
    {
        if (onCancel)
            onCancel();
        endEnclosingDialog (content, 0);
        return true;
    }
    return false;
}

void releaseLookAndFeelOfChildren (juce::Component& content)
{
    for (auto* child : content.getChildren())
        child->setLookAndFeel (nullptr);
}

int runModalDialog (const juce::String& title, juce::Component& content)
{
    return juce::DialogWindow::showModalDialog (title, &content, nullptr, juce::Colours::white, true, false, false);
}

int runGuardedModalDialog (const juce::String& title, juce::Component& content)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return 0;
    return runModalDialog (title, content);
}
} // namespace x48305_ui
