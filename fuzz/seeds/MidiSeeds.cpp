// System Exclusive messages of every kind the analyzer knows, and packet
// streams for the MIDI wrapper, built with the program's SysEx builder and
// 7-bit packing.
#include "SeedWriter.h"

#include "midi/LivesetBlock.h"
#include "midi/SevenBitPacking.h"
#include "midi/SysExGenerator.h"

#include <cstdint>
#include <vector>

namespace seeds
{
namespace
{
using Bytes = std::vector<std::uint8_t>;

const x48305_midi::InstrumentAddress address { 343, 0 };

Bytes bytesOf (const juce::MemoryBlock& block)
{
    const auto* p = static_cast<const std::uint8_t*> (block.getData());
    return Bytes (p, p + block.getSize());
}

juce::MemoryBlock blockOf (const Bytes& bytes)
{
    return juce::MemoryBlock (bytes.data(), bytes.size());
}

// A maker message from the instrument: header, function, the given bytes,
// then the payload packed to 7 bits, then F7.
Bytes makerMessage (std::uint8_t function, const Bytes& plain = {}, const Bytes& payload = {})
{
    Bytes message { 0xF0, 0x7D, 0x30, 0x00, (std::uint8_t) ((343 >> 8) & 0x7F), (std::uint8_t) (343 & 0x7F), function };
    message.insert (message.end(), plain.begin(), plain.end());
    if (! payload.empty())
    {
        Bytes packed (x48305_midi::getPackedSize (payload.size()));
        x48305_midi::packSevenBit (packed.data(), payload.data(), payload.size());
        message.insert (message.end(), packed.begin(), packed.end());
    }
    message.push_back (0xF7);
    return message;
}

Bytes counting (std::size_t n)
{
    Bytes b (n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = (std::uint8_t) (i * 37 + 11);
    return b;
}

// Every kind of message the instrument sends or the analyzer classifies.
std::vector<std::pair<juce::String, Bytes>> allMessages()
{
    const x48305_midi::SysExGenerator generator (0, address);
    const auto program = makeProgram (3);

    x48305_midi::LivesetBlock liveset;
    for (int bank = 0; bank < x48305_midi::LivesetBlock::numBanks; ++bank)
        for (int slot = 0; slot < x48305_midi::LivesetBlock::numSlots; ++slot)
            liveset.setProgramNumber (bank, slot, (std::uint32_t) (bank * 120 + slot * 13));

    return {
        { "identity-reply", { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x7D, 0x57, 0x01, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0xF7 } },
        { "identity-request", bytesOf (generator.createIdentityRequest()) },
        { "program-dump", bytesOf (generator.createProgramDataDump (499, program)) },
        { "current-program-dump", bytesOf (generator.createCurrentProgramDataDump (program)) },
        { "program-dump-request", bytesOf (generator.createProgramDataDumpRequest (128)) },
        { "liveset-dump", bytesOf (generator.createLivesetDataDump (liveset.getBytes())) },
        { "liveset-dump-request", bytesOf (generator.createLivesetDataDumpRequest()) },
        { "user-unit-dump", bytesOf (generator.createUserOscDataDump (3, blockOf (counting (100)))) },
        { "user-unit-request", bytesOf (generator.createUserRevFXDataRequest (7)) },
        { "user-unit-swap", bytesOf (generator.createUserModFXSlotSwap (1, 2)) },
        { "user-unit-clear", bytesOf (generator.createUserDelFXSlotClear (5)) },
        { "user-unit-header-empty", makerMessage (0x49, { 0x04, 0x00, 0x00 }) },
        { "user-unit-header", makerMessage (0x49, { 0x04, 0x02, 0x00 }, counting (32)) },
        { "function-51", makerMessage (0x51, {}, counting (32)) },
        { "acknowledge", makerMessage (0x23) },
        { "refusal", makerMessage (0x24) },
        { "function-26", makerMessage (0x26) },
        { "user-unit-error", makerMessage (0x2A) },
        { "function-0e", makerMessage (0x0E) },
        { "function-10", makerMessage (0x10) },
        { "function-47", makerMessage (0x47) },
        { "function-48", makerMessage (0x48) },
        { "unknown-function", makerMessage (0x7F, { 0x01, 0x02 }) },
    };
}

// One packet list of the packet target: a count byte (the target takes it
// modulo 4, plus 1), then per packet a length byte and the bytes.
void appendList (Bytes& stream, const std::vector<Bytes>& packets)
{
    stream.push_back ((std::uint8_t) (packets.size() - 1));
    for (const auto& p : packets)
    {
        stream.push_back ((std::uint8_t) p.size());
        stream.insert (stream.end(), p.begin(), p.end());
    }
}

// The message cut into packets of at most `size` bytes, `perList` packets to
// a list.
Bytes packetStream (const Bytes& message, std::size_t size, std::size_t perList)
{
    Bytes stream;
    std::vector<Bytes> list;
    for (std::size_t pos = 0; pos < message.size(); pos += size)
    {
        list.emplace_back (message.begin() + (long) pos, message.begin() + (long) std::min (message.size(), pos + size));
        if (list.size() == perList)
        {
            appendList (stream, list);
            list.clear();
        }
    }
    if (! list.empty())
        appendList (stream, list);
    return stream;
}
} // namespace

void writeMidiSeeds (SeedWriter& writer)
{
    const auto messages = allMessages();
    for (const auto& [name, bytes] : messages)
        writer.write ("fuzz_sysex_analyzer", name, blockOf (bytes));

    const juce::String target ("fuzz_midi_packets");
    for (const auto& [name, bytes] : messages)
        if (name == "program-dump" || name == "liveset-dump" || name == "identity-reply" || name == "user-unit-header")
            writer.write (target, name + "-split", blockOf (packetStream (bytes, 61, 3)));

    // Short messages of every length, running into each other in one packet,
    // with real-time bytes between them.
    const Bytes shortMessages { 0x90, 0x3C, 0x64, 0xF8, 0x80, 0x3C, 0x00, 0xB0, 0x07, 0x7F, 0xC0, 0x05, 0xD0, 0x40,
                                0xE0, 0x00, 0x40, 0xF1, 0x10, 0xF2, 0x01, 0x02, 0xF3, 0x03, 0xF6, 0xFE, 0xFA, 0xFC };
    writer.write (target, "short-messages", blockOf (packetStream (shortMessages, shortMessages.size(), 1)));

    // A dump with a timing clock inside it, and one abandoned by a status byte.
    auto withClock = bytesOf (x48305_midi::SysExGenerator (0, address).createCurrentProgramDataDump (makeProgram (4)));
    withClock.insert (withClock.begin() + 100, 0xF8);
    auto abandoned = makerMessage (0x51, {}, counting (32));
    abandoned.insert (abandoned.begin() + 20, 0x90);
    auto both = withClock;
    both.insert (both.end(), abandoned.begin(), abandoned.end());
    writer.write (target, "clock-and-abandoned", blockOf (packetStream (both, 200, 4)));
}
} // namespace seeds
