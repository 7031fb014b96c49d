// The backend against a port of a kernel MIDI driver: the virtual raw MIDI
// card's sequencer port hands what it gets to a raw MIDI device with a 4 KiB
// buffer, as a hardware interface does, and what is written to the raw MIDI
// device comes out of its source as the kernel's own System Exclusive pieces.

#include "SequencerTestSupport.h"

#include "midiport/AlsaBackend.h"

#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

using namespace seqtest;

namespace
{
const char* const rawMidiName = "hw:0,0";
const char* const portName = "Virtual Raw MIDI 0-0 - VirMIDI 0-0";

// The raw MIDI side of the card: reads everything as it arrives, and writes.
class RawMidiSide
{
public:
    RawMidiSide()
    {
        if (snd_rawmidi_open (&input, &output, rawMidiName, SND_RAWMIDI_NONBLOCK) < 0)
        {
            input = output = nullptr;
            return;
        }
        // The driver drops what reaches its port until the raw input has
        // been read or polled once, and its buffer holds only a few
        // milliseconds of a paced send: start reading before anything can be
        // sent, whenever the reader thread happens to get going.
        std::uint8_t first[1];
        if (snd_rawmidi_read (input, first, sizeof (first)) == 1)
            received.push_back (first[0]);
        std::promise<void> reading;
        auto started = reading.get_future();
        reader = std::thread ([this, &reading] { read (reading); });
        started.wait();
    }

    ~RawMidiSide()
    {
        stopping = true;
        if (reader.joinable())
            reader.join();
        if (input != nullptr)
            snd_rawmidi_close (input);
        if (output != nullptr)
            snd_rawmidi_close (output);
    }

    bool isOpen() const { return input != nullptr && output != nullptr; }

    // Writes in pieces with a pause between them, like a device on a cable.
    // Input and output share one non-blocking handle: a full buffer is waited
    // out here.
    bool write (const Bytes& bytes, std::size_t piece, std::chrono::microseconds pause)
    {
        std::size_t start = 0;
        for (int busy = 0; start < bytes.size() && busy < 5000;)
        {
            const auto written = snd_rawmidi_write (output, bytes.data() + start, std::min (piece, bytes.size() - start));
            if (written == -EAGAIN)
            {
                ++busy;
                std::this_thread::sleep_for (1ms);
                continue;
            }
            if (written < 0)
                return false;
            start += (std::size_t) written;
            std::this_thread::sleep_for (pause);
        }
        return start == bytes.size();
    }

    Bytes getBytes()
    {
        std::lock_guard<std::mutex> guard (lock);
        return received;
    }

private:
    void read (std::promise<void>& reading)
    {
        const int count = snd_rawmidi_poll_descriptors_count (input);
        std::vector<pollfd> fds ((std::size_t) count);
        snd_rawmidi_poll_descriptors (input, fds.data(), (unsigned int) count);
        std::uint8_t buffer[1024];
        reading.set_value();
        while (! stopping)
        {
            if (poll (fds.data(), (nfds_t) count, 50) <= 0)
                continue;
            for (;;)
            {
                const auto got = snd_rawmidi_read (input, buffer, sizeof (buffer));
                if (got <= 0)
                    break;
                std::lock_guard<std::mutex> guard (lock);
                received.insert (received.end(), buffer, buffer + got);
            }
        }
    }

    snd_rawmidi_t* input = nullptr;
    snd_rawmidi_t* output = nullptr;
    std::atomic<bool> stopping { false };
    std::mutex lock;
    Bytes received;
    std::thread reader;
};

struct VirtualRawMidiVm : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE (backend.isAvailable()) << "no sequencer in this machine";
        ASSERT_TRUE (rawMidi.isOpen()) << "no virtual raw MIDI card";
        client = backend.createClient ("Librarian Under Test", [] {});
        ASSERT_NE (client, nullptr);
        input = client->createInputPort ("Librarian In", received.callback());
        output = client->createOutputPort ("Librarian Out");
        ASSERT_TRUE (input != nullptr && output != nullptr);
    }

    midiport::AlsaBackend backend;
    RawMidiSide rawMidi;
    Receiver received;
    std::unique_ptr<midiport::Client> client;
    std::unique_ptr<midiport::InputPort> input;
    std::unique_ptr<midiport::OutputPort> output;
};

Bytes waitForRawBytes (RawMidiSide& side, std::size_t count, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (side.getBytes().size() < count && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for (20ms);
    std::this_thread::sleep_for (200ms);
    return side.getBytes();
}
}

TEST_F (VirtualRawMidiVm, LargeMessageToTheDriversPortArrivesWholeOnTheRawDevice)
{
    const auto destination = findByDisplayName (backend.getDestinations(), portName);
    ASSERT_TRUE (destination.has_value());
    const auto message = makeSysEx (64 * 1024, 31);

    std::atomic<int> completion { 0 };
    ASSERT_TRUE (output->sendSysEx (*destination, message, [&] (bool sent) { completion = sent ? 1 : -1; }));
    const auto arrived = waitForRawBytes (rawMidi, message.size(), 60s);
    EXPECT_TRUE (arrived == message) << describeDifference (message, arrived);
    EXPECT_EQ (completion, 1);

    const Bytes noteOn { 0x90, 0x40, 0x7F };
    ASSERT_TRUE (output->send (*destination, noteOn.data(), noteOn.size()));
    const auto withNote = waitForRawBytes (rawMidi, message.size() + noteOn.size(), 5s);
    EXPECT_TRUE (Bytes (withNote.begin() + (long) std::min (withNote.size(), message.size()), withNote.end()) == noteOn);
}

// Without pacing the driver's 4 KiB buffer overflows and the bytes that do
// not fit are gone without a word to the sender: only the pacing prevents it.
TEST_F (VirtualRawMidiVm, UnpacedSendToTheDriversPortLosesBytesSilently)
{
    midiport::AlsaBackend unpacedBackend;
    unpacedBackend.setSysExPauseForTesting (std::chrono::microseconds (0));
    auto unpacedClient = unpacedBackend.createClient ("Unpaced Sender", [] {});
    ASSERT_NE (unpacedClient, nullptr);
    auto unpacedOutput = unpacedClient->createOutputPort ("Out");
    ASSERT_NE (unpacedOutput, nullptr);
    const auto destination = findByDisplayName (backend.getDestinations(), portName);
    ASSERT_TRUE (destination.has_value());
    const auto message = makeSysEx (64 * 1024, 32);

    std::atomic<int> completion { 0 };
    ASSERT_TRUE (unpacedOutput->sendSysEx (*destination, message, [&] (bool sent) { completion = sent ? 1 : -1; }));
    const auto arrived = waitForRawBytes (rawMidi, message.size(), 5s);
    std::printf ("unpaced to the driver's port: %zu of %zu bytes arrived\n", arrived.size(), message.size());
    EXPECT_LT (arrived.size(), message.size());
    EXPECT_EQ (completion, 1) << "the sender was told of the loss";
}

TEST_F (VirtualRawMidiVm, LargeMessageFromTheRawDeviceArrivesWholeAtTheProgram)
{
    const auto source = findByDisplayName (backend.getSources(), portName);
    ASSERT_TRUE (source.has_value());
    ASSERT_TRUE (input->connectSource (*source));
    const auto message = makeSysEx (64 * 1024, 33);

    // 512 bytes every 5 ms: about 100 KB/s, faster than any cable.
    ASSERT_TRUE (rawMidi.write (message, 512, 5ms));
    ASSERT_TRUE (received.waitForMessages (1, 60s)) << "received " << received.getByteCount() << " bytes";
    EXPECT_TRUE (received.getMessages().front() == message)
        << describeDifference (message, received.getMessages().front());
}
