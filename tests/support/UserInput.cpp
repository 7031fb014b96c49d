#include "support/UserInput.h"

#include <gtest/gtest.h>

namespace testsupport
{
namespace
{
juce::int64 eventTime = 0;

// Each event gets a later time than the last, so that clicks are timed like a
// person's and not merged into double clicks unless asked.
juce::int64 nextTime (int stepMilliseconds)
{
    eventTime = juce::jmax (eventTime + stepMilliseconds, juce::Time::currentTimeMillis());
    return eventTime;
}

// A time just after the last event, however long handling it took: the
// events of one gesture (the clicks of a double click) keep a person's pace
// even on a busy machine.
juce::int64 closelyAfter (int stepMilliseconds)
{
    eventTime += stepMilliseconds;
    return eventTime;
}

// The held keyboard modifiers with the given mouse buttons.
juce::ModifierKeys withHeldKeys (juce::ModifierKeys buttons)
{
    return juce::ModifierKeys::currentModifiers.withoutMouseButtons().withFlags (buttons.getRawFlags()
                                                                                & juce::ModifierKeys::allMouseButtonModifiers);
}

void sendAt (juce::Component& component, juce::Point<float> position, juce::ModifierKeys buttons, juce::int64 time)
{
    auto* peer = component.getPeer();
    if (peer == nullptr)
    {
        ADD_FAILURE() << "component \"" << component.getName() << "\" is not on the desktop";
        return;
    }

    // As the windowing layer does, the framework's current modifiers learn the
    // buttons before the event is handled.
    const auto mods = withHeldKeys (buttons);
    juce::ModifierKeys::currentModifiers = mods;

    auto inPeer = peer->getComponent().getLocalPoint (&component, position);
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, inPeer, mods,
                            juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                            time);
}

void send (juce::Component& component, juce::Point<float> position, juce::ModifierKeys buttons, int step = 400)
{
    sendAt (component, position, buttons, nextTime (step));
}

const juce::ModifierKeys leftButton (juce::ModifierKeys::leftButtonModifier);
} // namespace

void mouseMove (juce::Component& c, juce::Point<float> p) { send (c, p, {}, 20); }
void mouseDown (juce::Component& c, juce::Point<float> p) { send (c, p, leftButton); }
void mouseUp (juce::Component& c, juce::Point<float> p) { send (c, p, {}, 20); }
void mouseDrag (juce::Component& c, juce::Point<float> p) { send (c, p, leftButton, 20); }

void click (juce::Component& c)
{
    click (c, c.getLocalBounds().toFloat().getCentre());
}

void click (juce::Component& c, juce::Point<float> p)
{
    mouseMove (c, p);
    mouseDown (c, p);
    mouseUp (c, p);
}

void doubleClick (juce::Component& c, juce::Point<float> p)
{
    mouseMove (c, p);
    send (c, p, leftButton);
    sendAt (c, p, {}, closelyAfter (20));
    sendAt (c, p, leftButton, closelyAfter (20));
    sendAt (c, p, {}, closelyAfter (20));
}

void drag (juce::Component& c, juce::Point<float> from, juce::Point<float> to)
{
    mouseMove (c, from);
    mouseDown (c, from);
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        send (c, from + (to - from) * ((float) i / (float) steps), leftButton, 20);
    mouseUp (c, to);
}

void wheel (juce::Component& c, juce::Point<float> p, float deltaY)
{
    auto* peer = c.getPeer();
    if (peer == nullptr)
    {
        ADD_FAILURE() << "component \"" << c.getName() << "\" is not on the desktop";
        return;
    }

    mouseMove (c, p);
    juce::MouseWheelDetails details;
    details.deltaX = 0.0f;
    details.deltaY = deltaY;
    details.isReversed = false;
    details.isSmooth = false;
    details.isInertial = false;
    peer->handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, peer->getComponent().getLocalPoint (&c, p),
                            nextTime (20), details);
}

bool pressKey (juce::Component& c, const juce::KeyPress& key)
{
    auto* peer = c.getPeer();
    if (peer == nullptr)
    {
        ADD_FAILURE() << "component \"" << c.getName() << "\" is not on the desktop";
        return false;
    }
    const auto held = juce::ModifierKeys::currentModifiers.getRawFlags() & juce::ModifierKeys::allKeyboardModifiers;
    return peer->handleKeyPress (
        juce::KeyPress (key.getKeyCode(), key.getModifiers().withFlags (held), key.getTextCharacter()));
}

ScopedModifierKeys::ScopedModifierKeys (juce::ModifierKeys held)
    : previousFlags (juce::ModifierKeys::currentModifiers.getRawFlags() & juce::ModifierKeys::allKeyboardModifiers)
{
    juce::ModifierKeys::currentModifiers = juce::ModifierKeys::currentModifiers.withFlags (
        held.getRawFlags() & juce::ModifierKeys::allKeyboardModifiers);
}

ScopedModifierKeys::~ScopedModifierKeys()
{
    juce::ModifierKeys::currentModifiers = juce::ModifierKeys::currentModifiers
                                               .withoutFlags (juce::ModifierKeys::allKeyboardModifiers)
                                               .withFlags (previousFlags);
}

void typeText (juce::Component& c, const juce::String& text)
{
    click (c);
    for (auto character : text)
        pressKey (c, juce::KeyPress ((int) character, juce::ModifierKeys(), character));
}

bool waitForDragEnd (juce::DragAndDropContainer& container)
{
    const auto end = juce::Time::getMillisecondCounter() + 5000;
    auto& animator = juce::Desktop::getInstance().getAnimator();
    while (container.isDragAndDropActive() || animator.isAnimating())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (5);
    }
    return true;
}

juce::Component* findDescendant (juce::Component& root, const juce::String& componentName)
{
    for (auto* child : root.getChildren())
    {
        if (child->getName() == componentName)
            return child;
        if (auto* found = findDescendant (*child, componentName))
            return found;
    }
    return nullptr;
}

juce::Rectangle<int> boundsRelativeTo (const juce::Component& component, const juce::Component& ancestor)
{
    return ancestor.getLocalArea (&component, component.getLocalBounds());
}
} // namespace testsupport
