#include "ui/PresetListComponent.h"

#include "action/PresetDataChangeBroadcaster.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "library/DataCenter.h"
#include "ui/PresetTreeItems.h"

PresetListComponent::PresetListComponent()
    : rootItem (buildTree()),
      treeView (std::make_unique<juce::TreeView> ("Preset List")),
      hoverReset (std::make_unique<ui::TreeViewHoverReset> (*treeView))
{
    auto& tree = *treeView;
    addAndMakeVisible (tree);
    tree.setRootItemVisible (false);
    tree.setColour (juce::TreeView::backgroundColourId, juce::Colour (0xff111111));
    tree.setColour (juce::TreeView::linesColourId, juce::Colour (0x80ffffff));
    // The framework's faint thumb vanishes on the dark ground.
    tree.setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xff666666));
    tree.setRootItem (rootItem.get());
    tree.setLookAndFeel (&lookAndFeel);
    tree.setMultiSelectEnabled (true);

    setSize (defaultWidth, defaultHeight);

    data::PresetDataChangeBroadcaster::getInstance()->addListener (this);
    application::PreferencesDataChangeBroadcaster::getInstance()->addListener (this);
}

PresetListComponent::~PresetListComponent()
{
    data::PresetDataChangeBroadcaster::getInstance()->removeListener (this);
    application::PreferencesDataChangeBroadcaster::getInstance()->removeListener (this);

    treeView->setRootItem (nullptr);
    hoverReset.reset();
    treeView->setLookAndFeel (nullptr);
    treeView.reset();
    rootItem.reset();
}

std::unique_ptr<PresetListComponent::RootItem> PresetListComponent::buildTree()
{
    auto root = std::make_unique<RootItem>();
    const auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();
    for (int p = 0; p < presets.getNumPresets(); ++p)
    {
        auto preset = std::make_unique<PresetRootItem> (p);
        const auto shown = x48305_ui::getNumShownPrograms (presets.getPreset (p).getInformation().NumOfProg);
        for (int q = 0; q < shown; ++q)
            preset->addSubItem (new PresetDataItem (p, q));
        root->addSubItem (preset.release());
    }
    return root;
}

void PresetListComponent::rebuildTree()
{
    treeView->setRootItem (nullptr);
    rootItem = buildTree();
    treeView->setRootItem (rootItem.get());
}

void PresetListComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void PresetListComponent::resized()
{
    hoverReset->reset();
    treeView->setBounds (getLocalBounds());
}

void PresetListComponent::presetDataChanged()
{
    rebuildTree();
}

void PresetListComponent::preferencesDataChanged()
{
    rebuildTree();
}
