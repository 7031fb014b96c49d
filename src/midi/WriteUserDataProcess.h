#pragma once

#include "midi/UserDataProcess.h"
#include "midi/UserDataTasks.h"

#include <functional>
#include <vector>

namespace x48305_midi
{
// Makes the instrument's user-unit slots match the store it is given, kind
// by kind (oscillators, modulation, delay, reverb effects): first it swaps
// the units that sit in the wrong slot into place, then it clears the slots
// that are empty in the store and writes the units loaded from packages.
//
// Before the first swap, write or clear, the run makes sure that the store
// still says what the instrument holds. A run that sent a step and never
// learnt what it did (no reply, a late or broken one, a read-back that
// failed) has marked the units as not known to match: the instrument may
// have done the step, and reading headers cannot tell two builds of one unit
// apart. While that mark stands, every run is refused. Then every slot that
// an InSlot object names is read, for a unit changed on the instrument
// itself. Acting on a store that no longer matches would move or delete the
// wrong units: such a run stops before it changes anything and asks the user
// to receive the units again.
//
// Every swap, write and clear is confirmed by reading the slot's header
// back before anything else is sent, since an acknowledgement proves
// nothing when the link repeats or delays replies; the run stops at the
// first slot that does not hold what the step should have left there. The
// store's bookkeeping follows confirmed steps only: an InSlot object's slot
// index names the instrument slot that holds its unit, so a run that ends
// early by a refusal or a cancel leaves store and instrument agreeing and
// the next run completes the work.
class WriteUserDataProcess : public UserDataProcess
{
public:
    WriteUserDataProcess (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch);

    std::int32_t run() override;

    // True when two InSlot objects of one kind name the same instrument slot
    // (a copy of a received unit): such a store cannot be written truthfully,
    // and a run refuses it before it sends anything but the identity request.
    static bool hasConflictingSlotClaims (const x48305_data::UserData& store);

    // Runs a write over a copy of the store (`write` runs the job over the
    // copy it is handed, behind the progress dialog), then puts the copy back
    // into the store on the calling thread, whatever the outcome: the job's
    // thread never writes the store that the lists read, and the store ends
    // as the instrument was left, after an error or a cancel too. Returns
    // what `write` returned.
    static int runOnCopy (x48305_data::UserData& store, const std::function<int (x48305_data::UserData& copy)>& write);

private:
    // A unit the instrument holds in slot `from` that belongs in `position`.
    struct Move
    {
        std::uint32_t from;
        std::uint32_t position;
    };

    template <typename Kind>
    std::int32_t writeKind (std::uint32_t channel);

    // 0 when every slot that an InSlot object of the kind names holds its
    // unit.
    template <typename Kind>
    std::int32_t checkClaims (std::uint32_t channel);

    template <typename Kind>
    std::int32_t swapIntoPlace (UserUnitTransmitterOf<Kind>& transmitter, UserUnitReceiverOf<Kind>& receiver,
                                std::vector<Move>& moves);

    template <typename Kind>
    std::int32_t clearAndWrite (UserUnitTransmitterOf<Kind>& transmitter, UserUnitReceiverOf<Kind>& receiver);

    // Ends the run after a swap, write or clear that returned `sent`: 0 when
    // it was acknowledged and the slot reads back as `holdsWanted` accepts.
    // A refusal or a user-unit error is the instrument's answer that it did
    // nothing; any other failure leaves the step's outcome unknown and marks
    // the units.
    template <typename Receiver>
    std::int32_t confirmStep (std::int32_t sent, Receiver& receiver, std::uint32_t slot, const HeaderTest& holdsWanted);

    // Ends the run with 7 and the texts of `key` and `key` + "Detail".
    std::int32_t refuseWith (const juce::String& key);
};
}
