#pragma once

#include "action/DataEditStatusListener.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace application
{
// The library's edited flag. Listeners hear of a change once, with the flag
// as it stands when the notice runs.
class DataEditStatus : public Singleton<DataEditStatus>,
                       public ListenerHolder<DataEditStatusListener>,
                       private juce::AsyncUpdater,
                       public juce::DeletedAtShutdown
{
public:
    ~DataEditStatus() override;

    void setEdited();
    void clearEdited();
    bool isEdited() const { return edited; }

private:
    friend class Singleton<DataEditStatus>;
    DataEditStatus() = default;

    void handleAsyncUpdate() override;

    bool edited = false;
};
} // namespace application
