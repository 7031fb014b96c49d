#include "ui/UserListView.h"

#include "application/CPXWResource.h"
#include "formats/UnitHeaderRecord.h"
#include "formats/Utf8Text.h"
#include "ui/FontLibrary.h"

#include <array>

namespace x48305_ui
{
namespace
{
constexpr int numColumns = 4;
constexpr int textIndent = 12;

const std::array<ui::ColumnInfo, numColumns> columns { {
    { "", 48, "ProgramListNumber", false },
    { "UserListColumnName", 180, "ProgramListName", true },
    { "UserListColumnVersion", 80, "ProgramListCategory", false },
    { "UserListColumnAPI", 80, "ProgramListCategory", false },
} };

const juce::Colour emphasisedTextColour (0xffffffff);
const juce::Colour selectedTextColour (0xffd3d3d3);
const juce::Colour unselectedTextColour (0xff808080);
} // namespace

UserListView::UserListView (x48305_data::UserData& units, int rows, SlotReader reader)
    : store (&units), numRows (rows), readSlot (reader)
{
}

int UserListView::getNumColumns()
{
    return numColumns;
}

juce::String UserListView::getColumnName (int columnId)
{
    auto* info = ui::findColumn (columns, columnId);
    if (info == nullptr || *info->titleKey == 0)
        return {};
    return getLocalizedText (info->titleKey);
}

int UserListView::getColumnWidth (int columnId)
{
    auto* info = ui::findColumn (columns, columnId);
    if (info == nullptr)
        return ui::defaultColumnWidth;
    if (! isFittedToText (columnId))
        return info->width;

    const auto font = ui::FontLibrary::getInstance()->getFont (info->fontKey);
    // The next column's own indent keeps the texts apart.
    return ui::columnWidthForText (font, getWidestText (columnId, font), textIndent, 0.0f, info->width);
}

bool UserListView::isFittedToText (int columnId)
{
    return columnId == slotColumn || columnId == versionColumn || columnId == apiColumn;
}

juce::String UserListView::getWidestText (int columnId, const juce::Font& font) const
{
    if (columnId == slotColumn)
        return ui::widestNumberText (font, 1, numRows);

    // Every part of a version shows at most two figures; the widest text has
    // the widest two-figure number in each part.
    const auto part = (std::uint32_t) ui::widestNumberText (font, 10, 99).getIntValue();
    return formatVersionTriple (part, part, part);
}

void UserListView::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    auto* info = ui::findColumn (columns, columnId);
    if (info == nullptr)
        return;

    g.setColour (info->alwaysEmphasised ? emphasisedTextColour : selected ? selectedTextColour : unselectedTextColour);
    g.setFont (ui::FontLibrary::getInstance()->getFont (info->fontKey));
    ui::drawCellText (g, getCellText (row, columnId), textIndent, width, height);
}

juce::String UserListView::getCellText (int row, int columnId) const
{
    if (row < 0 || row >= numRows || ui::findColumn (columns, columnId) == nullptr)
        return {};
    if (columnId == slotColumn)
        return juce::String (row + 1);

    const auto& unit = readSlot (*store, (std::uint32_t) row);
    if (unit.getState() == UnitSlotState::Empty)
        return "---";
    if (columnId == nameColumn)
    {
        // The name bytes come from a package or from the instrument.
        const auto name = unit.getName();
        return formats::nameFromBytes (name.data(), name.size());
    }
    if (columnId == versionColumn)
        return juce::String (unit.getVersionText());
    return juce::String (unit.getApiVersionText());
}
} // namespace x48305_ui
