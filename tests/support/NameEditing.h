#pragma once

class ProgramListComponent;

namespace testsupport
{
// Double-clicks the name of a program-list row until its editor holds the
// keyboard focus. Other test programs' windows on the display may take the
// focus as they open, which closes an editor as it would for a person
// switching windows; an editor that never got the focus is opened again.
// False when it never does.
bool openNameEditor (ProgramListComponent& list, int row);
} // namespace testsupport
