#include "action/DataChangeBroadcaster.h"

#include "action/ApplicationUndoManager.h"

namespace data
{
DataChangeBroadcaster::DataChangeBroadcaster()
{
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

DataChangeBroadcaster::~DataChangeBroadcaster()
{
    // This object registers for deletion at shutdown before its constructor
    // creates the undo manager, so shutdown may delete the undo manager first.
    if (application::ApplicationUndoManager::isAlive())
        application::ApplicationUndoManager::getInstance()->removeChangeListener (this);
    cancelPendingUpdate();
}

void DataChangeBroadcaster::notify()
{
    triggerAsyncUpdate();
}

void DataChangeBroadcaster::changeListenerCallback (juce::ChangeBroadcaster*)
{
    triggerAsyncUpdate();
}

void DataChangeBroadcaster::handleAsyncUpdate()
{
    callListeners ([] (DataChangeObserver& observer) { observer.dataChanged(); });
}
} // namespace data
