#include "support/OtherWindow.h"

#include "support/MessageLoop.h"
#include "support/UserInput.h"

namespace testsupport
{
OtherWindow::OtherWindow (juce::Point<int> topLeft)
{
    content.setSize (400, 120);
    source.setBounds (0, 0, 200, 120);
    target.setBounds (200, 0, 200, 120);
    content.addAndMakeVisible (source);
    content.addAndMakeVisible (target);
    window.setContentNonOwned (&content, true);
    window.setTopLeftPosition (topLeft);
    window.setVisible (true);
    runMessageLoop (30);
}

OtherWindow::~OtherWindow()
{
    window.clearContentComponent();
}

void OtherWindow::Source::mouseDrag (const juce::MouseEvent& e)
{
    if (! isDragAndDropActive() && e.getDistanceFromDragStart() > 4)
        startDragging (description, this, juce::ScaledImage(), true);
}

bool OtherWindow::dragFromSourceTo (juce::Component& component, juce::Point<float> to, juce::ModifierKeys held)
{
    // The image of the last drag floats back for a moment, and the source
    // starts no new drag before it has gone.
    waitForDragEnd (source);
    const ScopedModifierKeys keys (held);
    const auto from = source.getLocalBounds().toFloat().getCentre();
    const auto end = source.getLocalPoint (&component, to);
    mouseMove (source, from);
    mouseDown (source, from);
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        mouseDrag (source, from + (end - from) * ((float) i / (float) steps));
    runMessageLoop (30);
    const bool started = source.isDragAndDropActive();
    mouseUp (source, end);
    runMessageLoop (30);
    waitForDragEnd (source);
    return started;
}
} // namespace testsupport
