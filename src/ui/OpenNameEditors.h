#pragma once

namespace ui
{
// Ends the name editor that holds the keyboard focus, as losing the focus
// ends it: the typed name is dropped, never stored. Commands call this before
// they act, so that they act on the data as it stands. Only the focused
// editor can be open: any other has lost the focus and ended already.
void endOpenNameEditors();
} // namespace ui
