#include "ui/SelectedTabStatus.h"

namespace ui
{
SelectedTabStatus::~SelectedTabStatus()
{
    cancelPendingUpdate();
}

void SelectedTabStatus::setTab (int index, const juce::String& name)
{
    tabIndex = index;
    tabName = name;
    triggerAsyncUpdate();
}

void SelectedTabStatus::handleAsyncUpdate()
{
    callListeners ([] (SelectedTabStatusObserver& observer) { observer.selectedTabChanged(); });
}
} // namespace ui
