#include "midi/WriteUserDataProcess.h"

#include "application/CPXWResource.h"
#include "midi/MidiCommunicationError.h"
#include "midi/UserDataTasks.h"

#include <set>
#include <type_traits>

namespace x48305_midi
{
using x48305_data::UserData;

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

template <typename SlotAccess>
bool claimsConflict (std::uint32_t numSlots, SlotAccess slotAt)
{
    std::set<std::uint32_t> claimed;
    for (std::uint32_t i = 0; i < numSlots; ++i)
    {
        const auto& slot = slotAt (i);
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
    return forEachUnitKind (units, [] (auto kind, auto slotAt) { return claimsConflict (kind.numSlots, slotAt) ? 1 : 0; })
           != 0;
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

    const auto code = forEachUnitKind (*store, [&] (auto kind, auto slotAt) {
        return checkClaims<typename decltype (kind)::Receiver> (channel, kind.numSlots, slotAt);
    });
    if (code != 0)
        return code;

    // Effects test for a cancel once more before their swaps; oscillators
    // come right after the start. Reverb units stay FromFile after a write,
    // so they are written again on every run.
    const auto written = forEachUnitKind (*store, [&] (auto kind, auto slotAt) {
        using Kind = decltype (kind);
        return writeKind<typename Kind::Transmitter, typename Kind::Receiver> (
            channel, Kind::numSlots, slotAt, ! std::is_same_v<Kind, OscKindTasks>, ! std::is_same_v<Kind, RevFXKindTasks>);
    });
    if (written != 0)
        return written;

    setProgress (1.0f);
    return MidiCommunicationError::noError;
}

template <typename Transmitter, typename Receiver, typename SlotAccess>
std::int32_t WriteUserDataProcess::writeKind (std::uint32_t channel, std::uint32_t numSlots, SlotAccess slotAt,
                                              bool cancelBeforeSwaps, bool recordWrites)
{
    Transmitter transmitter (getMidi(), channel);
    prepareTask (transmitter);
    Receiver receiver (getMidi(), channel);
    prepareTask (receiver);

    // The units the instrument holds, from the highest position down.
    std::vector<Move> moves;
    for (auto position = numSlots; position-- > 0;)
    {
        const auto& slot = slotAt (position);
        if (slot.getState() == UnitSlotState::InSlot && namesASlot (slot.getSlotIndex()))
            moves.push_back ({ slot.getSlotIndex(), position });
    }

    if (cancelBeforeSwaps && isCancelRequested())
        return endCanceled();

    if (const auto code = swapIntoPlace (transmitter, receiver, moves, slotAt))
        return code;
    return clearAndWrite (transmitter, receiver, numSlots, slotAt, recordWrites);
}

template <typename Receiver, typename SlotAccess>
std::int32_t WriteUserDataProcess::checkClaims (std::uint32_t channel, std::uint32_t numSlots, SlotAccess slotAt)
{
    Receiver receiver (getMidi(), channel);
    prepareTask (receiver);
    for (std::uint32_t position = 0; position < numSlots; ++position)
    {
        const auto& slot = slotAt (position);
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

template <typename Transmitter, typename Receiver, typename SlotAccess>
std::int32_t WriteUserDataProcess::swapIntoPlace (Transmitter& transmitter, Receiver& receiver, std::vector<Move>& moves,
                                                  SlotAccess slotAt)
{
    for (std::size_t k = 0; k < moves.size(); ++k)
    {
        const auto move = moves[k];
        if (move.from != move.position)
        {
            const auto moved = slotAt (move.position).getHeaderSummary();
            if (const auto code = confirmStep (transmitter.swapSlots (move.from, move.position), receiver, move.position,
                                               [&] (const UnitHeaderSummary& h) { return h == moved; }))
                return code;
        }

        // The unit now sits in its position. The unit that sat there went to
        // `from`: the object still waiting for it follows it there. Only the
        // slot indices change; an object still to be written or cleared is
        // not touched.
        slotAt (move.position).setSlotIndexOnly (move.position);
        for (auto rest = k + 1; rest < moves.size(); ++rest)
        {
            if (moves[rest].from == move.position)
            {
                moves[rest].from = move.from;
                slotAt (moves[rest].position).setSlotIndexOnly (move.from);
                break;
            }
        }

        countStep();
        if (isCancelRequested())
            return endCanceled();
    }
    return MidiCommunicationError::noError;
}

template <typename Transmitter, typename Receiver, typename SlotAccess>
std::int32_t WriteUserDataProcess::clearAndWrite (Transmitter& transmitter, Receiver& receiver, std::uint32_t numSlots,
                                                  SlotAccess slotAt, bool recordWrites)
{
    for (std::uint32_t position = 0; position < numSlots; ++position)
    {
        auto& slot = slotAt (position);
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
        if (! clearing && recordWrites)
            slot.setSlotIndex (position);

        countStep();
        if (isCancelRequested())
            return endCanceled();
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
