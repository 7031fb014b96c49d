#include "midi/SysExGenerator.h"

#include "library/ProgramData.h"
#include "midi/SevenBitPacking.h"

namespace x48305_midi
{
namespace
{
std::uint8_t* bytesOf (juce::MemoryBlock& block)
{
    return static_cast<std::uint8_t*> (block.getData());
}

// A program number travels as two 7-bit bytes, low first.
void putProgramNumber (std::uint8_t* at, std::uint32_t number)
{
    at[0] = (std::uint8_t) (number & 0x7F);
    at[1] = (std::uint8_t) ((number >> 7) & 0x7F);
}

std::uint8_t kindByte (UserUnitKind kind)
{
    return static_cast<std::uint8_t> (kind);
}
}

SysExGenerator::SysExGenerator (std::uint32_t ch)
    : SysExGenerator (ch, getCurrentInstrumentAddress())
{
}

SysExGenerator::SysExGenerator (std::uint32_t ch, const InstrumentAddress& address)
    : channel (ch),
      familyCodeHigh ((std::uint8_t) ((address.familyCode >> 8) & 0x7F)),
      familyCodeLow ((std::uint8_t) (address.familyCode & 0x7F)),
      memberId ((std::uint8_t) (address.memberId & 0x7F))
{
}

juce::MemoryBlock SysExGenerator::createMakerMessage (std::uint8_t function, std::size_t totalSize) const
{
    juce::MemoryBlock block (totalSize, true);
    auto* bytes = bytesOf (block);
    bytes[0] = sysex::start;
    bytes[1] = manufacturerId;
    bytes[sysex::channelOffset] = (std::uint8_t) (sysex::channelBase + (channel & 0x0F));
    bytes[3] = 0x00;
    bytes[sysex::familyHighOffset] = familyCodeHigh;
    bytes[sysex::familyLowOffset] = familyCodeLow;
    bytes[sysex::functionOffset] = function;
    bytes[totalSize - 1] = sysex::end;
    return block;
}

juce::MemoryBlock SysExGenerator::createIdentityRequest() const
{
    const std::uint8_t request[] = { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    return juce::MemoryBlock (request, sizeof (request));
}

juce::MemoryBlock SysExGenerator::createProgramDataDumpRequest (std::uint32_t programNumber) const
{
    auto block = createMakerMessage (SysExFunction::programDataDumpRequest, 10);
    putProgramNumber (bytesOf (block) + 7, programNumber);
    return block;
}

juce::MemoryBlock SysExGenerator::createLivesetDataDumpRequest() const
{
    return createMakerMessage (SysExFunction::livesetDataDumpRequest, 8);
}

juce::MemoryBlock SysExGenerator::createCurrentProgramDataDump (const x48305_data::ProgramData& program) const
{
    auto block = createMakerMessage (SysExFunction::currentProgramDataDump,
                                     sysex::headerSize + getPackedSize (sysex::programRecordSize) + 1);
    packSevenBit (bytesOf (block) + 7, program.getRawData(), sysex::programRecordSize);
    return block;
}

juce::MemoryBlock SysExGenerator::createProgramDataDump (std::uint32_t programNumber,
                                                         const x48305_data::ProgramData& program) const
{
    auto block = createMakerMessage (SysExFunction::programDataDump,
                                     sysex::headerSize + 2 + getPackedSize (sysex::programRecordSize) + 1);
    putProgramNumber (bytesOf (block) + 7, programNumber);
    packSevenBit (bytesOf (block) + 9, program.getRawData(), sysex::programRecordSize);
    return block;
}

juce::MemoryBlock SysExGenerator::createLivesetDataDump (const juce::MemoryBlock& source) const
{
    auto block = createMakerMessage (SysExFunction::livesetDataDump,
                                     sysex::headerSize + getPackedSize (source.getSize()) + 1);
    packSevenBit (bytesOf (block) + 7, static_cast<const std::uint8_t*> (source.getData()), source.getSize());
    return block;
}

juce::MemoryBlock SysExGenerator::createUserSlotMessage (std::uint8_t function, UserUnitKind kind,
                                                         std::uint32_t slot, std::size_t size) const
{
    auto block = createMakerMessage (function, size);
    bytesOf (block)[7] = kindByte (kind);
    bytesOf (block)[8] = (std::uint8_t) (slot & 0x7F);
    return block;
}

juce::MemoryBlock SysExGenerator::createUserDataRequest (UserUnitKind kind, std::uint32_t slot) const
{
    return createUserSlotMessage (SysExFunction::userDataRequest, kind, slot);
}

juce::MemoryBlock SysExGenerator::createUserDataDump (UserUnitKind kind, std::uint32_t slot,
                                                      const juce::MemoryBlock& image) const
{
    const auto imageSize = image.getSize();

    // The image goes behind an 8-byte prefix: its size (u32, little-endian)
    // and four zero bytes.
    juce::MemoryBlock payload (sysex::unitDumpPrefixSize + imageSize, true);
    auto* prefix = bytesOf (payload);
    const auto size32 = (std::uint32_t) imageSize;
    for (int i = 0; i < 4; ++i)
        prefix[i] = (std::uint8_t) ((size32 >> (8 * i)) & 0xFF);
    payload.copyFrom (image.getData(), (int) sysex::unitDumpPrefixSize, imageSize);

    auto block = createUserSlotMessage (SysExFunction::userDataDump, kind, slot, 10 + getPackedSize (payload.getSize()));
    packSevenBit (bytesOf (block) + 9, bytesOf (payload), payload.getSize());
    return block;
}

juce::MemoryBlock SysExGenerator::createUserSlotSwap (UserUnitKind kind, std::uint8_t firstSlot,
                                                      std::uint8_t secondSlot) const
{
    auto block = createUserSlotMessage (SysExFunction::userSlotSwap, kind, firstSlot, 11);
    bytesOf (block)[9] = (std::uint8_t) (secondSlot & 0x7F);
    return block;
}

juce::MemoryBlock SysExGenerator::createUserSlotClear (UserUnitKind kind, std::uint8_t slot) const
{
    return createUserSlotMessage (SysExFunction::userSlotClear, kind, slot);
}

juce::MemoryBlock SysExGenerator::createUserOscDataRequest (std::uint32_t slot) const { return createUserDataRequest (UserUnitKind::oscillator, slot); }
juce::MemoryBlock SysExGenerator::createUserModFXDataRequest (std::uint32_t slot) const { return createUserDataRequest (UserUnitKind::modulationEffect, slot); }
juce::MemoryBlock SysExGenerator::createUserDelFXDataRequest (std::uint32_t slot) const { return createUserDataRequest (UserUnitKind::delayEffect, slot); }
juce::MemoryBlock SysExGenerator::createUserRevFXDataRequest (std::uint32_t slot) const { return createUserDataRequest (UserUnitKind::reverbEffect, slot); }

juce::MemoryBlock SysExGenerator::createUserOscDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const { return createUserDataDump (UserUnitKind::oscillator, slot, image); }
juce::MemoryBlock SysExGenerator::createUserModFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const { return createUserDataDump (UserUnitKind::modulationEffect, slot, image); }
juce::MemoryBlock SysExGenerator::createUserDelFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const { return createUserDataDump (UserUnitKind::delayEffect, slot, image); }
juce::MemoryBlock SysExGenerator::createUserRevFXDataDump (std::uint32_t slot, const juce::MemoryBlock& image) const { return createUserDataDump (UserUnitKind::reverbEffect, slot, image); }

juce::MemoryBlock SysExGenerator::createUserOscSlotSwap (std::uint8_t a, std::uint8_t b) const { return createUserSlotSwap (UserUnitKind::oscillator, a, b); }
juce::MemoryBlock SysExGenerator::createUserModFXSlotSwap (std::uint8_t a, std::uint8_t b) const { return createUserSlotSwap (UserUnitKind::modulationEffect, a, b); }
juce::MemoryBlock SysExGenerator::createUserDelFXSlotSwap (std::uint8_t a, std::uint8_t b) const { return createUserSlotSwap (UserUnitKind::delayEffect, a, b); }
juce::MemoryBlock SysExGenerator::createUserRevFXSlotSwap (std::uint8_t a, std::uint8_t b) const { return createUserSlotSwap (UserUnitKind::reverbEffect, a, b); }

juce::MemoryBlock SysExGenerator::createUserOscSlotClear (std::uint8_t slot) const { return createUserSlotClear (UserUnitKind::oscillator, slot); }
juce::MemoryBlock SysExGenerator::createUserModFXSlotClear (std::uint8_t slot) const { return createUserSlotClear (UserUnitKind::modulationEffect, slot); }
juce::MemoryBlock SysExGenerator::createUserDelFXSlotClear (std::uint8_t slot) const { return createUserSlotClear (UserUnitKind::delayEffect, slot); }
juce::MemoryBlock SysExGenerator::createUserRevFXSlotClear (std::uint8_t slot) const { return createUserSlotClear (UserUnitKind::reverbEffect, slot); }
}
