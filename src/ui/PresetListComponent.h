#pragma once

#include "action/PresetDataChangeBroadcasterObserver.h"
#include "application/PreferencesDataChangeBroadcasterObserver.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/TreeViewHoverReset.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The content of the preset window: the installed presets as a tree, one
// closed row per preset with one row per program below it. Programs are
// dragged from here onto the program list, so this is the drag container of
// the tree. A change of the preset store or of the preferences (the row
// height) builds the tree anew; selection and open rows are not kept.
class PresetListComponent : public juce::Component,
                            public data::PresetDataChangeBroadcasterObserver,
                            public juce::DragAndDropContainer,
                            public application::PreferencesDataChangeBroadcasterObserver
{
public:
    // The hidden root above the preset rows.
    class RootItem : public juce::TreeViewItem
    {
    public:
        bool mightContainSubItems() override { return true; }
    };

    PresetListComponent();
    ~PresetListComponent() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    void presetDataChanged() override;
    void preferencesDataChanged() override;

    juce::TreeView& getTreeView() { return *treeView; }

    static constexpr int defaultWidth = 250;
    static constexpr int defaultHeight = 500;

private:
    static std::unique_ptr<RootItem> buildTree();
    void rebuildTree();

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    std::unique_ptr<RootItem> rootItem;
    std::unique_ptr<juce::TreeView> treeView;
    std::unique_ptr<ui::TreeViewHoverReset> hoverReset;

    JUCE_DECLARE_NON_COPYABLE (PresetListComponent)
};
