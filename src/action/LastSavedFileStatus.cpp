#include "action/LastSavedFileStatus.h"

namespace application
{
LastSavedFileStatus::~LastSavedFileStatus()
{
    cancelPendingUpdate();
}

void LastSavedFileStatus::setFile (const juce::File& newFile)
{
    if (newFile == file)
        return;
    file = newFile;
    triggerAsyncUpdate();
}

void LastSavedFileStatus::handleAsyncUpdate()
{
    const juce::File current = file;
    callListeners ([&current] (LastSavedFileStatusListener& listener) { listener.lastSavedFileChanged (current); });
}
} // namespace application
