#pragma once

#include "library/UserUnitKinds.h"
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

// What the instrument's messages add to a unit kind: its kind byte and the
// code of a user-unit error reply to a header request, which is 9 for an
// oscillator slot and 8 (broken message) for an effect slot.
struct UnitKindOnWire
{
    UserUnitKind kind;
    std::int32_t headerUserErrorCode;
};

constexpr UnitKindOnWire onWire (x48305_data::UserOscKind)
{
    return { UserUnitKind::oscillator, MidiCommunicationError::receiveUserCommErr };
}
constexpr UnitKindOnWire onWire (x48305_data::UserModFXKind)
{
    return { UserUnitKind::modulationEffect, MidiCommunicationError::messageBroken };
}
constexpr UnitKindOnWire onWire (x48305_data::UserDelFXKind)
{
    return { UserUnitKind::delayEffect, MidiCommunicationError::messageBroken };
}
constexpr UnitKindOnWire onWire (x48305_data::UserRevFXKind)
{
    return { UserUnitKind::reverbEffect, MidiCommunicationError::messageBroken };
}

// One receiver per unit kind: `receive` fills its slot object, which keeps
// its previous content when the exchange fails.
template <typename Kind>
class UserUnitReceiverOf : public UserUnitHeaderReceiver
{
public:
    UserUnitReceiverOf (CPXWMidi* midi, std::uint32_t channel)
        : UserUnitHeaderReceiver (midi, channel, onWire (Kind {}).kind, onWire (Kind {}).headerUserErrorCode)
    {
    }

    std::int32_t receive (const std::uint32_t& slot)
    {
        UnitHeaderSummary header {};
        const auto code = receiveHeader (slot, header);
        if (code == MidiCommunicationError::noError)
            received = typename Kind::Slot (slot, header);
        return code;
    }

    // The last header received: InSlot, or Empty for an empty slot, with the
    // requested slot index.
    const typename Kind::Slot& getReceived() const { return received; }

private:
    typename Kind::Slot received;
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

template <typename Kind>
class UserUnitTransmitterOf : public UserUnitTransmitter
{
public:
    UserUnitTransmitterOf (CPXWMidi* midi, std::uint32_t channel)
        : UserUnitTransmitter (midi, channel, onWire (Kind {}).kind)
    {
    }

    // Sends the unit's image unchanged: only a unit loaded from a package
    // holds one.
    std::int32_t transmit (const std::uint32_t& slot, const typename Kind::Slot& unit)
    {
        return transmitImage (slot, unit.getImage());
    }
};

using UserOscDataReceiver = UserUnitReceiverOf<x48305_data::UserOscKind>;
using UserModFXDataReceiver = UserUnitReceiverOf<x48305_data::UserModFXKind>;
using UserDelFXDataReceiver = UserUnitReceiverOf<x48305_data::UserDelFXKind>;
using UserRevFXDataReceiver = UserUnitReceiverOf<x48305_data::UserRevFXKind>;
using UserOscDataTransmitter = UserUnitTransmitterOf<x48305_data::UserOscKind>;
using UserModFXDataTransmitter = UserUnitTransmitterOf<x48305_data::UserModFXKind>;
using UserDelFXDataTransmitter = UserUnitTransmitterOf<x48305_data::UserDelFXKind>;
using UserRevFXDataTransmitter = UserUnitTransmitterOf<x48305_data::UserRevFXKind>;
}
