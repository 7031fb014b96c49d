// The MIDI wrapper's packet parser, fed through the wrapper's own read
// callback with packet lists of fuzzer-chosen shape, with a listener that
// checks what it is handed and passes every System Exclusive message on to
// the analyzer, as a communication task does.
#include "midi/MidiMessageAnalyzer.h"
#include "midiport/CPXWMidi.h"
#include "midiport/CPXWMidiListener.h"
#include "midiport/MidiPacketParser.h"
#include "midiport/MidiPort.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
// A backend with one source whose input port hands its read callback to the
// fuzz target instead of a thread of its own.
class PacketSource : public midiport::Backend
{
public:
    bool isAvailable() const override { return true; }

    std::vector<midiport::Endpoint> getSources() override { return { endpoint() }; }
    std::vector<midiport::Endpoint> getDestinations() override { return {}; }

    std::unique_ptr<midiport::Client> createClient (const std::string&, midiport::SetupChangedCallback) override
    {
        return std::make_unique<Client> (*this);
    }

    std::unique_ptr<midiport::Device> createDevice (const midiport::DeviceSpec&, midiport::ReadCallback) override
    {
        return nullptr;
    }

    void deliver (const midiport::PacketList& packets)
    {
        if (read)
            read (packets);
    }

private:
    static midiport::Endpoint endpoint() { return { 1, "Fuzz", "Packets" }; }

    class InputPort : public midiport::InputPort
    {
    public:
        explicit InputPort (PacketSource& s) : source (s) {}
        ~InputPort() override { source.read = nullptr; }
        bool connectSource (const midiport::Endpoint&) override { return true; }
        void disconnectSource() override { source.read = nullptr; }
        // Packets are delivered on the caller's thread as they come.
        bool waitUntilDelivered (midiport::Deadline, midiport::StopSignal&) override { return true; }

    private:
        PacketSource& source;
    };

    class Client : public midiport::Client
    {
    public:
        explicit Client (PacketSource& s) : source (s) {}

        std::unique_ptr<midiport::InputPort> createInputPort (const std::string&, midiport::ReadCallback onRead) override
        {
            source.read = std::move (onRead);
            return std::make_unique<InputPort> (source);
        }

        std::unique_ptr<midiport::OutputPort> createOutputPort (const std::string&) override { return nullptr; }

    private:
        PacketSource& source;
    };

    midiport::ReadCallback read;
};

class CheckingListener : public CPXWMidiListener
{
public:
    void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        const auto length = message.getLength();
        if (length == 0 || message.getBytes()[0] < 0x80)
            __builtin_trap();
        const auto status = message.getBytes()[0];
        const auto expected = status >= 0xF8 ? 1u : getMidiMessageLength (status);
        if (length != expected)
            __builtin_trap();
        for (std::uint32_t i = 1; i < length; ++i)
            if (message.getBytes()[i] >= 0x80)
                __builtin_trap();
    }

    void sysExProgress (CPXWMidi*, std::uint32_t byteCount, const std::uint8_t* data) override
    {
        // Every byte reported must be readable.
        std::uint32_t sum = 0;
        for (std::uint32_t i = 0; i < byteCount; ++i)
            sum += data[i];
        progressSum += sum;
    }

    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        const auto length = message.getLength();
        const auto* bytes = message.getBytes();
        if (length < 2 || bytes[0] != 0xF0 || bytes[length - 1] != 0xF7
            || length > MidiPacketParser::maxSysExLength)
            __builtin_trap();
        for (std::uint32_t i = 1; i + 1 < length; ++i)
            if (bytes[i] >= 0x80)
                __builtin_trap();

        const x48305_midi::InstrumentAddress address { 343, 0 };
        x48305_midi::MidiMessageAnalyzer (address).analyze (message);
    }

    std::uint64_t progressSum = 0;
};
} // namespace

// Input layout: repeated lists, each a count byte (1-4 packets), then per
// packet a length byte and up to that many bytes.
extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    auto source = std::make_shared<PacketSource>();
    CPXWMidi midi (source);
    CheckingListener listener;
    midi.addListener (&listener);
    if (! midi.createClient ("fuzz") || ! midi.openInput (0))
        __builtin_trap();

    std::size_t pos = 0;
    std::uint64_t timestamp = 0;
    while (pos < size)
    {
        const int count = 1 + data[pos++] % 4;
        midiport::PacketList packets;
        for (int i = 0; i < count && pos < size; ++i)
        {
            const std::size_t wanted = data[pos++];
            const std::size_t length = std::min (wanted, size - pos);
            midiport::Packet packet;
            packet.bytes.assign (data + pos, data + pos + length);
            packet.timestamp = ++timestamp;
            packets.push_back (std::move (packet));
            pos += length;
        }
        source->deliver (packets);
    }

    midi.removeListener (&listener);
    return 0;
}
