#pragma once

#include "action/ApplicationUndoManager.h"
#include "library/DataCenter.h"
#include "support/OtherWindow.h"
#include "ui/LeftPaneComponent.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace programlisttest
{
// The bytes of a library that matter to the user: every record and the live
// set, in order.
std::vector<std::uint8_t> libraryImage();

// Program r of the test library: named "Prog NNN" (r in three digits), with
// category r % 9, timbre type r % 3, wave 1 r % 3, wave 2 (r + 1) % 3, multi
// type r % 3 and the Like bytes of likeBytesFor (r).
x48305_data::ProgramData makeProgram (int r);
std::vector<int> likeBytesFor (int r);

// The name a program has in the store, without its padding.
std::string nameOf (int program);
std::string presetProgramName (int preset, int program);

// A program list on the desktop over a fresh test library, a live set, and
// 66 installed presets (so that presets past 63 exist), with row 0 selected
// and the background send recorded.
class ProgramListTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    ProgramListComponent& list() { return *pane->getProgramListComponent(); }
    ui::DraggableTableListBox& box() { return list().getListBox(); }
    application::ApplicationUndoManager& undoManager() { return *application::ApplicationUndoManager::getInstance(); }
    x48305_data::LibraryData& library() { return x48305_data::DataCenter::getInstance()->getLibraryData(); }

    // The centre of a cell, in the list's coordinates; the row is scrolled
    // into view first.
    juce::Point<float> cellCentre (int row, int columnId);
    // A point in the gap above a row (its top edge), in the list's coordinates.
    juce::Point<float> gapAbove (int row);
    juce::Rectangle<int> rowBounds (int row);

    // Clicks a cell with the keys held.
    void clickCell (int row, int columnId, juce::ModifierKeys held = {});

    // Presses on one cell and drags to a point of the list, holding the
    // mouse there until release() (so the test can look mid-drag).
    void pressAndDragTo (int row, int columnId, juce::Point<float> to);
    void release();

    // A first edit, so that a test can check that undoing its own edit keeps
    // the one before it.
    void makeEarlierEdit();
    // One undo gives back exactly the image before the named edit, and the
    // earlier edit is still there to be undone.
    void expectUndoRestores (const juce::String& transactionName, const std::vector<std::uint8_t>& before);

    std::vector<int> selectedRows();

    // The list as the screen shows it now: with the drag image (a window of
    // its own) drawn where it floats.
    juce::Image screenOfList();
    // A pixel of screenOfList() in the filler column (where no text is
    // drawn) of a row, at a height within the row.
    juce::Colour fillerPixel (const juce::Image& screen, int row, int yInRow);
    std::vector<std::string> sent;

    std::unique_ptr<LeftPaneComponent> pane;
    std::unique_ptr<juce::DocumentWindow> window;

private:
    juce::Point<float> lastDragPoint;
};

using testsupport::OtherWindow;
} // namespace programlisttest
