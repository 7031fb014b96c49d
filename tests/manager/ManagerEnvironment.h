#pragma once

namespace managertest
{
// True when the current-program model was made with no program-list row
// selected (the test environment makes it so) and began with nothing current.
bool currentProgramModelStartedWithNothing();
}
