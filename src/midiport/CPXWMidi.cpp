#include "midiport/CPXWMidi.h"

#include "midiport/DefaultBackend.h"
#include "midiport/SysExPace.h"

#include <stdexcept>

namespace
{
// Raised and caught inside an operation, which then reports false.
struct MidiFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

bool inRange (int index, std::size_t count)
{
    return index >= 0 && (std::size_t) index < count;
}

std::vector<midiport::Endpoint> listSources (const std::shared_ptr<midiport::Backend>& backend)
{
    return backend != nullptr ? backend->getSources() : std::vector<midiport::Endpoint> {};
}

std::vector<midiport::Endpoint> listDestinations (const std::shared_ptr<midiport::Backend>& backend)
{
    return backend != nullptr ? backend->getDestinations() : std::vector<midiport::Endpoint> {};
}

juce::String displayName (const midiport::Endpoint& endpoint)
{
    return juce::String::fromUTF8 (endpoint.getDisplayName().c_str());
}
}

// Hands parsed messages to the listeners, each call under the listener lock.
class CPXWMidi::ParserOutput : public MidiPacketParser::Output
{
public:
    explicit ParserOutput (CPXWMidi& w) : wrapper (w) {}

    void shortMessage (const CPXWMidiMessage& message) override
    {
        const juce::ScopedLock lock (wrapper.listenerLock);
        wrapper.listeners.callListeners ([&] (CPXWMidiListener& l) { l.shortMessageReceived (&wrapper, message); });
    }

    void sysExProgress (std::uint32_t byteCount, const std::uint8_t* data) override
    {
        const juce::ScopedLock lock (wrapper.listenerLock);
        wrapper.listeners.callListeners ([&] (CPXWMidiListener& l) { l.sysExProgress (&wrapper, byteCount, data); });
    }

    void sysExComplete (const CPXWMidiMessage& message) override
    {
        // The last progress call carries the whole message, so that its count
        // and its bytes always agree.
        const juce::ScopedLock lock (wrapper.listenerLock);
        wrapper.listeners.callListeners ([&] (CPXWMidiListener& l) {
            l.sysExProgress (&wrapper, message.getLength(), message.getBytes());
        });
        wrapper.listeners.callListeners ([&] (CPXWMidiListener& l) { l.sysExReceived (&wrapper, message); });
    }

private:
    CPXWMidi& wrapper;
};

CPXWMidi::CPXWMidi() : CPXWMidi (midiport::getDefaultBackend()) {}

CPXWMidi::CPXWMidi (std::shared_ptr<midiport::Backend> midiBackend)
    : backend (std::move (midiBackend)), completionEvent (false)
{
}

CPXWMidi::~CPXWMidi()
{
    closeOutput();
    closeInput();
    disposeClient();
}

bool CPXWMidi::createClient (const char* name)
{
    try
    {
        if (client != nullptr)
            throw MidiFailure ("Client is already created.");
        if (name == nullptr)
            throw MidiFailure ("Failed to create CFString.");

        if (backend != nullptr)
            client = backend->createClient (name, [this] { notifySetupChanged(); });
        if (client == nullptr)
            throw MidiFailure ("Failed to call MIDIClientCreate().");
        return true;
    }
    catch (const MidiFailure&)
    {
        return false;
    }
}

bool CPXWMidi::disposeClient()
{
    if (client == nullptr)
        return true;

    // A client's ports end with it.
    closeOutput();
    closeInput();
    client.reset();
    return true;
}

bool CPXWMidi::openInput (int sourceIndex)
{
    return openInputAt (sourceIndex, listSources (backend));
}

bool CPXWMidi::openInputAt (int index, const std::vector<midiport::Endpoint>& sources)
{
    try
    {
        if (inputPort != nullptr)
            throw MidiFailure ("MIDI IN already opened.");
        if (! inRange (index, sources.size()))
            throw MidiFailure ("Not found MIDI IN device.");

        std::unique_ptr<midiport::InputPort> port;
        if (client != nullptr)
            port = client->createInputPort ("PXWMidiInPort", [this] (const midiport::PacketList& packets) {
                packetsReceived (packets);
            });
        if (port == nullptr)
            throw MidiFailure ("Faild to MIDIInputPortCreate().");

        // Nothing is delivered before the connection, so the buffer can be
        // emptied here without a lock.
        parser.reset();
        if (! port->connectSource (sources[(std::size_t) index]))
            throw MidiFailure ("Faild to MIDIPortConnectSource().");

        source = sources[(std::size_t) index];
        inputPort = std::move (port);
        inputIndex = index;
        return true;
    }
    catch (const MidiFailure&)
    {
        return false;
    }
}

bool CPXWMidi::openOutput (int destinationIndex)
{
    return openOutputAt (destinationIndex, listDestinations (backend));
}

bool CPXWMidi::openOutputAt (int index, const std::vector<midiport::Endpoint>& destinations)
{
    try
    {
        const juce::ScopedLock lock (sendLock);
        if (outputPort != nullptr)
            throw MidiFailure ("MIDI OUT already opened.");
        if (! inRange (index, destinations.size()))
            throw MidiFailure ("Not found MIDI Out device.");

        if (client != nullptr)
            outputPort = client->createOutputPort ("PXWMidiOutPort");
        if (outputPort == nullptr)
            throw MidiFailure ("Faild to MIDIOutputPortCreate().");

        destination = destinations[(std::size_t) index];
        outputIndex = index;
        return true;
    }
    catch (const MidiFailure&)
    {
        return false;
    }
}

bool CPXWMidi::openInputByName (const juce::String& name)
{
    auto sources = listSources (backend);
    for (std::size_t i = 0; i < sources.size(); ++i)
        if (displayName (sources[i]) == name)
            return openInputAt ((int) i, sources);
    return false;
}

bool CPXWMidi::openOutputByName (const juce::String& name)
{
    auto destinations = listDestinations (backend);
    for (std::size_t i = 0; i < destinations.size(); ++i)
        if (displayName (destinations[i]) == name)
            return openOutputAt ((int) i, destinations);
    return false;
}

void CPXWMidi::closeInput()
{
    if (inputPort == nullptr)
        return;

    inputIndex = -1;
    inputPort->disconnectSource();
    source = {};
    inputPort.reset();
}

void CPXWMidi::closeOutput()
{
    std::unique_ptr<midiport::OutputPort> closing;
    {
        // Waits for a send in progress; the port itself is destroyed outside
        // the lock, because that waits for a completion that may be running.
        const juce::ScopedLock lock (sendLock);
        if (outputPort == nullptr)
            return;
        outputIndex = -1;
        closing = std::move (outputPort);
        destination = {};
    }
    closing.reset();
}

void CPXWMidi::addListener (CPXWMidiListener* listener)
{
    const juce::ScopedLock lock (listenerLock);
    listeners.addListener (listener);
}

void CPXWMidi::removeListener (CPXWMidiListener* listener)
{
    const juce::ScopedLock lock (listenerLock);
    listeners.removeListener (listener);
}

void CPXWMidi::removeAllListeners()
{
    const juce::ScopedLock lock (listenerLock);
    listeners.removeAll();
}

void CPXWMidi::send (const CPXWMidiMessage& message)
{
    if (message.isSysEx())
        sendSysEx (message.getLength(), message.getBytes());
    else
        sendShort (message.getStatusByte(), message.getData1(), message.getData2());
}

bool CPXWMidi::sendShort (std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    const juce::ScopedLock lock (sendLock);
    if (outputPort == nullptr)
        return false;

    const auto length = getMidiMessageLength (status);
    if (length == 0)
        return false;

    const std::uint8_t bytes[3] = { status, data1, data2 };
    return outputPort->send (destination, bytes, length);
}

bool CPXWMidi::sendSysEx (std::uint32_t length, const std::uint8_t* data)
{
    // Held over the send and its wait, so that one send's completion and the
    // next send's wait can never be mixed up.
    const juce::ScopedLock lock (sendLock);
    if (outputPort == nullptr || data == nullptr || length == 0)
        return false;

    std::uint64_t number = 0;
    {
        const juce::ScopedLock completionLock (completionStateLock);
        number = ++sendCount;
        awaitedSend = number;
        completionEvent.reset();
    }

    auto queued = outputPort->sendSysEx (destination, std::vector<std::uint8_t> (data, data + length),
                                         [this, number, length] (bool) { sysExCompleted (number, length); });
    if (queued)
        completionEvent.wait (sysExCompletionWaitMs (length));

    {
        const juce::ScopedLock completionLock (completionStateLock);
        awaitedSend = 0;
    }
    return queued;
}

int CPXWMidi::sysExCompletionWaitMs (std::uint32_t length)
{
    constexpr std::uint32_t margin = 4;
    return 500 + (int) (length / midiport::alsaSysExBytesPerMs * margin);
}

void CPXWMidi::sysExCompleted (std::uint64_t number, std::uint32_t length)
{
    {
        const juce::ScopedLock lock (listenerLock);
        listeners.callListeners ([&] (CPXWMidiListener& l) { l.sysExSent (this, length); });
    }

    const juce::ScopedLock completionLock (completionStateLock);
    if (awaitedSend == number)
        completionEvent.signal();
}

bool CPXWMidi::deliverReceived (midiport::Deadline deadline, midiport::StopSignal& stop)
{
    if (inputPort == nullptr)
        return true;

    // Until the reader has handed everything over, it may be in the parser.
    if (! inputPort->waitUntilDelivered (deadline, stop))
        return false;
    const std::lock_guard<std::mutex> lock (parserLock);
    parser.reset();
    return true;
}

void CPXWMidi::packetsReceived (const midiport::PacketList& packets)
{
    const std::lock_guard<std::mutex> lock (parserLock);
    ParserOutput output (*this);
    for (const auto& packet : packets)
        parser.parse (packet.bytes.data(), packet.bytes.size(), packet.timestamp, output);
}

void CPXWMidi::notifySetupChanged()
{
    const juce::ScopedLock lock (listenerLock);
    listeners.callListeners ([&] (CPXWMidiListener& l) { l.setupChanged (this); });
}

int CPXWMidi::getSourceCount()
{
    return (int) listSources (midiport::getDefaultBackend()).size();
}

int CPXWMidi::getDestinationCount()
{
    return (int) listDestinations (midiport::getDefaultBackend()).size();
}

juce::String CPXWMidi::getSourceName (int index)
{
    auto sources = listSources (midiport::getDefaultBackend());
    return inRange (index, sources.size()) ? displayName (sources[(std::size_t) index]) : juce::String();
}

juce::String CPXWMidi::getDestinationName (int index)
{
    auto destinations = listDestinations (midiport::getDefaultBackend());
    return inRange (index, destinations.size()) ? displayName (destinations[(std::size_t) index]) : juce::String();
}

juce::String CPXWMidi::getDeviceName (const midiport::Endpoint& endpoint)
{
    return juce::String::fromUTF8 (endpoint.deviceName.c_str());
}

bool CPXWMidi::isVexoUsbMidiDriverInput (int)
{
    return true;
}

bool CPXWMidi::isVexoUsbMidiDriverOutput (int)
{
    return true;
}
