#pragma once

#include "action/PresetDataChangeBroadcasterObserver.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace data
{
// One coalesced presetDataChanged() pass after any number of notify() calls.
class PresetDataChangeBroadcaster : public Singleton<PresetDataChangeBroadcaster>,
                                    public ListenerHolder<PresetDataChangeBroadcasterObserver>,
                                    public juce::AsyncUpdater,
                                    public juce::DeletedAtShutdown
{
public:
    ~PresetDataChangeBroadcaster() override;

    void notify();

private:
    friend class Singleton<PresetDataChangeBroadcaster>;
    PresetDataChangeBroadcaster() = default;

    void handleAsyncUpdate() override;
};
} // namespace data
