#pragma once

#include "action/DataEditStatusListener.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

#include <cstdint>

namespace application
{
// The library's edited flag. It follows the undo history: every state of the
// data that the history can reach has a number of its own, and the flag is
// set exactly when the current state is not the one last saved or opened.
// Undoing past a save sets it, redoing back to the saved state clears it.
// Listeners hear of a change once, with the flag as it stands when the
// notice runs.
class DataEditStatus : public Singleton<DataEditStatus>,
                       public ListenerHolder<DataEditStatusListener>,
                       private juce::AsyncUpdater,
                       public juce::DeletedAtShutdown
{
public:
    using State = std::uint64_t;

    ~DataEditStatus() override;

    // The current state is the saved one.
    void clearEdited();
    bool isEdited() const { return edited; }

    // For the edit actions: the current state, a number no state had before,
    // and the move to a state (by perform, undo or redo).
    State getState() const { return current; }
    State makeNewState() { return ++lastIssued; }
    void moveTo (State state);

private:
    friend class Singleton<DataEditStatus>;
    DataEditStatus() = default;

    void update();
    void handleAsyncUpdate() override;

    State current = 0;
    State saved = 0;
    State lastIssued = 0;
    bool edited = false;
};
} // namespace application
