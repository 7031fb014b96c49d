#include "ui/PresetTreeItems.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "ui/DragItems.h"
#include "ui/FontLibrary.h"
#include "ui/PresetItemPacking.h"

namespace x48305_ui
{
int getPresetListRowHeight()
{
    const auto height = x48305_preferences::PreferencesData::getInstance()->getInt (
        x48305_preferences::keys::programListHeight, 0);
    return juce::jmax (0, height);
}

int getNumShownPrograms (int numOfProg)
{
    constexpr int allPrograms = x48305_data::PresetData::numPrograms;
    return numOfProg >= 1 && numOfProg <= allPrograms ? numOfProg : allPrograms;
}
} // namespace x48305_ui

namespace
{
const x48305_data::PresetData& presetAt (int presetIndex)
{
    return x48305_data::DataCenter::getInstance()->getPresetLibrary().getPreset (presetIndex);
}

void paintRowText (juce::Graphics& g, const juce::String& text, int width, int height)
{
    g.setFont (ui::FontLibrary::getInstance()->getFont ("PresetListItemProgram"));
    g.setColour (juce::Colour (0xffd3d3d3));
    g.drawText (text, 5, 0, width - 5, height, juce::Justification::centredLeft, true);
}
} // namespace

PresetRootItem::PresetRootItem (int presetIndexToShow) : presetIndex (presetIndexToShow)
{
}

bool PresetRootItem::mightContainSubItems() { return true; }

juce::String PresetRootItem::getUniqueName() const
{
    return presetAt (presetIndex).getInformation().DataID;
}

int PresetRootItem::getItemHeight() const { return x48305_ui::getPresetListRowHeight(); }

bool PresetRootItem::canBeSelected() const { return true; }

void PresetRootItem::paintItem (juce::Graphics& g, int width, int height)
{
    paintRowText (g, presetAt (presetIndex).getInformation().Name, width, height);
}

PresetDataItem::PresetDataItem (int presetIndexToShow, int programIndexToShow)
    : presetIndex (presetIndexToShow), programIndex (programIndexToShow)
{
}

bool PresetDataItem::mightContainSubItems() { return false; }

juce::String PresetDataItem::getUniqueName() const
{
    return "Preset:" + juce::String (presetIndex) + "-" + juce::String (programIndex);
}

int PresetDataItem::getItemHeight() const { return x48305_ui::getPresetListRowHeight(); }

bool PresetDataItem::canBeSelected() const { return true; }

juce::String PresetDataItem::getText() const
{
    const auto name = presetAt (presetIndex).getProgram (programIndex).getName();
    return juce::String::formatted ("[%03d] ", programIndex + 1) + juce::String (name.c_str());
}

void PresetDataItem::paintItem (juce::Graphics& g, int width, int height)
{
    if (isSelected())
        g.fillAll (juce::Colour (0xff333333));
    paintRowText (g, getText(), width, height);
}

void PresetDataItem::itemSelectionChanged (bool isNowSelected)
{
    if (isNowSelected)
        x48305_data::CurrentProgramData::getInstance()->selectPresetProgram (presetIndex, programIndex);
}

juce::var PresetDataItem::getDragSourceDescription()
{
    auto* tree = getOwnerView();
    if (tree == nullptr)
        return {};

    ui::PresetDataDragItem dragged (ui::dragtypes::presetData);
    for (int i = 0; i < tree->getNumSelectedItems(); ++i)
        if (auto* program = dynamic_cast<PresetDataItem*> (tree->getSelectedItem (i)))
        {
            const auto packed = ui::packPresetItem (program->presetIndex, program->programIndex);
            if (packed >= 0)
                dragged.add (packed);
        }

    return dragged.count() > 0 ? dragged.toVar() : juce::var();
}
