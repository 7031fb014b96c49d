#pragma once

#include "midi/InstrumentAddress.h"
#include "midi/SysExProtocol.h"

#include <juce_core/juce_core.h>

#include <cstdint>

namespace x48305_data
{
class ProgramData;
}

namespace x48305_midi
{
// Builds every System Exclusive message that goes to the instrument. A
// generator is a short-lived value made for one channel right before a
// message is built; every result has exactly the size of its message.
class SysExGenerator
{
public:
    // Takes the family code and member ID from the installed instrument
    // address when constructed.
    explicit SysExGenerator (std::uint32_t channel);

    // Uses the given address instead.
    SysExGenerator (std::uint32_t channel, const InstrumentAddress& address);

    virtual ~SysExGenerator() = default;

    // F0 7E 7F 06 01 F7, the same on every channel.
    juce::MemoryBlock createIdentityRequest() const;

    juce::MemoryBlock createProgramDataDumpRequest (std::uint32_t programNumber) const;
    juce::MemoryBlock createLivesetDataDumpRequest() const;
    juce::MemoryBlock createCurrentProgramDataDump (const x48305_data::ProgramData& program) const;
    juce::MemoryBlock createProgramDataDump (std::uint32_t programNumber, const x48305_data::ProgramData& program) const;

    // Packs the whole block, whatever its size (128 bytes for a live-set block).
    juce::MemoryBlock createLivesetDataDump (const juce::MemoryBlock& block) const;

    // The user-unit messages, one per unit kind. A dump carries the unit's
    // image behind an 8-byte prefix that holds its size.
    juce::MemoryBlock createUserOscDataRequest (std::uint32_t slot) const;
    juce::MemoryBlock createUserModFXDataRequest (std::uint32_t slot) const;
    juce::MemoryBlock createUserDelFXDataRequest (std::uint32_t slot) const;
    juce::MemoryBlock createUserRevFXDataRequest (std::uint32_t slot) const;

    juce::MemoryBlock createUserOscDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const;
    juce::MemoryBlock createUserModFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const;
    juce::MemoryBlock createUserDelFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const;
    juce::MemoryBlock createUserRevFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const;

    juce::MemoryBlock createUserOscSlotSwap (std::uint8_t firstSlot, std::uint8_t secondSlot) const;
    juce::MemoryBlock createUserModFXSlotSwap (std::uint8_t firstSlot, std::uint8_t secondSlot) const;
    juce::MemoryBlock createUserDelFXSlotSwap (std::uint8_t firstSlot, std::uint8_t secondSlot) const;
    juce::MemoryBlock createUserRevFXSlotSwap (std::uint8_t firstSlot, std::uint8_t secondSlot) const;

    juce::MemoryBlock createUserOscSlotClear (std::uint8_t slot) const;
    juce::MemoryBlock createUserModFXSlotClear (std::uint8_t slot) const;
    juce::MemoryBlock createUserDelFXSlotClear (std::uint8_t slot) const;
    juce::MemoryBlock createUserRevFXSlotClear (std::uint8_t slot) const;

    // The same messages for a kind given as a value.
    juce::MemoryBlock createUserDataRequest (UserUnitKind kind, std::uint32_t slot) const;
    juce::MemoryBlock createUserDataDump (UserUnitKind kind, std::uint32_t slot, const juce::MemoryBlock& image) const;
    juce::MemoryBlock createUserSlotSwap (UserUnitKind kind, std::uint8_t firstSlot, std::uint8_t secondSlot) const;
    juce::MemoryBlock createUserSlotClear (UserUnitKind kind, std::uint8_t slot) const;

private:
    // A message of the given total size with the maker header, the function
    // code and the closing F7 in place; the caller fills bytes 7 onward.
    juce::MemoryBlock createMakerMessage (std::uint8_t function, std::size_t totalSize) const;

    // A message of `size` bytes that names one slot of a unit kind: the kind,
    // then the slot (low 7 bits), then what the caller fills in; F7 last. The
    // plain form is 10 bytes: kind, slot, F7.
    juce::MemoryBlock createUserSlotMessage (std::uint8_t function, UserUnitKind kind, std::uint32_t slot,
                                             std::size_t size = 10) const;

    std::uint32_t channel;
    std::uint8_t manufacturerId = sysex::manufacturerId;
    std::uint8_t familyCodeHigh;
    std::uint8_t familyCodeLow;
    std::uint8_t memberId;
};
}
