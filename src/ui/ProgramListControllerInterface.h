#pragma once

#include <map>
#include <vector>

namespace ui
{
// Turns the program list's selections and drops into changes of the current
// program and the library. The edits check what they are given and refuse
// (returning false, with nothing changed and no undo step) what would not
// keep every library program.
class ProgramListControllerInterface
{
public:
    virtual ~ProgramListControllerInterface() {}

    virtual void selectionChanged() = 0;
    virtual void selectionReapplied() = 0;

    // order[i] is the program that moves to i: a permutation of all programs.
    virtual bool moveRows (const std::vector<int>& order) = 0;

    // destination -> source program.
    virtual bool copyRows (const std::map<int, int>& destinationToSource) = 0;

    // destination -> packed preset item.
    virtual bool copyPresetPrograms (const std::map<int, int>& destinationToPacked) = 0;
};
} // namespace ui
