#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The rows of the preset window's tree: one per installed preset, opening to
// one per program of that preset. Both read the data store's preset library
// when they paint, so they never hold a copy of its data.

// A preset: shows its name and opens to its programs.
class PresetRootItem : public juce::TreeViewItem
{
public:
    explicit PresetRootItem (int presetIndex);

    bool mightContainSubItems() override;
    juce::String getUniqueName() const override;
    int getItemHeight() const override;
    bool canBeSelected() const override;
    void paintItem (juce::Graphics&, int width, int height) override;

    int getPresetIndex() const { return presetIndex; }

private:
    int presetIndex;

    JUCE_DECLARE_NON_COPYABLE (PresetRootItem)
};

// One program of a preset: "[001] NAME". Selecting it makes that program the
// current one; dragging it carries the selected programs of the tree.
class PresetDataItem : public juce::TreeViewItem
{
public:
    PresetDataItem (int presetIndex, int programIndex);

    bool mightContainSubItems() override;
    juce::String getUniqueName() const override;
    int getItemHeight() const override;
    bool canBeSelected() const override;
    void paintItem (juce::Graphics&, int width, int height) override;
    void itemSelectionChanged (bool isNowSelected) override;

    // Every selected program row of the tree, in the tree's order, as packed
    // preset items; selected preset rows are left out. Nothing (no drag) when
    // no program row is selected.
    juce::var getDragSourceDescription() override;

    int getPresetIndex() const { return presetIndex; }
    int getProgramIndex() const { return programIndex; }

    // "[%03d] " with the program's number counted from 1, then its name.
    juce::String getText() const;

private:
    int presetIndex;
    int programIndex;

    JUCE_DECLARE_NON_COPYABLE (PresetDataItem)
};

namespace x48305_ui
{
// The row height of the preset tree: the program list's row height from the
// preferences. A hand-edited negative value gives rows of no height rather
// than a broken layout.
int getPresetListRowHeight();

// How many program rows a preset shows: its NumOfProg when that lies in
// 1 to 500, otherwise all 500.
int getNumShownPrograms (int numOfProg);
} // namespace x48305_ui
