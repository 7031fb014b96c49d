#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// Where a pop-up menu opens: inside the top-level window of the component it
// belongs to (its target, or for a menu at the pointer the component under
// the pointer) when that window has the window system's title bar; else, as
// the framework does, in a window of its own.
//
// A menu in a window of its own does not last on a desktop with a window
// manager: after a few idle seconds the framework sends the window below the
// menu its unchanged bounds again, the manager answers with a configure
// notice, and on that notice the framework dismisses the menu, which is then
// closed as soon as it opened. A menu inside the window meets no such notice.
juce::Component* popupMenuParentFor (const juce::PopupMenu::Options& options);
} // namespace x48305_ui
