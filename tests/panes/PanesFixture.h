#pragma once

#include "action/ApplicationUndoManager.h"
#include "library/DataCenter.h"
#include "ui/LeftPaneComponent.h"
#include "ui/RightPaneComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace panestest
{
x48305_data::LibraryData& library();
x48305_data::UserData& units();
application::ApplicationUndoManager& undoManager();

// A library of programs named "Prog NNN" with an empty live set; no undo
// history, not edited, no current program.
void resetLibrary();

// The name a library program has, without its padding.
std::string nameOf (int program);

// Undo steps as the user sees them: after a first edit, one named step, whose
// undo leaves the first edit in place.
void makeEarlierEdit();
void expectOneUndoStep (const juce::String& name);

// The PROGRAM tab as the main window lays it out: the program list above the
// right pane, in one component that carries drags between them.
class ProgramTab : public juce::Component, public juce::DragAndDropContainer
{
public:
    ProgramTab();
    void resized() override;

    LeftPaneComponent left;
    RightPaneComponent right;
};

// A window on the desktop showing a component at its own size; the window is
// closed (and the component deleted) first when the object goes.
class ShownWindow
{
public:
    ShownWindow (std::unique_ptr<juce::Component> content, juce::Point<int> topLeft, const juce::String& title);
    ~ShownWindow();

    juce::Component& content() { return *contentComponent; }
    juce::DocumentWindow& window() { return *documentWindow; }

private:
    std::unique_ptr<juce::Component> contentComponent;
    std::unique_ptr<juce::DocumentWindow> documentWindow;
};

} // namespace panestest
