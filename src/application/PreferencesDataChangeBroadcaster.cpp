#include "application/PreferencesDataChangeBroadcaster.h"

namespace application
{
PreferencesDataChangeBroadcaster::~PreferencesDataChangeBroadcaster()
{
    cancelPendingUpdate();
}

void PreferencesDataChangeBroadcaster::notify()
{
    triggerAsyncUpdate();
}

void PreferencesDataChangeBroadcaster::changeListenerCallback (juce::ChangeBroadcaster*)
{
    notify();
}

void PreferencesDataChangeBroadcaster::handleAsyncUpdate()
{
    callListeners ([] (PreferencesDataChangeBroadcasterObserver& observer) { observer.preferencesDataChanged(); });
}
} // namespace application
