#pragma once

namespace ui
{
// Ends every name editor (an editable label's text editor) open on the
// desktop as losing the keyboard focus ends it: a label that discards on
// focus loss throws the typed text away, any other keeps it. Commands call
// this before they act, so that they act on the data as it stands and no
// editor stores its text over what a command changed.
void endOpenNameEditors();
} // namespace ui
