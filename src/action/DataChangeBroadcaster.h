#pragma once

#include "action/DataChangeObserver.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace data
{
// One coalesced dataChanged() pass after any library change: an explicit
// notify() or a change message of the undo manager (perform, undo, redo).
class DataChangeBroadcaster : public Singleton<DataChangeBroadcaster>,
                              public ListenerHolder<DataChangeObserver>,
                              private juce::AsyncUpdater,
                              public juce::DeletedAtShutdown,
                              public juce::ChangeListener
{
public:
    ~DataChangeBroadcaster() override;

    void notify();
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    friend class Singleton<DataChangeBroadcaster>;
    DataChangeBroadcaster();

    void handleAsyncUpdate() override;
};
} // namespace data
