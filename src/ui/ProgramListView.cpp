#include "ui/ProgramListView.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/LibraryActions.h"
#include "application/CPXWResource.h"
#include "library/LibraryData.h"
#include "library/ParameterFormatter.h"
#include "library/ParameterTables.h"
#include "library/ParameterValue.h"
#include "ui/FontLibrary.h"
#include "ui/ProgramNameText.h"

#include <array>
#include <cstring>

namespace x48305_ui
{
namespace
{
constexpr int numColumns = 9;
constexpr int numberIndent = 12;

const std::array<ui::ColumnInfo, numColumns> columns { {
    { "", 48, "ProgramListNumber" },
    { "ProgramListColumnProgramName", 180, "ProgramListName" },
    { "ProgramListColumnCategory", 120, "ProgramListCategory" },
    { "ProgramListColumnLike", 48, "ProgramListLike" },
    { "ProgramListColumnTimbType", 120, "ProgramListTimbType" },
    { "ProgramListColumnVco1Wave", 80, "ProgramListVco1Wave" },
    { "ProgramListColumnVco2Wave", 80, "ProgramListVco2Wave" },
    { "ProgramListColumnMultiType", 120, "ProgramListMultiType" },
    { "", 100, "" },
} };

// {section, index} of the parameter a column shows.
bool parameterOfColumn (int columnId, int& section, int& index)
{
    switch (columnId)
    {
        case ProgramListView::categoryColumn: section = 0; index = 25; return true;
        case ProgramListView::timbreTypeColumn: section = 0; index = 19; return true;
        case ProgramListView::vco1WaveColumn: section = 1; index = 4; return true;
        case ProgramListView::vco2WaveColumn: section = 1; index = 10; return true;
        case ProgramListView::multiTypeColumn: section = 1; index = 17; return true;
        default: return false;
    }
}

const juce::Colour selectedTextColour (0xffd3d3d3);
const juce::Colour unselectedTextColour (0xff808080);
} // namespace

ProgramListView::ProgramListView (x48305_data::LibraryData& libraryData) : library (&libraryData) {}

int ProgramListView::getNumRows()
{
    return x48305_data::LibraryData::numPrograms;
}

int ProgramListView::getNumColumns()
{
    return numColumns;
}

juce::String ProgramListView::getColumnName (int columnId)
{
    if (columnId < nameColumn || columnId > multiTypeColumn)
        return {};
    return getLocalizedText (ui::findColumn (columns, columnId)->titleKey);
}

int ProgramListView::getColumnWidth (int columnId)
{
    auto* info = ui::findColumn (columns, columnId);
    if (info == nullptr)
        return ui::defaultColumnWidth;
    if (columnId != numberColumn)
        return info->width;

    // The name next to the number starts its text at once, so the number
    // keeps half an em of room after it, as at the usual size.
    const auto font = ui::FontLibrary::getInstance()->getFont (info->fontKey);
    return ui::columnWidthForText (font, ui::widestNumberText (font, 1, getNumRows()), numberIndent,
                                   font.getHeight() / 2.0f, info->width);
}

bool ProgramListView::isFittedToText (int columnId)
{
    return columnId == numberColumn;
}

void ProgramListView::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    auto* info = ui::findColumn (columns, columnId);
    if (info == nullptr || columnId == fillerColumn)
        return;

    g.setColour (selected ? selectedTextColour : unselectedTextColour);
    g.setFont (ui::FontLibrary::getInstance()->getFont (info->fontKey));
    ui::drawCellText (g, getCellText (row, columnId), columnId == numberColumn ? numberIndent : 0, width, height);
}

juce::String ProgramListView::getCellText (int row, int columnId) const
{
    if (columnId == numberColumn)
        return juce::String (row + 1);
    if (columnId < nameColumn || columnId > multiTypeColumn)
        return {};

    const auto& program = library->getProgram (row);
    if (columnId == nameColumn)
        return program.getName();
    if (columnId == likeColumn)
        return formatLike (program);

    int section = 0, index = 0;
    parameterOfColumn (columnId, section, index);
    return formatProgramParameter (program, section, index);
}

std::string ProgramListView::formatProgramParameter (const x48305_data::ProgramData& program, int section, int index)
{
    const x48305_data::ParameterId id { (int16_t) section, (int16_t) index };
    x48305_data::ParameterEntry entry;
    if (! x48305_data::getParameterEntry (id, entry))
        return {};
    return x48305_data::formatParameterValue (entry, x48305_data::getParameterValue (program.getRawData(), id, entry));
}

std::string ProgramListView::formatLike (const x48305_data::ProgramData& program)
{
    int combined = 0;
    x48305_data::ParameterEntry first;
    for (int16_t index = 45; index <= 48; ++index)
    {
        const x48305_data::ParameterId id { 0, index };
        x48305_data::ParameterEntry entry;
        if (! x48305_data::getParameterEntry (id, entry))
            return {};
        if (index == 45)
            first = entry;
        combined |= x48305_data::getParameterValue (program.getRawData(), id, entry);
    }
    return x48305_data::formatParameterValue (first, combined);
}

juce::Component* ProgramListView::refreshComponentForCell (int row, int columnId, bool selected,
                                                           juce::Component* existing)
{
    if (columnId != nameColumn)
    {
        delete existing;
        return nullptr;
    }

    auto* wrapper = dynamic_cast<ProgramListItemComponentWrapper*> (existing);
    if (wrapper == nullptr)
    {
        delete existing;
        wrapper = new ProgramListItemComponentWrapper();
    }

    auto& label = wrapper->getLabel();
    label.removeListener (this);
    label.addListener (this);
    wrapper->removeItemMouseListener (this);
    wrapper->addItemMouseListener (this);

    // Setting the text closes an open editor: a refresh of the same row (its
    // selection just changed, another list changed the library) must not
    // throw away what the user is typing.
    const bool keepEdit = label.isBeingEdited() && wrapper->getRow() == row;
    wrapper->setRow (row);
    wrapper->setSelected (selected);
    label.setFont (ui::FontLibrary::getInstance()->getFont ("ProgramListName"));
    if (! keepEdit)
        label.setText (library->getProgram (row).getName(), juce::dontSendNotification);
    return wrapper;
}

void ProgramListView::labelTextChanged (juce::Label* changed)
{
    auto* label = dynamic_cast<ProgramListItemLabel*> (changed);
    if (label == nullptr)
        return;

    const int row = label->getRow();
    const auto& program = library->getProgram (row);
    const auto oldName = juce::String (program.getName());
    if (label->getText() == oldName)
        return;

    const auto name = ui::filterProgramName (label->getText());
    auto renamed = program;
    renamed.setName (name.text);
    if (name.isUnusable()
        || std::memcmp (renamed.getRawData(), program.getRawData(), x48305_data::programRecordSize) == 0)
    {
        // Nothing usable, or what the record would hold already: no edit.
        label->setText (oldName, juce::dontSendNotification);
        return;
    }

    auto* undoManager = application::ApplicationUndoManager::getInstance();
    undoManager->beginNewTransaction ("PasteProgramName");
    undoManager->perform (new x48305_action::SetProgramNameAction (row, name.text, program));
    data::DataChangeBroadcaster::getInstance()->notify();
}

int ProgramListView::rowOf (juce::Component* source)
{
    auto* wrapper = dynamic_cast<ProgramListItemComponentWrapper*> (source);
    return wrapper != nullptr ? wrapper->getRow() : -1;
}

void ProgramListView::itemMouseDown (juce::Component* source, const juce::MouseEvent& event)
{
    const int row = rowOf (source);
    if (row >= 0)
        callListeners ([&] (ui::ProgramListViewListener& l) { l.rowMouseDown (row, event); });
}

void ProgramListView::itemMouseUp (juce::Component* source, const juce::MouseEvent& event)
{
    const int row = rowOf (source);
    if (row >= 0)
        callListeners ([&] (ui::ProgramListViewListener& l) { l.rowMouseUp (row, event); });
}

void ProgramListView::itemMouseDrag (juce::Component* source, const juce::MouseEvent& event)
{
    const int row = rowOf (source);
    if (row >= 0)
        callListeners ([&] (ui::ProgramListViewListener& l) { l.rowMouseDrag (row, event); });
}
} // namespace x48305_ui
