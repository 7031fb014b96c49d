#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace testsupport
{
// A second window of the program: a source that starts a drag with any
// description (as another window of the program, or a foreign one, could),
// and a target that records what is dropped on it.
class OtherWindow
{
public:
    explicit OtherWindow (juce::Point<int> topLeft);
    ~OtherWindow();

    struct Source : juce::Component, juce::DragAndDropContainer
    {
        juce::var description;
        void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0xff336699)); }
        void mouseDrag (const juce::MouseEvent& e) override;
    };

    struct Target : juce::Component, juce::DragAndDropTarget
    {
        std::vector<juce::var> dropped;
        bool isInterestedInDragSource (const SourceDetails&) override { return true; }
        void itemDropped (const SourceDetails& details) override { dropped.push_back (details.description); }
    };

    // Drags from the source to a point of the component (in its coordinates)
    // and drops there. False when no drag had started by then.
    bool dragFromSourceTo (juce::Component& component, juce::Point<float> to, juce::ModifierKeys held = {});

    Source source;
    Target target;
    juce::Component content;
    juce::DocumentWindow window { "other", juce::Colours::black, 0, true };
};
} // namespace testsupport
