#pragma once

#include "ui/ProgramListControllerInterface.h"

namespace x48305_data
{
class LibraryData;
}

namespace x48305_ui
{
// The program list's edits and its hold on the current program. Every edit
// is one named undo transaction; the undo manager's change message then
// refreshes every view.
class ProgramListController : public ui::ProgramListControllerInterface
{
public:
    explicit ProgramListController (x48305_data::LibraryData& library);

    // One selected program becomes the current program; any other selection
    // leaves none.
    void selectionChanged() override;

    // As selectionChanged, but a program that stays selected is chosen anew,
    // so that the header and the instrument see its new content.
    void selectionReapplied() override;

    // "DragInsert": the programs in their new order, with the live set
    // following its programs to their new numbers.
    bool moveRows (const std::vector<int>& order) override;

    // "DragCopy": sources are read as they were before the first write.
    bool copyRows (const std::map<int, int>& destinationToSource) override;

    // "DragCopyPreset": programs of installed presets into the library.
    bool copyPresetPrograms (const std::map<int, int>& destinationToPacked) override;

private:
    bool isLibraryRow (int row) const;

    x48305_data::LibraryData* library;
};
} // namespace x48305_ui
