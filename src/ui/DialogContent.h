#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

namespace x48305_ui
{
// What the contents of the program's modal dialogs share.

// A square-cornered dialog button with white text in both states.
void styleDialogButton (juce::TextButton& button, juce::Colour buttonColour, juce::Colour buttonOnColour);

// The caption of a field: plain 15-point text, centred on its left edge, not
// editable.
std::unique_ptr<juce::Label> makeCaption (const juce::String& name, const juce::String& text);

// A one-line text field that scrolls, shows its caret and offers the editing
// menu.
std::unique_ptr<juce::TextEditor> makeTextField (const juce::String& name);

// Return (the main key or the keypad's Enter) presses the default button and
// Escape the cancelling one, wherever the keyboard focus is within the
// button's window, before a focused text field or toggle can use the key. A
// dialog with one button passes it for both.
void giveDialogKeys (juce::Button& defaultButton, juce::Button& cancellingButton);

// Return only: Escape keeps closing the window as its close button does.
void giveReturnKey (juce::Button& defaultButton);

// Ends the modal state of the dialog window that holds the content with the
// result; does nothing when the content sits in no dialog window.
void endEnclosingDialog (juce::Component& content, int result);

// The OK and Cancel buttons of a dialog's content: OK runs onOk and ends the
// dialog with 1, Cancel runs onCancel and ends it with 0. Any other button
// does nothing here; the result says whether it was one of the two.
bool answerOkOrCancel (juce::Component& content, const juce::Button* clicked, const juce::Button& ok,
                       const juce::Button& cancel, const std::function<void()>& onOk,
                       const std::function<void()>& onCancel = {});

// Takes the look-and-feel off every child, so that none points at it when
// the content's own instance goes.
void releaseLookAndFeelOfChildren (juce::Component& content);

// Shows the content in a modal dialog the way the program shows every
// dialog: the title, a white frame, Escape closes, not resizable. Returns the
// result with which the dialog ended (0 for Escape and the close button).
// The caller keeps the content and guards the modal state.
int runModalDialog (const juce::String& title, juce::Component& content);

// As runModalDialog, with the modal-dialog flag held while the dialog shows.
// While another dialog is open nothing shows and the result is 0 (Cancel).
int runGuardedModalDialog (const juce::String& title, juce::Component& content);
} // namespace x48305_ui
