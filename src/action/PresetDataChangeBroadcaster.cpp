#include "action/PresetDataChangeBroadcaster.h"

namespace data
{
PresetDataChangeBroadcaster::~PresetDataChangeBroadcaster()
{
    cancelPendingUpdate();
}

void PresetDataChangeBroadcaster::notify()
{
    triggerAsyncUpdate();
}

void PresetDataChangeBroadcaster::handleAsyncUpdate()
{
    callListeners ([] (PresetDataChangeBroadcasterObserver& observer) { observer.presetDataChanged(); });
}
} // namespace data
