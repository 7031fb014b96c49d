#include "ui/ProgramListRowMapping.h"

#include <cstddef>

int ProgramListRowMapping::rowToProgram (int row) const
{
    // A negative row (no row under the pointer) must never index the table.
    if (row >= 0 && row < (int) rows.size())
        return rows[(std::size_t) row];
    return row;
}

int ProgramListRowMapping::programToRow (int program) const
{
    auto it = rowsByProgram.find (program);
    return it != rowsByProgram.end() ? it->second : program;
}
