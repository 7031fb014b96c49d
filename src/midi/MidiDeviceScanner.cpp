#include "midi/MidiDeviceScanner.h"

#include "midi/DeviceSearchMessage.h"
#include "midiport/MidiPacketParser.h"

#include <mutex>

namespace midi
{
// One opened source: its port and the parser that assembles its packets into
// messages. Packets of one port arrive in order; the lock keeps the parser
// safe should a backend ever deliver from two threads.
class MidiDeviceScanner::SearchInput : private MidiPacketParser::Output
{
public:
    SearchInput (MidiDeviceScanner& s, int sourceIndex) : scanner (s), index (sourceIndex) {}

    ~SearchInput() override { port.reset(); }

    bool open (midiport::Client& client, const midiport::Endpoint& source)
    {
        port = client.createInputPort ("MidiDeviceScannerIn", [this] (const midiport::PacketList& packets) {
            received (packets);
        });
        return port != nullptr && port->connectSource (source);
    }

private:
    void received (const midiport::PacketList& packets)
    {
        std::lock_guard<std::mutex> lock (parserLock);
        for (const auto& packet : packets)
            parser.parse (packet.bytes.data(), packet.bytes.size(), packet.timestamp, *this);
    }

    void shortMessage (const CPXWMidiMessage&) override {}
    void sysExProgress (std::uint32_t, const std::uint8_t*) override {}

    void sysExComplete (const CPXWMidiMessage& message) override
    {
        scanner.handleIncomingMessage (index, message.getBytes(), message.getLength());
    }

    MidiDeviceScanner& scanner;
    const int index;
    std::mutex parserLock;
    MidiPacketParser parser;
    // Last, so that it is destroyed first: destroying it waits for a callback
    // that is still running and stops further ones.
    std::unique_ptr<midiport::InputPort> port;
};

MidiDeviceScanner::MidiDeviceScanner (std::shared_ptr<midiport::Backend> midiBackend)
    : juce::Thread ("MidiDeviceScannerThread"), backend (std::move (midiBackend)), replyEvent (true)
{
}

MidiDeviceScanner::~MidiDeviceScanner()
{
    cancelPendingUpdate();
    accepting = false;
    signalThreadShouldExit();
    replyEvent.signal();
    waitForThreadToExit (-1);
    closeAllPorts();
}

bool MidiDeviceScanner::startScan (std::uint32_t family, std::uint32_t member, std::uint32_t timeoutMs)
{
    if (busy.exchange (true))
        return false;

    familyCode = family;
    memberId = member;
    replyTimeout = timeoutMs;
    found = false;
    foundInputIndex = -1;
    foundOutputIndex = -1;
    replyEvent.reset();

    if (! openAllPorts())
    {
        triggerAsyncUpdate();
        return true;
    }

    accepting = true;
    settle();
    if (! startThread())
    {
        // Without its thread the search ends at once with nothing found, so
        // it never stays busy (which would block quitting for good).
        accepting = false;
        triggerAsyncUpdate();
    }
    return true;
}

bool MidiDeviceScanner::openAllPorts()
{
    settle();
    if (backend == nullptr || ! backend->isAvailable())
        return false;

    auto sources = backend->getSources();
    auto allDestinations = backend->getDestinations();
    if (sources.empty() || allDestinations.empty())
        return false;

    client = backend->createClient ("MidiDeviceScanner", [] {});
    if (client == nullptr)
        return false;

    // A source that cannot be connected is skipped.
    for (std::size_t i = 0; i < sources.size(); ++i)
    {
        auto input = std::make_unique<SearchInput> (*this, (int) i);
        if (input->open (*client, sources[i]))
            inputs.push_back (std::move (input));
    }

    output = client->createOutputPort ("MidiDeviceScannerOut");
    if (output != nullptr)
    {
        destinations = allDestinations;
        for (std::size_t j = 0; j < allDestinations.size(); ++j)
            destinationIndices.push_back ((int) j);
    }

    // Without an input to hear a reply, or an output to ask on, nothing can
    // be found: close what did open.
    if (inputs.empty() || destinations.empty())
    {
        closeAllPorts();
        return false;
    }
    return true;
}

void MidiDeviceScanner::closeAllPorts()
{
    if (client == nullptr)
        return;

    settle();
    while (! inputs.empty())
        inputs.pop_back();
    output.reset();
    destinations.clear();
    destinationIndices.clear();
    client.reset();
}

void MidiDeviceScanner::settle() const
{
    if (settleMs > 0)
        juce::Thread::sleep (settleMs);
}

void MidiDeviceScanner::run()
{
    for (std::size_t k = 0; k < destinations.size() && ! threadShouldExit(); ++k)
        sendSearchRequest (k);

    replyEvent.wait ((int) replyTimeout.load());

    // A reply that comes after the wait no longer counts.
    accepting = false;
    triggerAsyncUpdate();
}

void MidiDeviceScanner::sendSearchRequest (std::size_t outputPosition)
{
    auto request = DeviceSearchMessage::createRequest (destinationIndices[outputPosition]);
    output->sendSysEx (destinations[outputPosition], std::move (request), [] (bool) {});
}

void MidiDeviceScanner::handleIncomingMessage (int inputIndex, const std::uint8_t* bytes, std::size_t length)
{
    if (! accepting.load() || found.load())
        return;

    auto id = DeviceSearchMessage::matchReply (bytes, length, familyCode.load(), memberId.load());
    if (id < 0)
        return;

    // The id is the index of the output that the request went out on. The
    // destinations are fixed while the search runs, so they can be read here.
    int outputIndex = -1;
    for (auto index : destinationIndices)
    {
        if ((index & 0x7F) == id)
        {
            outputIndex = index;
            break;
        }
    }
    if (outputIndex < 0)
        return;

    bool expected = false;
    if (! found.compare_exchange_strong (expected, true))
        return;

    foundInputIndex = inputIndex;
    foundOutputIndex = outputIndex;
    replyEvent.signal();
}

void MidiDeviceScanner::handleAsyncUpdate()
{
    // The thread triggered this update as its last step; its end is near.
    waitForThreadToExit (-1);
    closeAllPorts();
    busy = false;
    callListeners ([] (MidiDeviceScannerListener& l) { l.scanFinished(); });
}
}
