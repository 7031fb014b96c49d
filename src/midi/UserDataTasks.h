#pragma once

#include "library/UserData.h"
#include "library/UserUnitSlotData.h"
#include "midi/MidiCommunicationError.h"
#include "midi/MidiCommunicationTask.h"
#include "midi/SysExProtocol.h"

namespace x48305_midi
{
// Reads the 32-byte header of one user-unit slot of the instrument (0x19
// request, 0x49 reply). The kind-specific receivers below keep what it read
// as a slot object of their own kind.
class UserUnitHeaderReceiver : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 5000;

    UserUnitKind getKind() const { return kind; }

    // The 32 bytes of the last header received.
    const UnitHeaderSummary& getReceivedHeader() const { return receivedHeader; }

protected:
    // userErrorCode: the code of a user-unit error reply (0x27 to 0x2F).
    UserUnitHeaderReceiver (CPXWMidi* midi, std::uint32_t channel, UserUnitKind kind, std::int32_t userErrorCode);

    // 0 with the header in `header` (all zero for an empty slot), 3, 5
    // (refused), 8 (too short) or the user-unit error code. On any other code
    // `header` is left as it was.
    std::int32_t receiveHeader (std::uint32_t slot, UnitHeaderSummary& header);

private:
    UserUnitKind kind;
    std::int32_t userErrorCode;
    UnitHeaderSummary receivedHeader {};
};

// One receiver per unit kind: `receive` fills its slot object, which keeps
// its previous content when the exchange fails.
template <typename SlotData, UserUnitKind Kind, std::int32_t UserErrorCode>
class UserUnitReceiverOf : public UserUnitHeaderReceiver
{
public:
    UserUnitReceiverOf (CPXWMidi* midi, std::uint32_t channel)
        : UserUnitHeaderReceiver (midi, channel, Kind, UserErrorCode)
    {
    }

    std::int32_t receive (const std::uint32_t& slot)
    {
        UnitHeaderSummary header {};
        const auto code = receiveHeader (slot, header);
        if (code == MidiCommunicationError::noError)
            received = SlotData (slot, header);
        return code;
    }

    // The last header received: InSlot, or Empty for an empty slot, with the
    // requested slot index.
    const SlotData& getReceived() const { return received; }

private:
    SlotData received;
};

// Moves, writes and clears user-unit slots of one kind on the instrument.
// Every operation waits for the instrument's acknowledgement.
class UserUnitTransmitter : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 5000;

    // Each returns 0 (acknowledged), 3, 5 (refused), 8 (broken) or 9 (a
    // user-unit error). Slots go on the wire as their low 7 bits.

    // Swaps the units of the two slots (0x1E).
    std::int32_t swapSlots (const std::uint32_t& firstSlot, const std::uint32_t& secondSlot);
    // Empties the slot (0x1B).
    std::int32_t clearSlot (const std::uint32_t& slot);

    UserUnitKind getKind() const { return kind; }

protected:
    UserUnitTransmitter (CPXWMidi* midi, std::uint32_t channel, UserUnitKind kind);

    // Writes a whole unit image into the slot (0x4A).
    std::int32_t transmitImage (const std::uint32_t& slot, const juce::MemoryBlock& image);

private:
    std::int32_t waitForAcknowledge();

    UserUnitKind kind;
};

template <typename SlotData, UserUnitKind Kind>
class UserUnitTransmitterOf : public UserUnitTransmitter
{
public:
    UserUnitTransmitterOf (CPXWMidi* midi, std::uint32_t channel) : UserUnitTransmitter (midi, channel, Kind) {}

    // Sends the unit's image unchanged: only a unit loaded from a package
    // holds one.
    std::int32_t transmit (const std::uint32_t& slot, const SlotData& unit)
    {
        return transmitImage (slot, unit.getImage());
    }
};

// A user-unit error reply to a header request gives 9 for an oscillator
// slot and 8 (broken message) for an effect slot.
class UserOscDataReceiver final
    : public UserUnitReceiverOf<x48305_data::UserOscData, UserUnitKind::oscillator,
                                MidiCommunicationError::receiveUserCommErr>
{
public:
    using UserUnitReceiverOf::UserUnitReceiverOf;
};

class UserModFXDataReceiver final
    : public UserUnitReceiverOf<x48305_data::UserModFXData, UserUnitKind::modulationEffect,
                                MidiCommunicationError::messageBroken>
{
public:
    using UserUnitReceiverOf::UserUnitReceiverOf;
};

class UserDelFXDataReceiver final
    : public UserUnitReceiverOf<x48305_data::UserDelFXData, UserUnitKind::delayEffect,
                                MidiCommunicationError::messageBroken>
{
public:
    using UserUnitReceiverOf::UserUnitReceiverOf;
};

class UserRevFXDataReceiver final
    : public UserUnitReceiverOf<x48305_data::UserRevFXData, UserUnitKind::reverbEffect,
                                MidiCommunicationError::messageBroken>
{
public:
    using UserUnitReceiverOf::UserUnitReceiverOf;
};

class UserOscDataTransmitter final : public UserUnitTransmitterOf<x48305_data::UserOscData, UserUnitKind::oscillator>
{
public:
    using UserUnitTransmitterOf::UserUnitTransmitterOf;
};

class UserModFXDataTransmitter final
    : public UserUnitTransmitterOf<x48305_data::UserModFXData, UserUnitKind::modulationEffect>
{
public:
    using UserUnitTransmitterOf::UserUnitTransmitterOf;
};

class UserDelFXDataTransmitter final
    : public UserUnitTransmitterOf<x48305_data::UserDelFXData, UserUnitKind::delayEffect>
{
public:
    using UserUnitTransmitterOf::UserUnitTransmitterOf;
};

class UserRevFXDataTransmitter final
    : public UserUnitTransmitterOf<x48305_data::UserRevFXData, UserUnitKind::reverbEffect>
{
public:
    using UserUnitTransmitterOf::UserUnitTransmitterOf;
};

// One unit kind as the jobs take it: its tasks and its number of slots.
template <typename ReceiverType, typename TransmitterType, std::uint32_t slots>
struct UnitKindTasks
{
    using Receiver = ReceiverType;
    using Transmitter = TransmitterType;
    static constexpr std::uint32_t numSlots = slots;
};

using OscKindTasks = UnitKindTasks<UserOscDataReceiver, UserOscDataTransmitter, x48305_data::UserData::numOscSlots>;
using ModFXKindTasks
    = UnitKindTasks<UserModFXDataReceiver, UserModFXDataTransmitter, x48305_data::UserData::numModFXSlots>;
using DelFXKindTasks
    = UnitKindTasks<UserDelFXDataReceiver, UserDelFXDataTransmitter, x48305_data::UserData::numDelFXSlots>;
using RevFXKindTasks
    = UnitKindTasks<UserRevFXDataReceiver, UserRevFXDataTransmitter, x48305_data::UserData::numRevFXSlots>;

// Calls `each` (kind, slotAt) for oscillators, modulation, delay and reverb
// effects in that order, where slotAt (s) is the store's slot object s of the
// kind, until one call returns a code other than 0; that code, or 0.
template <typename Store, typename Each>
std::int32_t forEachUnitKind (Store& units, Each each)
{
    std::int32_t code = each (OscKindTasks(), [&] (std::uint32_t s) -> auto& { return units.getUserOscData (s); });
    if (code == 0)
        code = each (ModFXKindTasks(), [&] (std::uint32_t s) -> auto& { return units.getUserModFXData (s); });
    if (code == 0)
        code = each (DelFXKindTasks(), [&] (std::uint32_t s) -> auto& { return units.getUserDelFXData (s); });
    if (code == 0)
        code = each (RevFXKindTasks(), [&] (std::uint32_t s) -> auto& { return units.getUserRevFXData (s); });
    return code;
}
}
