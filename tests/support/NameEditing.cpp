#include "support/NameEditing.h"

#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/ProgramListComponent.h"

namespace testsupport
{
namespace
{
constexpr int nameColumn = 2;
constexpr int categoryColumn = 3;

juce::Point<float> cellCentre (ProgramListComponent& list, int row, int columnId)
{
    auto& box = list.getListBox();
    box.scrollToEnsureRowIsOnscreen (row);
    runMessageLoop (10);
    auto& header = box.getHeader();
    const auto column = header.getColumnPosition (header.getIndexOfColumnId (columnId, true));
    const auto rowArea = list.getLocalArea (&box, box.getRowPosition (row, true));
    return { (float) column.getCentreX(), (float) rowArea.getCentreY() };
}
} // namespace

bool openNameEditor (ProgramListComponent& list, int row)
{
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        doubleClick (list, cellCentre (list, row, nameColumn));
        if (auto* editor = findDescendantOfType<juce::TextEditor> (list); editor != nullptr && editor->hasKeyboardFocus (false))
            return true;
        // A click elsewhere in the row closes a half-open editor.
        click (list, cellCentre (list, row, categoryColumn));
        runMessageLoop (100);
    }
    return false;
}
} // namespace testsupport
