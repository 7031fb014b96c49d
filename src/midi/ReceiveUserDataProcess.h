#pragma once

#include "midi/UserDataProcess.h"

namespace x48305_midi
{
// Reads the header of every user-unit slot of the instrument into the store
// it is given: 16 oscillators, 16 modulation, 8 delay and 8 reverb effects,
// in that order. Each slot becomes InSlot with its slot index, or Empty; the
// images stay empty, as the instrument reports headers only. Slots received
// before a failure or a cancel stay in the store; the caller uses it only
// after a success that was not skipped. A success means every slot was
// received as the instrument holds it, whatever the link repeated; it clears
// the mark of a write that lost track of the instrument.
class ReceiveUserDataProcess : public UserDataProcess
{
public:
    ReceiveUserDataProcess (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch);

    std::int32_t run() override;

private:
    template <typename Kind>
    std::int32_t receiveKind (std::uint32_t channel);
};
}
