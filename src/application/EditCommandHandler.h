#pragma once

namespace x48305_menu
{
// The Edit menu's commands. Cut, Copy and Paste work on the first selected
// program of the program list and only on its tab; Clear empties what is
// selected in the list of the current tab. Each change is one named undo
// step. A stack object.
class EditCommandHandler
{
public:
    void undo();
    void redo();

    // Initialises the program only when the copy reached the clipboard.
    void cut();
    // True when the clipboard holds the program afterwards.
    bool copy();
    // Applies only a complete program from the clipboard; anything else
    // changes nothing and adds no undo step.
    void paste();
    void clear();

private:
    // The first selected program on the program list's tab, or -1.
    static int programToEdit();
};
} // namespace x48305_menu
