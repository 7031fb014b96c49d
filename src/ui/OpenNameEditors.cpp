#include "ui/OpenNameEditors.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
void endOpenNameEditors()
{
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    auto* label = focused != nullptr ? dynamic_cast<juce::Label*> (focused->getParentComponent()) : nullptr;
    if (label != nullptr && label->isBeingEdited())
        label->hideEditor (label->doesLossOfFocusDiscardChanges());
}
} // namespace ui
