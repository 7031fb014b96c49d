#include "ui/ProgramListItemComponents.h"

#include "ui/ProgramNameText.h"

#include <algorithm>

namespace
{
constexpr int itemWidth = 220;
const juce::Colour unselectedNameColour (0xffd3d3d3);
const juce::Colour selectedNameColour (0xffffffff);
} // namespace

void ProgramListItemMouseListenerHolder::addItemMouseListener (ProgramListItemMouseListener* listener)
{
    itemMouseListeners.push_back (listener);
}

void ProgramListItemMouseListenerHolder::removeItemMouseListener (ProgramListItemMouseListener* listener)
{
    auto it = std::find (itemMouseListeners.begin(), itemMouseListeners.end(), listener);
    if (it != itemMouseListeners.end())
        itemMouseListeners.erase (it);
}

// A listener may remove itself (or the cell may be refreshed) during a call,
// so each pass works on a copy of the list.
void ProgramListItemMouseListenerHolder::sendMouseDown (juce::Component* source, const juce::MouseEvent& event)
{
    for (auto* listener : std::vector<ProgramListItemMouseListener*> (itemMouseListeners))
        listener->itemMouseDown (source, event);
}

void ProgramListItemMouseListenerHolder::sendMouseUp (juce::Component* source, const juce::MouseEvent& event)
{
    for (auto* listener : std::vector<ProgramListItemMouseListener*> (itemMouseListeners))
        listener->itemMouseUp (source, event);
}

void ProgramListItemMouseListenerHolder::sendMouseDrag (juce::Component* source, const juce::MouseEvent& event)
{
    for (auto* listener : std::vector<ProgramListItemMouseListener*> (itemMouseListeners))
        listener->itemMouseDrag (source, event);
}

ProgramListItemLabel::ProgramListItemLabel() : juce::Label ({}, {})
{
    setSize (itemWidth, 25);
    // The painted cell text below lies at the cell's left edge; the label
    // draws over it exactly, so neither shows as a ghost of the other. On the
    // right, a squeezed name keeps a little room before the next column.
    setBorderSize ({ 0, 0, 0, 4 });
    setColour (juce::Label::textColourId, juce::Colour (0xff808080));
    setColour (juce::Label::backgroundColourId, juce::Colour (0x00000000));
    setColour (juce::Label::outlineColourId, juce::Colour (0x00000000));
    setEditable (false, true, true);
}

void ProgramListItemLabel::setSelected (bool isSelected)
{
    selected = isSelected;
    applyTextColour();
}

void ProgramListItemLabel::applyTextColour()
{
    setColour (juce::Label::textColourId, selected ? selectedNameColour : unselectedNameColour);
}

void ProgramListItemLabel::mouseDown (const juce::MouseEvent& event)
{
    juce::Label::mouseDown (event);
    sendMouseDown (this, event);
}

void ProgramListItemLabel::mouseUp (const juce::MouseEvent& event)
{
    juce::Label::mouseUp (event);
    sendMouseUp (this, event);
}

void ProgramListItemLabel::mouseDrag (const juce::MouseEvent& event)
{
    juce::Label::mouseDrag (event);
    sendMouseDrag (this, event);
}

void ProgramListItemLabel::editorShown (juce::TextEditor* editor)
{
    editor->setColour (juce::TextEditor::textColourId, juce::Colour (0xffffffff));
    editor->setColour (juce::TextEditor::highlightColourId, juce::Colour (0xff555555));
    editor->setColour (juce::TextEditor::highlightedTextColourId, juce::Colour (0xffffffff));
    for (auto id : { juce::TextEditor::backgroundColourId, juce::TextEditor::outlineColourId,
                     juce::TextEditor::focusedOutlineColourId, juce::TextEditor::shadowColourId })
        editor->setColour (id, juce::Colour (0x00000000));
    editor->applyColourToAllText (juce::Colour (0xffffffff));
    // The record pads a name with spaces to its 12 characters: the padding is
    // no part of what the user edits, and would leave no room to type.
    editor->setText (editor->getText().trimEnd(), false);
    editor->selectAll();
    ui::restrictToProgramName (*editor);
}

void ProgramListItemLabel::editorAboutToBeHidden (juce::TextEditor*)
{
    applyTextColour();
}

ProgramListItemComponentWrapper::ProgramListItemComponentWrapper()
{
    setSize (itemWidth, 25);
    addAndMakeVisible (label);
    label.addItemMouseListener (this);
}

ProgramListItemComponentWrapper::~ProgramListItemComponentWrapper()
{
    label.removeItemMouseListener (this);
}

// The label never reaches past the cell: a name wider than the column is
// then squeezed or shortened with an ellipsis by the label, not cut off at
// the column's edge.
void ProgramListItemComponentWrapper::resized()
{
    label.setBounds (getLocalBounds());
}

void ProgramListItemComponentWrapper::setRow (int newRow)
{
    row = newRow;
    label.setRow (newRow);
}

void ProgramListItemComponentWrapper::setSelected (bool isSelected)
{
    selected = isSelected;
    label.setSelected (isSelected);
}

void ProgramListItemComponentWrapper::itemMouseDown (juce::Component*, const juce::MouseEvent& event)
{
    sendMouseDown (this, event);
}

void ProgramListItemComponentWrapper::itemMouseUp (juce::Component*, const juce::MouseEvent& event)
{
    sendMouseUp (this, event);
}

void ProgramListItemComponentWrapper::itemMouseDrag (juce::Component*, const juce::MouseEvent& event)
{
    sendMouseDrag (this, event);
}
