#pragma once

#include "application/PreferencesDataChangeBroadcasterObserver.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace application
{
// One coalesced preferencesDataChanged() pass, on the message thread, after
// any number of notify() calls or change messages.
class PreferencesDataChangeBroadcaster : public Singleton<PreferencesDataChangeBroadcaster>,
                                         public ListenerHolder<PreferencesDataChangeBroadcasterObserver>,
                                         private juce::AsyncUpdater,
                                         public juce::DeletedAtShutdown,
                                         public juce::ChangeListener
{
public:
    ~PreferencesDataChangeBroadcaster() override;

    void notify();
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

private:
    friend class Singleton<PreferencesDataChangeBroadcaster>;
    PreferencesDataChangeBroadcaster() = default;

    void handleAsyncUpdate() override;
};
} // namespace application
