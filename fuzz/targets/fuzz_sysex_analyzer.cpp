// The SysEx analyzer on one received message, the live-set block made from a
// live-set dump, and the 7-bit unpacking on its own.
#include "midi/AnalyzedInformation.h"
#include "midi/LivesetBlock.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/SevenBitPacking.h"
#include "midiport/CPXWMidiMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
// The payload size that each type with a payload always carries.
std::size_t payloadSizeOf (std::int32_t type)
{
    using namespace x48305_midi::AnalyzedMessageType;
    switch (type)
    {
        case identityReply: return 15;
        case currentProgramDataDump:
        case programDataDump: return 336;
        case livesetDataDump: return 128;
        case userDataHeader:
        case function51: return 32;
        default: return 0;
    }
}

void analyzeMessage (const std::uint8_t* data, std::size_t size)
{
    using namespace x48305_midi;
    const CPXWMidiMessage message (data, (std::uint32_t) size, 0);
    const auto info = MidiMessageAnalyzer (InstrumentAddress { 343, 0 }).analyze (message);

    if (info.data.getSize() != payloadSizeOf (info.type))
        __builtin_trap();
    if (info.type == AnalyzedMessageType::broken && info.value != 0)
        __builtin_trap();

    if (info.type == AnalyzedMessageType::livesetDataDump)
    {
        const LivesetBlock block (info.data);
        for (int bank = 0; bank < LivesetBlock::numBanks; ++bank)
            for (int slot = 0; slot < LivesetBlock::numSlots; ++slot)
                (void) block.getProgramNumber (bank, slot);
    }
}

// Unpacking from any offset with any count either refuses or stays inside
// the message; packing the bytes and unpacking them gives them back.
void unpackDirectly (const std::uint8_t* data, std::size_t size)
{
    using namespace x48305_midi;
    if (size < 3)
        return;
    const std::size_t count = data[0] | (std::size_t) (data[1] & 0x0F) << 8;
    const std::size_t offset = data[2];
    const auto* message = data + 3;
    const auto length = size - 3;

    std::vector<std::uint8_t> out (count + 1, 0xA5);
    if (unpackSevenBit (out.data(), count, message, length, offset) && getPackedSize (count) > length - std::min (offset, length))
        __builtin_trap();
    if (out[count] != 0xA5)
        __builtin_trap();

    std::vector<std::uint8_t> packed (getPackedSize (length));
    packSevenBit (packed.data(), message, length);
    for (auto b : packed)
        if (b >= 0x80)
            __builtin_trap();
    std::vector<std::uint8_t> back (length);
    if (! unpackSevenBit (back.data(), length, packed.data(), packed.size(), 0)
        || (length > 0 && std::memcmp (back.data(), message, length) != 0))
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    analyzeMessage (data, size);
    unpackDirectly (data, size);
    return 0;
}
