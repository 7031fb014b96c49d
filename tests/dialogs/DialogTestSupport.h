#pragma once

#include "support/ModalDialogDriver.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace dialogtest
{
// Shows the content in a modal dialog as the program does, lets the action
// act on it from inside the modal loop, and returns the dialog's result.
int runDialog (juce::Component& content, const juce::String& title, testsupport::ModalDialogDriver::Action action);

// An action that writes a snapshot of the whole dialog window.
testsupport::ModalDialogDriver::Action snapshot (const juce::String& name);

// An action that types the text into the content's descendant of that name.
testsupport::ModalDialogDriver::Action typeInto (const juce::String& componentName, const juce::String& text);

// Runs all actions in order.
testsupport::ModalDialogDriver::Action inOrder (std::vector<testsupport::ModalDialogDriver::Action> actions);

// Every one-line caption of the content's labels, toggles and buttons fits
// its bounds in the font it is drawn with, except the named children. The
// framework narrows a caption that is too wide down to 70 per cent and cuts
// it off beyond that; a caption narrowed by more than a quarter fails.
void expectCaptionsFit (juce::Component& content, const juce::StringArray& except = {});

// The framework's translations of the interface language for the scope, as
// start-up installs them (Japanese only); cleared afterwards.
class ScopedFrameworkTranslations
{
public:
    ScopedFrameworkTranslations();
    ~ScopedFrameworkTranslations();
};

// Fonts as start-up sets them; no dialog open before or after a test.
class DialogTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};
} // namespace dialogtest
