#include "midi/ReceiveUserDataProcess.h"

#include "midi/MidiCommunicationError.h"
#include "midi/UserDataTasks.h"

namespace x48305_midi
{
using x48305_data::UserData;

ReceiveUserDataProcess::ReceiveUserDataProcess (UserData& target)
    : UserDataProcess (target, "ConnectionReceiveUserDataTitle", "CommunicationProcessReceiveUserData")
{
}

std::int32_t ReceiveUserDataProcess::run()
{
    std::uint32_t channel = 0;
    if (std::int32_t code = 0; ! beginUnitTransfer (channel, code))
        return code;

    auto& units = *store;
    std::int32_t code = receiveKind<UserOscDataReceiver> (channel, UserData::numOscSlots,
                                                          [&] (std::uint32_t s) -> auto& { return units.getUserOscData (s); });
    if (code == 0)
        code = receiveKind<UserModFXDataReceiver> (channel, UserData::numModFXSlots,
                                                   [&] (std::uint32_t s) -> auto& { return units.getUserModFXData (s); });
    if (code == 0)
        code = receiveKind<UserDelFXDataReceiver> (channel, UserData::numDelFXSlots,
                                                   [&] (std::uint32_t s) -> auto& { return units.getUserDelFXData (s); });
    if (code == 0)
        code = receiveKind<UserRevFXDataReceiver> (channel, UserData::numRevFXSlots,
                                                   [&] (std::uint32_t s) -> auto& { return units.getUserRevFXData (s); });
    if (code != 0)
        return code;

    setProgress (1.0f);
    return MidiCommunicationError::noError;
}

template <typename Receiver, typename SlotAccess>
std::int32_t ReceiveUserDataProcess::receiveKind (std::uint32_t channel, std::uint32_t numSlots, SlotAccess slotAt)
{
    Receiver receiver (getMidi(), channel);
    prepareTask (receiver);

    for (std::uint32_t slot = 0; slot < numSlots; ++slot)
    {
        if (const auto code = receiveSure (receiver, slot))
            return code;
        slotAt (slot) = receiver.getReceived();
        countStep();
        if (isCancelRequested())
            return endCanceled();
    }
    return MidiCommunicationError::noError;
}
}
