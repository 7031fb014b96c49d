#include "ui/StoredWindowBounds.h"

#include "ui/WindowManagerState.h"

#include <cstdlib>

namespace ui
{
bool StoredWindowBounds::shouldCentre (const juce::Array<juce::Rectangle<int>>& displayAreas,
                                       int minimumSize) const
{
    if (x == notPlaced || y == notPlaced)
        return true;
    for (const auto value : { x, y, width, height })
        if (std::abs ((long long) value) > farthestCoordinate)
            return true;

    // Judged at the size the window will open with.
    const auto window = getBounds (juce::jmax (minimumSize, 1));
    const auto neededWidth = juce::jmin (minimumVisiblePart, window.getWidth());
    const auto neededHeight = juce::jmin (minimumVisiblePart, window.getHeight());
    for (const auto& area : displayAreas)
    {
        const auto shown = area.getIntersection (window);
        if (shown.getWidth() >= neededWidth && shown.getHeight() >= neededHeight)
            return false;
    }
    return true;
}

juce::Point<int> StoredWindowBounds::getSize (int minimumSize) const
{
    return { juce::jmax (width, minimumSize), juce::jmax (height, minimumSize) };
}

juce::Rectangle<int> StoredWindowBounds::getBounds (int minimumSize) const
{
    const auto size = getSize (minimumSize);
    return { x, y, size.x, size.y };
}

juce::Array<juce::Rectangle<int>> StoredWindowBounds::getConnectedDisplayAreas()
{
    // The framework gives each display's whole area as its user area here:
    // what the manager's panels leave free comes from the manager.
    const auto& displays = juce::Desktop::getInstance().getDisplays();
    const auto workArea = workAreaOfWindowManager();
    const auto usable = workArea ? displays.physicalToLogical (*workArea) : juce::Rectangle<int>();
    juce::Array<juce::Rectangle<int>> areas;
    for (const auto& display : displays.displays)
    {
        // A display that the published area leaves out keeps its whole area.
        const auto free = display.userArea.getIntersection (usable);
        areas.add (free.isEmpty() ? display.userArea : free);
    }
    return areas;
}

juce::Rectangle<int> StoredWindowBounds::fittedOnDisplay (juce::Rectangle<int> windowBounds,
                                                          juce::BorderSize<int> frame,
                                                          const juce::Array<juce::Rectangle<int>>& displayAreas,
                                                          juce::Point<int> leastSize)
{
    const auto outer = frame.addedTo (windowBounds);
    const juce::Rectangle<int>* best = nullptr;
    int bestShown = 0;
    for (const auto& area : displayAreas)
    {
        const auto shown = area.getIntersection (outer);
        if (shown.getWidth() * shown.getHeight() > bestShown)
        {
            best = &area;
            bestShown = shown.getWidth() * shown.getHeight();
        }
    }
    if (best == nullptr)
        return windowBounds;
    const auto width = juce::jmax (leastSize.x + frame.getLeftAndRight(), juce::jmin (outer.getWidth(), best->getWidth()));
    const auto height = juce::jmax (leastSize.y + frame.getTopAndBottom(),
                                    juce::jmin (outer.getHeight(), best->getHeight()));
    // Too wide or too tall for the area, the frame starts at its edge.
    const auto x = juce::jlimit (best->getX(), juce::jmax (best->getX(), best->getRight() - width), outer.getX());
    const auto y = juce::jlimit (best->getY(), juce::jmax (best->getY(), best->getBottom() - height), outer.getY());
    return frame.subtractedFrom (juce::Rectangle<int> (x, y, width, height));
}

void StoredWindowBounds::fitFramedWindowOnDisplay (juce::Component& window, juce::BorderSize<int> frame,
                                                   juce::Rectangle<int> frameBounds, juce::Point<int> leastSize)
{
    const auto shown = frame.subtractedFrom (frameBounds);
    const auto fitted = fittedOnDisplay (shown, frame, getConnectedDisplayAreas(), leastSize);
    if (fitted != shown)
        askWindowManagerToPlaceFrame (window, frame.addedTo (fitted), frame);
}

juce::Point<int> StoredWindowBounds::outerCorner (const juce::Component& window)
{
    auto corner = window.getPosition();
    if (const auto* peer = window.getPeer())
        if (const auto frame = peer->getFrameSizeIfPresent())
            corner -= { frame->getLeft(), frame->getTop() };
    return corner;
}
} // namespace ui
