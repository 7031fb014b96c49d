#pragma once

#include "library/UserData.h"
#include "library/UserUnitsMatch.h"
#include "midi/SysExProtocol.h"
#include "midi/TransferProcess.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace x48305_midi
{
// Firmware before 1.0.13 (1.0.0 to 1.0.12) knows no user units.
bool firmwareSupportsUserUnits (const std::array<std::uint32_t, 3>& version);

// What the two user-unit jobs share: the store they work on and the mark of
// whether the data store's units match the instrument (neither owned), the
// firmware gate and the progress over the 48 slots of the four kinds.
class UserDataProcess : public TransferProcess
{
public:
    static constexpr int totalSlots = (int) x48305_data::UserUnitKinds::totalSlots;

    // True after a run that found firmware without user units: the run
    // ended with success at once and left the store as it was, so the store
    // says nothing about the instrument's units.
    bool wasSkipped() const { return skipped.load(); }

protected:
    UserDataProcess (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch, const char* titleKey,
                     const char* statusKey);

    // The start of both runs: the status text, the identity inquiry and the
    // firmware gate. True when the run goes on, on the instrument's channel;
    // false when it ends here with `code`: the inquiry's failure, or 0 for
    // firmware without user units (the run is then marked skipped and its
    // progress is complete).
    bool beginUnitTransfer (std::uint32_t& channel, std::int32_t& code);

    // One slot more done: progress steps / 48. Then a cancel that was asked
    // for ends the run: the cancel code, or 0.
    std::int32_t countStep();

    // What a header must hold to confirm a step.
    using HeaderTest = std::function<bool (const UnitHeaderSummary&)>;

    // Reads the slot's header into the receiver, sure that the answer is
    // this request's own. The instrument answers in order, and whatever was
    // received before a request is dropped as it goes out, so a stale reply
    // (an earlier answer repeated or late) can only be a copy of the last
    // header this run took. An answer that could be such a copy is asked for
    // again after the replies have settled; when the two differ, the run ends
    // with 8. 0, or the code the run ended with.
    template <typename Receiver>
    std::int32_t receiveSure (Receiver& receiver, std::uint32_t slot)
    {
        if (const auto code = receiver.receive (slot))
            return endWithError (code);
        const auto first = receiver.getReceivedHeader();
        if (couldBeStale (first))
        {
            if (const auto code = settleReplies())
                return code;
            if (const auto code = receiver.receive (slot))
                return endWithError (code);
            if (receiver.getReceivedHeader() != first)
                return endWithError (MidiCommunicationError::messageBroken);
        }
        lastHeader = first;
        return MidiCommunicationError::noError;
    }

    // Reads the slot's header back and tells whether it holds what
    // `holdsWanted` accepts. Where a copy of the last header would pass, the
    // replies settle first; a header that fails and could be such a copy is
    // read once more, so the answer is always sure. 0, or the code the run
    // ended with.
    template <typename Receiver>
    std::int32_t readBack (Receiver& receiver, std::uint32_t slot, const HeaderTest& holdsWanted, bool& holds)
    {
        bool settled = false;
        if (couldBeStale (holdsWanted))
        {
            if (const auto code = settleReplies())
                return code;
            settled = true;
        }
        if (const auto code = receiver.receive (slot))
            return endWithError (code);
        if (! settled && ! holdsWanted (receiver.getReceivedHeader()) && couldBeStale (receiver.getReceivedHeader()))
        {
            if (const auto code = settleReplies())
                return code;
            if (const auto code = receiver.receive (slot))
                return endWithError (code);
        }
        lastHeader = receiver.getReceivedHeader();
        holds = holdsWanted (*lastHeader);
        return MidiCommunicationError::noError;
    }

    // Confirms a step by reading the slot back: 0 when it holds what
    // `holdsWanted` accepts; otherwise the run ends with 7 (or the read's own
    // code).
    template <typename Receiver>
    std::int32_t confirmSlot (Receiver& receiver, std::uint32_t slot, const HeaderTest& holdsWanted)
    {
        bool holds = false;
        if (const auto code = readBack (receiver, slot, holdsWanted, holds))
            return code;
        return holds ? MidiCommunicationError::noError : endWithError (MidiCommunicationError::receiveWriteError);
    }

    x48305_data::UserData* store;
    x48305_data::UserUnitsMatch* unitsMatch;

private:
    bool couldBeStale (const UnitHeaderSummary& header) const { return lastHeader && *lastHeader == header; }
    bool couldBeStale (const HeaderTest& test) const { return lastHeader && test (*lastHeader); }

    // Makes sure that no reply to an earlier request is still on its way:
    // asks for the identity again, whose answer the instrument sends after
    // everything it sent before. 0, or the code the run ended with.
    std::int32_t settleReplies();

    std::optional<UnitHeaderSummary> lastHeader;
    int steps = 0;
    std::atomic<bool> skipped { false };
};
}
