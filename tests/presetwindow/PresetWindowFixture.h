#pragma once

#include "library/PresetData.h"
#include "ui/PresetTreeItems.h"
#include "ui/PresetWindowManager.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <string>
#include <vector>

namespace presetwindowtest
{
// The factory preset library as the store installs it.
const x48305_data::PresetData& factoryPreset();

// A preset that shows numOfProg in its information and names every program
// "<marker> <number>".
x48305_data::PresetData makePreset (const juce::String& dataID, const juce::String& name, int numOfProg,
                                    const std::string& marker);

// The three presets of every test, in this order in the data store: the
// factory library (NumOfProg 250), one with NumOfProg 0 and one with 600.
enum PresetIndex
{
    factory = 0,
    zeroPrograms = 1,
    sixHundredPrograms = 2
};

// Every test starts with the preset window closed, nothing stored for its
// bounds but the -1 positions, rows of 25 pixels, the presets above,
// library program 0 current and selected, and a background sender that keeps
// what it is handed.
class PresetWindowTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static x48305_ui::PresetWindowManager& manager() { return *x48305_ui::PresetWindowManager::getInstance(); }

    // Opens the window through the manager and lets it settle.
    x48305_ui::PresetWindow& openWindow();

    juce::TreeView& tree();

    // The row of a preset, and the row of one of its programs.
    PresetRootItem& presetRow (int presetIndex);
    PresetDataItem& programRow (int presetIndex, int programIndex);

    // A real click on the open/close box of a preset row.
    void clickOpenBox (PresetRootItem& row);

    // A real click on the text of a row.
    void clickRow (juce::TreeViewItem& row);

    // Presses a key in the tree, as the window hands it to the focused tree.
    // It goes to the tree itself: other test programs on the same display
    // take the window system's focus at any moment.
    bool pressKeyInTree (const juce::KeyPress& key);

    // Where the middle of a row's text lies in the tree view.
    juce::Point<float> rowCentre (juce::TreeViewItem& row);

    // A row's own area in the tree view (without the rows below it).
    static juce::Rectangle<int> rowArea (juce::TreeViewItem& row);

    std::vector<std::vector<juce::uint8>> sent;
};
} // namespace presetwindowtest
