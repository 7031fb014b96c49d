#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

#include <cstdio>
#include <vector>

namespace ui
{
// The shared shape of the selection models: the selected rows (program
// numbers or unit slots) in the order the list handed them over, the first row
// at start, and one coalesced notice per event to every observer.
template <typename Model, typename Observer, void (Observer::*notice)()>
class SelectedIndexStatus : public ListenerHolder<Observer>,
                            public Singleton<Model>,
                            private juce::AsyncUpdater,
                            public juce::DeletedAtShutdown
{
public:
    ~SelectedIndexStatus() override { cancelPendingUpdate(); }

    int getNumSelected() const { return (int) selected.size(); }

    // The i-th selected entry. Callers ask the count first; an index outside
    // it prints a line and gives -1, which no list row or slot carries.
    int getSelected (int i) const
    {
        if (i < 0 || i >= getNumSelected())
        {
            std::printf ("Selected Index Error: %d\n", i);
            std::fflush (stdout);
            return -1;
        }
        return selected[(size_t) i];
    }

    const std::vector<int>& getAllSelected() const { return selected; }

    // Replaces the selection and triggers the notice.
    void setSelected (const std::vector<int>& newSelection)
    {
        if (&newSelection != &selected)
            selected = newSelection;
        triggerAsyncUpdate();
    }

protected:
    SelectedIndexStatus() = default;

private:
    void handleAsyncUpdate() override
    {
        this->callListeners ([] (Observer& observer) { (observer.*notice)(); });
    }

    std::vector<int> selected { 0 };
};
} // namespace ui
