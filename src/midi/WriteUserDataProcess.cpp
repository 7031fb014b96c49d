#include "midi/WriteUserDataProcess.h"

#include "application/CPXWResource.h"
#include "midi/MidiCommunicationError.h"
#include "midi/UserDataTasks.h"

#include <set>
#include <utility>

namespace x48305_midi
{
using x48305_data::UserData;
using x48305_data::UserUnitKinds;

namespace
{
// A slot index that is negative as a signed 32-bit value (0xFFFFFFFF: none)
// names no instrument slot.
bool namesASlot (std::uint32_t slotIndex)
{
    return (std::int32_t) slotIndex >= 0;
}

// What a slot that the instrument has cleared reports.
bool isEmptyHeader (const UnitHeaderSummary& header)
{
    return x48305_data::UserUnitSlotData (0, header).getState() == UnitSlotState::Empty;
}

template <typename Kind>
bool claimsConflict (const UserData& units)
{
    std::set<std::uint32_t> claimed;
    for (std::uint32_t i = 0; i < Kind::numSlots; ++i)
    {
        const auto& slot = units.slot<Kind> (i);
        if (slot.getState() == UnitSlotState::InSlot && namesASlot (slot.getSlotIndex())
            && ! claimed.insert (slot.getSlotIndex()).second)
            return true;
    }
    return false;
}
}

WriteUserDataProcess::WriteUserDataProcess (UserData& source, x48305_data::UserUnitsMatch& match)
    : UserDataProcess (source, match, "ConnectionWriteUserDataTitle", "CommunicationProcessWriteUserData")
{
}

bool WriteUserDataProcess::hasConflictingSlotClaims (const UserData& units)
{
    return UserUnitKinds::forEach ([&] (auto kind) { return claimsConflict<decltype (kind)> (units) ? 1 : 0; }) != 0;
}

int WriteUserDataProcess::runOnCopy (UserData& units, const std::function<int (UserData&)>& write)
{
    UserData copy (units);
    const auto result = write (copy);
    units = copy;
    return result;
}

std::int32_t WriteUserDataProcess::run()
{
    std::uint32_t channel = 0;
    if (std::int32_t code = 0; ! beginUnitTransfer (channel, code))
        return code;
    if (! unitsMatch->mayWrite())
        return refuseWith ("WriteUserDataErrorUnitsChanged");
    if (hasConflictingSlotClaims (*store))
        return refuseWith ("WriteUserDataErrorConflictingSlots");

    const auto code = UserUnitKinds::forEach ([&] (auto kind) { return checkClaims<decltype (kind)> (channel); });
    if (code != 0)
        return code;

    // Every kind after the first tests for a cancel once more before its
    // swaps; the first comes right after the start.
    bool firstKind = true;
    const auto written = UserUnitKinds::forEach ([&] (auto kind) {
        if (! std::exchange (firstKind, false) && isCancelRequested())
            return endCanceled();
        return writeKind<decltype (kind)> (channel);
    });
    if (written != 0)
        return written;

    setProgress (1.0f);
    return MidiCommunicationError::noError;
}

template <typename Kind>
std::int32_t WriteUserDataProcess::writeKind (std::uint32_t channel)
{
    UserUnitTransmitterOf<Kind> transmitter (getMidi(), channel);
    prepareTask (transmitter);
    UserUnitReceiverOf<Kind> receiver (getMidi(), channel);
    prepareTask (receiver);

    // The units the instrument holds, from the highest position down.
    std::vector<Move> moves;
    for (auto position = Kind::numSlots; position-- > 0;)
    {
        const auto& slot = store->slot<Kind> (position);
        if (slot.getState() == UnitSlotState::InSlot && namesASlot (slot.getSlotIndex()))
            moves.push_back ({ slot.getSlotIndex(), position });
    }

    if (const auto code = swapIntoPlace<Kind> (transmitter, receiver, moves))
        return code;
    return clearAndWrite<Kind> (transmitter, receiver);
}

template <typename Kind>
std::int32_t WriteUserDataProcess::checkClaims (std::uint32_t channel)
{
    UserUnitReceiverOf<Kind> receiver (getMidi(), channel);
    prepareTask (receiver);
    for (std::uint32_t position = 0; position < Kind::numSlots; ++position)
    {
        const auto& slot = store->slot<Kind> (position);
        if (slot.getState() != UnitSlotState::InSlot || ! namesASlot (slot.getSlotIndex()))
            continue;
        const auto claimed = slot.getHeaderSummary();
        bool holds = false;
        if (const auto code = readBack (receiver, slot.getSlotIndex(),
                                        [&] (const UnitHeaderSummary& h) { return h == claimed; }, holds))
            return code;
        if (! holds)
            return refuseWith ("WriteUserDataErrorUnitsChanged");
    }
    return MidiCommunicationError::noError;
}

template <typename Kind>
std::int32_t WriteUserDataProcess::swapIntoPlace (UserUnitTransmitterOf<Kind>& transmitter,
                                                  UserUnitReceiverOf<Kind>& receiver, std::vector<Move>& moves)
{
    for (std::size_t k = 0; k < moves.size(); ++k)
    {
        const auto move = moves[k];
        if (move.from != move.position)
        {
            const auto moved = store->slot<Kind> (move.position).getHeaderSummary();
            if (const auto code = confirmStep (transmitter.swapSlots (move.from, move.position), receiver, move.position,
                                               [&] (const UnitHeaderSummary& h) { return h == moved; }))
                return code;
        }

        // The unit now sits in its position. The unit that sat there went to
        // `from`: the object still waiting for it follows it there. Only the
        // slot indices change; an object still to be written or cleared is
        // not touched.
        store->slot<Kind> (move.position).setSlotIndexOnly (move.position);
        for (auto rest = k + 1; rest < moves.size(); ++rest)
        {
            if (moves[rest].from == move.position)
            {
                moves[rest].from = move.from;
                store->slot<Kind> (moves[rest].position).setSlotIndexOnly (move.from);
                break;
            }
        }

        if (const auto code = countStep())
            return code;
    }
    return MidiCommunicationError::noError;
}

template <typename Kind>
std::int32_t WriteUserDataProcess::clearAndWrite (UserUnitTransmitterOf<Kind>& transmitter,
                                                  UserUnitReceiverOf<Kind>& receiver)
{
    for (std::uint32_t position = 0; position < Kind::numSlots; ++position)
    {
        auto& slot = store->slot<Kind> (position);
        std::int32_t sent = MidiCommunicationError::noError;
        switch (slot.getState())
        {
            case UnitSlotState::InSlot: continue;
            case UnitSlotState::Empty: sent = transmitter.clearSlot (position); break;
            case UnitSlotState::FromFile: sent = transmitter.transmit (position, slot); break;
        }

        const auto written = slot.getHeaderSummary();
        const bool clearing = slot.getState() == UnitSlotState::Empty;
        if (const auto confirmed = confirmStep (sent, receiver, position, [&] (const UnitHeaderSummary& h) {
                return clearing ? isEmptyHeader (h) : h == written;
            }))
            return confirmed;
        if (! clearing && ! Kind::writtenUnitStaysFromFile)
            slot.setSlotIndex (position);

        if (const auto code = countStep())
            return code;
    }
    return MidiCommunicationError::noError;
}

template <typename Receiver>
std::int32_t WriteUserDataProcess::confirmStep (std::int32_t sent, Receiver& receiver, std::uint32_t slot,
                                                const HeaderTest& holdsWanted)
{
    if (sent == MidiCommunicationError::receiveNakOnReceive || sent == MidiCommunicationError::receiveUserCommErr)
        return endWithError (sent);
    const auto code = sent != MidiCommunicationError::noError ? endWithError (sent)
                                                              : confirmSlot (receiver, slot, holdsWanted);
    if (code != MidiCommunicationError::noError)
        unitsMatch->writeLostTrack();
    return code;
}

std::int32_t WriteUserDataProcess::refuseWith (const juce::String& key)
{
    setStatusText (getLocalizedText (key));
    setDetailText (getLocalizedText (key + "Detail"));
    return MidiCommunicationError::receiveWriteError;
}
}
