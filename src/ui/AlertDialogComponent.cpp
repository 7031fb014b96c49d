#include "ui/AlertDialogComponent.h"

#include "application/CPXWResource.h"
#include "ui/DialogContent.h"

AlertDialogComponent::AlertDialogComponent (int kindToShow, const juce::String& messageToShow)
    : kind (juce::jlimit ((int) AlertDialogComponent::message, (int) yesNoCancel, kindToShow)),
      messageText (messageToShow),
      messageEditor (std::make_unique<juce::TextEditor> ("message")),
      firstButton (std::make_unique<juce::TextButton> ("yes")),
      secondButton (std::make_unique<juce::TextButton> ("no")),
      thirdButton (std::make_unique<juce::TextButton> ("cancel"))
{
    auto& editor = *messageEditor;
    editor.setMultiLine (true, true);
    editor.setReturnKeyStartsNewLine (false);
    editor.setReadOnly (true);
    editor.setScrollbarsShown (false);
    editor.setCaretVisible (false);
    editor.setPopupMenuEnabled (false);
    editor.setColour (juce::TextEditor::textColourId, juce::Colour (0xffffffff));
    editor.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00ffffff));
    editor.setColour (juce::TextEditor::highlightColourId, juce::Colour (0x40ffffff));
    editor.setColour (juce::TextEditor::shadowColourId, juce::Colour (0x00000000));
    editor.setLookAndFeel (&lookAndFeel);
    addAndMakeVisible (editor);

    styleButton (*firstButton, 0x49666666);
    styleButton (*secondButton, 0x49333333);
    styleButton (*thirdButton, 0x49666666);

    editor.setText (messageText, false);

    switch (kind)
    {
        case message:
            firstButton->setButtonText (getLocalizedText ("CommonOK"));
            secondButton->setVisible (false);
            thirdButton->setVisible (false);
            x48305_ui::giveDialogKeys (*firstButton, *firstButton);
            break;
        case okCancel:
            firstButton->setButtonText (getLocalizedText ("CommonOK"));
            secondButton->setVisible (false);
            thirdButton->setButtonText (getLocalizedText ("CommonCancel"));
            x48305_ui::giveDialogKeys (*firstButton, *thirdButton);
            break;
        default:
            firstButton->setButtonText (getLocalizedText ("CommonYes"));
            secondButton->setButtonText (getLocalizedText ("CommonNo"));
            thirdButton->setButtonText (getLocalizedText ("CommonCancel"));
            x48305_ui::giveDialogKeys (*firstButton, *thirdButton);
            break;
    }

    // Lay out at the standard size first: the text's height depends on the
    // editor's width. Then grow so that the buttons sit below the text.
    setSize (defaultWidth, 120);
    textHeight = messageEditor->getTextHeight();

    // The editor clips its text at the bottom of the last line's box, and the
    // interface typeface's descenders (g, y, p) reach below that box. A
    // trailing line break gives the last line room below it; the layout keeps
    // using the height of the message itself.
    editor.setText (messageText + "\n", false);

    setSize (defaultWidth, messageEditor->getY() + textHeight + 41 + firstButton->getHeight());
}

AlertDialogComponent::~AlertDialogComponent()
{
    x48305_ui::releaseLookAndFeelOfChildren (*this);
}

void AlertDialogComponent::styleButton (juce::TextButton& button, juce::uint32 buttonColour)
{
    x48305_ui::styleDialogButton (button, juce::Colour (buttonColour), juce::Colour (0x69999999));
    button.setLookAndFeel (&lookAndFeel);
    button.addListener (this);
    addAndMakeVisible (button);
}

int AlertDialogComponent::messageTextHeight() const
{
    return textHeight > 0 ? textHeight : messageEditor->getTextHeight();
}

juce::String AlertDialogComponent::getMessage() const
{
    return messageText;
}

void AlertDialogComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff333333));
}

void AlertDialogComponent::resized()
{
    const auto height = messageTextHeight();

    // The editor keeps its height for a short text and grows with a long one:
    // the dialog grows to make room for the text, and a fixed editor would
    // cut off the lines below its bottom edge. The text height counts the
    // indent above the first line; the same room below shows the last line's
    // descenders. Without scroll bars the editor does not scroll.
    const auto wholeText = height + messageEditor->getTopIndent() + messageEditor->getBorder().getTopAndBottom();
    messageEditor->setBounds (margin, margin, 384, juce::jmax (messageHeight, wholeText));

    const auto right = messageEditor->getRight();
    const auto y = height + margin + 25;
    const auto place = [y] (juce::TextButton& b, int x) { b.setBounds (x, y, buttonWidth, buttonHeight); };

    place (*firstButton, margin);
    place (*secondButton, 106);
    place (*thirdButton, getWidth() - 104);

    switch (kind)
    {
        case yesNoCancel:
            place (*firstButton, margin);
            place (*secondButton, 120);
            place (*thirdButton, right - buttonWidth);
            break;
        case okCancel:
            place (*firstButton, right - buttonWidth);
            place (*thirdButton, right - buttonWidth - 104);
            break;
        default:
            place (*firstButton, right - buttonWidth);
            break;
    }
}

void AlertDialogComponent::buttonClicked (juce::Button* button)
{
    int result = 0;
    if (button == firstButton.get())
        result = 1;
    else if (button == secondButton.get())
        result = 2;

    x48305_ui::endEnclosingDialog (*this, result);
}
