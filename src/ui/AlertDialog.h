#pragma once

#include <juce_core/juce_core.h>

// The three standard alerts, each a modal dialog with an already localised
// title and message. None opens while another modal dialog is open: the
// caller then gets 0 or false, which every caller treats as Cancel.
class AlertDialog
{
public:
    // A message with one OK button.
    void showMessage (const juce::String& title, const juce::String& message);

    // True only for OK; Cancel, Escape and the close button give false.
    bool showOkCancel (const juce::String& title, const juce::String& message);

    // 1 Yes, 2 No, 0 Cancel, Escape, the close button or not shown.
    int showYesNoCancel (const juce::String& title, const juce::String& message);

private:
    int show (int kind, const juce::String& title, const juce::String& message);
};
