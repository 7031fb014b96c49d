#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace testsupport
{
// Real input for components on the desktop: each event enters through the
// window's peer, as the windowing system's would, so it is hit-tested and
// reaches whatever component lies at that point (a covered, hidden or
// disabled component does not get it). Positions are in the component's own
// coordinates; without a position, its centre is used.

void mouseDown (juce::Component&, juce::Point<float> position);
void mouseUp (juce::Component&, juce::Point<float> position);
void mouseMove (juce::Component&, juce::Point<float> position);

// A move with the left button held, after mouseDown. A position outside the
// component (even over another window) still goes through the pressed
// component's window, as the windowing system's pointer grab does.
void mouseDrag (juce::Component&, juce::Point<float> position);

// Press and release at the same point.
void click (juce::Component&);
void click (juce::Component&, juce::Point<float> position);

// Two clicks in quick succession.
void doubleClick (juce::Component&, juce::Point<float> position);

// Press at one point, move through the way to the other, release there.
void drag (juce::Component&, juce::Point<float> from, juce::Point<float> to);

// One wheel step (deltaY > 0 scrolls up).
void wheel (juce::Component&, juce::Point<float> position, float deltaY);

// A key press delivered to the window's focused component (or the window).
// The keys held by a ScopedModifierKeys are added to the key's own.
bool pressKey (juce::Component&, const juce::KeyPress&);

// Holds keyboard modifiers (Alt, Shift, Command, Ctrl) down for its
// lifetime, as a person holding a key while using the mouse. The windowing
// layer keeps what is held in the framework's current modifiers, and every
// event above takes its keyboard modifiers from there; so does code under
// test that asks the framework (juce::ModifierKeys::currentModifiers) rather
// than the X server. Mouse buttons in the argument are ignored; scopes nest.
class ScopedModifierKeys
{
public:
    explicit ScopedModifierKeys (juce::ModifierKeys held);
    ~ScopedModifierKeys();

private:
    int previousFlags;

    ScopedModifierKeys (const ScopedModifierKeys&) = delete;
    ScopedModifierKeys& operator= (const ScopedModifierKeys&) = delete;
};

// Clicks the component to focus it, then types the text one key at a time.
void typeText (juce::Component&, const juce::String& text);

// Waits until the container's last drag has ended and its image has gone.
// After a drop the image fades, or floats back to where the drag began, for
// a moment: until then the same source starts no new drag, and the floating
// image (a window of its own) keeps presses from whatever lies under it.
bool waitForDragEnd (juce::DragAndDropContainer& container);

// The first descendant (depth first) with the given component name, or null.
juce::Component* findDescendant (juce::Component& root, const juce::String& componentName);

// Same, cast to a type; null when absent or of another type.
template <typename T>
T* findDescendantAs (juce::Component& root, const juce::String& componentName)
{
    return dynamic_cast<T*> (findDescendant (root, componentName));
}

// The first component of the type (the root itself, then its descendants
// depth first) that the predicate accepts, or null.
template <typename T>
T* findDescendantOfType (juce::Component& root, const std::function<bool (T&)>& matches = {})
{
    if (auto* typed = dynamic_cast<T*> (&root); typed != nullptr && (! matches || matches (*typed)))
        return typed;
    for (auto* child : root.getChildren())
        if (auto* found = findDescendantOfType<T> (*child, matches))
            return found;
    return nullptr;
}

// A component's bounds relative to an ancestor (its position inside a dialog).
juce::Rectangle<int> boundsRelativeTo (const juce::Component&, const juce::Component& ancestor);
} // namespace testsupport
