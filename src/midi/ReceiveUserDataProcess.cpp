#include "midi/ReceiveUserDataProcess.h"

#include "midi/MidiCommunicationError.h"
#include "midi/UserDataTasks.h"

namespace x48305_midi
{
using x48305_data::UserData;
using x48305_data::UserUnitKinds;

ReceiveUserDataProcess::ReceiveUserDataProcess (UserData& target, x48305_data::UserUnitsMatch& match)
    : UserDataProcess (target, match, "ConnectionReceiveUserDataTitle", "CommunicationProcessReceiveUserData")
{
}

std::int32_t ReceiveUserDataProcess::run()
{
    std::uint32_t channel = 0;
    if (std::int32_t code = 0; ! beginUnitTransfer (channel, code))
        return code;

    const auto code = UserUnitKinds::forEach ([&] (auto kind) { return receiveKind<decltype (kind)> (channel); });
    if (code != 0)
        return code;

    unitsMatch->everySlotReceived();
    setProgress (1.0f);
    return MidiCommunicationError::noError;
}

template <typename Kind>
std::int32_t ReceiveUserDataProcess::receiveKind (std::uint32_t channel)
{
    UserUnitReceiverOf<Kind> receiver (getMidi(), channel);
    prepareTask (receiver);

    for (std::uint32_t slot = 0; slot < Kind::numSlots; ++slot)
    {
        if (const auto code = receiveSure (receiver, slot))
            return code;
        store->slot<Kind> (slot) = receiver.getReceived();
        if (const auto code = countStep())
            return code;
    }
    return MidiCommunicationError::noError;
}
}
