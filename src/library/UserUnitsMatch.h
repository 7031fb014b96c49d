#pragma once

#include <atomic>

namespace x48305_data
{
// Whether the user-unit store can still be taken to match the instrument's
// slots. A write that sent a swap, write or clear and never learnt what it
// did (no answer, a late or broken one, a read-back that failed) marks it;
// every later write is then refused before it changes anything, until a
// receive of every slot has succeeded. The header check before a write
// cannot see such a loss when two units share a header.
//
// A fact about the instrument, not about the list: it is kept apart from the
// store, so that edits, undo and redo, which copy and replace stores, neither
// copy nor clear it. Only the step that applies a receive carries it: undoing
// that step brings back what was known before the receive, redoing it what
// the receive learnt. The jobs change it on the communication thread while
// the progress dialog blocks the interface.
class UserUnitsMatch
{
public:
    enum class State
    {
        notInDoubt,           // no write has lost track since the last receive
        writeOutcomeUnknown   // a write step may have changed the instrument unseen
    };

    State getState() const { return state.load(); }
    bool mayWrite() const { return getState() == State::notInDoubt; }

    // The only transitions.
    void writeLostTrack() { state = State::writeOutcomeUnknown; }
    void everySlotReceived() { state = State::notInDoubt; }
    // Back to a state read earlier, when a receive is undone.
    void returnTo (State earlier) { state = earlier; }

private:
    std::atomic<State> state { State::notInDoubt };
};
} // namespace x48305_data
