#include "ui/OpenNameEditors.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace ui
{
namespace
{
void collectEditedLabels (juce::Component& component, std::vector<juce::Component::SafePointer<juce::Label>>& found)
{
    if (auto* label = dynamic_cast<juce::Label*> (&component); label != nullptr && label->isBeingEdited())
        found.emplace_back (label);
    for (auto* child : component.getChildren())
        collectEditedLabels (*child, found);
}
} // namespace

void endOpenNameEditors()
{
    std::vector<juce::Component::SafePointer<juce::Label>> edited;
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
        if (auto* window = desktop.getComponent (i))
            collectEditedLabels (*window, edited);

    // Ending one editor may change or remove the others' components.
    for (auto& label : edited)
        if (label != nullptr && label->isBeingEdited())
            label->hideEditor (label->doesLossOfFocusDiscardChanges());
}
} // namespace ui
