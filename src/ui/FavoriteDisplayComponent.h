#pragma once

#include "action/DataChangeObserver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdint>

// One tile of the live set: it shows the program number and name held at its
// bank and slot, takes programs dropped from the program list, swaps (or with
// Alt copies) with another tile dragged onto it and empties on a double
// click. Each edit is one named undo step.
class FavoriteDisplayComponent : public juce::Component,
                                 public juce::DragAndDropTarget,
                                 public data::DataChangeObserver
{
public:
    // Moving the pointer this far (|dx| + |dy|) from where it entered the
    // tile starts a drag.
    static constexpr int dragThreshold = 5;

    FavoriteDisplayComponent (std::uint32_t bank, std::uint32_t slot);
    ~FavoriteDisplayComponent() override;

    void mouseEnter (const juce::MouseEvent& event) override;
    void mouseDrag (const juce::MouseEvent& event) override;
    void mouseDoubleClick (const juce::MouseEvent& event) override;
    void paint (juce::Graphics& g) override;
    void resized() override {}

    void dataChanged() override;

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragMove (const SourceDetails&) override {}
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;
    // The tile's drop picture shows that a drop would land here; the drag
    // image is not drawn over it.
    bool shouldDrawDragImageWhenOver() override { return false; }

    const juce::String& getNumberText() const { return numberText; }
    const juce::String& getNameText() const { return nameText; }
    bool isDragOver() const { return dragOver; }

private:
    void refresh();
    void dropTile (const juce::var& description);
    void dropPrograms (const juce::var& description);

    // A description of another tile, or of programs that all exist.
    bool isOtherTileDescription (const juce::var& description) const;
    static bool isProgramDescription (const juce::var& description);

    std::uint32_t bank;
    std::uint32_t slot;
    bool dragOver = false;
    bool dragStarted = false;
    juce::Point<int> enterPosition;
    juce::String nameText;
    int programNumber = -1;
    juce::String numberText;
    juce::Image dropImage;
    juce::Image normalImage;

    JUCE_DECLARE_NON_COPYABLE (FavoriteDisplayComponent)
};
