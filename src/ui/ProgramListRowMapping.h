#pragma once

#include <map>
#include <vector>

// Maps program-list rows to library program numbers and back. Both tables are
// empty, so the mapping is the identity; the list goes through it so that a
// sorted or filtered view needs no change in its callers.
class ProgramListRowMapping
{
public:
    // The table's entry for a row inside it, else the row itself.
    int rowToProgram (int row) const;

    // The table's row for a listed program, else the number itself.
    int programToRow (int program) const;

private:
    std::vector<int> rows;
    std::map<int, int> rowsByProgram;
};
