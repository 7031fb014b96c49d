#pragma once

namespace x48305_application
{
// Brings the main window, when there is one, to the front with the keyboard
// focus.
void bringMainWindowToFront();
} // namespace x48305_application
