#pragma once

#include "data/ListenerHolder.h"
#include "midiport/CPXWMidiListener.h"
#include "midiport/CPXWMidiMessage.h"
#include "midiport/MidiPacketParser.h"
#include "midiport/MidiPort.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// The program's thin layer over the MIDI port layer for the transfers: one
// client, at most one input port connected to one source and one output port
// aimed at one destination, a parser that cuts incoming packets into short
// and System Exclusive messages, a System Exclusive send that waits for the
// completion, and listeners that receive everything.
class CPXWMidi
{
public:
    // Uses the port layer's default backend.
    CPXWMidi();
    explicit CPXWMidi (std::shared_ptr<midiport::Backend> backend);
    virtual ~CPXWMidi();

    CPXWMidi (const CPXWMidi&) = delete;
    CPXWMidi& operator= (const CPXWMidi&) = delete;

    virtual bool createClient (const char* name);
    virtual bool disposeClient();

    bool openInput (int sourceIndex);
    bool openOutput (int destinationIndex);
    bool openInputByName (const juce::String& name);
    bool openOutputByName (const juce::String& name);
    void closeInput();
    void closeOutput();

    // Returns true once everything the input port has received so far has
    // reached the listeners, and abandons a System Exclusive message then only
    // partly received (the rest of it is skipped). Called before a request
    // goes out: nothing received by then can answer it. True at once without
    // an input port; false, with nothing abandoned, when the deadline passes
    // or the stop comes first.
    bool deliverReceived (midiport::Deadline deadline, midiport::StopSignal& stop);

    void addListener (CPXWMidiListener* listener);
    void removeListener (CPXWMidiListener* listener);
    void removeAllListeners();

    // Sends a System Exclusive message with sendSysEx, anything else with
    // sendShort; the result is dropped.
    void send (const CPXWMidiMessage& message);
    bool sendShort (std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    // Waits for the completion, so that the message has left the port when
    // this returns, but no longer than sysExCompletionWaitMs (length); true
    // whether or not it came; false only without an output port or when the
    // message could not be handed over.
    bool sendSysEx (std::uint32_t length, const std::uint8_t* data);

    // The sources and destinations of the default backend by display name
    // (device name, " - ", endpoint name); empty for an index out of range.
    static int getSourceCount();
    static int getDestinationCount();
    static juce::String getSourceName (int index);
    static juce::String getDestinationName (int index);
    static juce::String getDeviceName (const midiport::Endpoint& endpoint);

    // Whether a port belongs to the maker's USB-MIDI driver: always true here.
    static bool isVexoUsbMidiDriverInput (int inputIndex);
    static bool isVexoUsbMidiDriverOutput (int outputIndex);

    // The bound on a send's wait for its completion: 500 ms, plus four times
    // what the message takes at the port layer's slowest pace (the ALSA
    // backend's paced System Exclusive), so that only a completion that never
    // comes ends it.
    static int sysExCompletionWaitMs (std::uint32_t length);

private:
    class Listeners : public ListenerHolder<CPXWMidiListener>
    {
    public:
        using ListenerHolder<CPXWMidiListener>::callListeners;
        // One by one, so that a pass running now calls none of them and
        // still leaves listeners added during it for the next pass.
        void removeAll()
        {
            while (! listeners.empty())
                removeListener (listeners.front());
        }
    };

    class ParserOutput;

    bool openInputAt (int index, const std::vector<midiport::Endpoint>& sources);
    bool openOutputAt (int index, const std::vector<midiport::Endpoint>& destinations);
    void packetsReceived (const midiport::PacketList& packets);
    void sysExCompleted (std::uint64_t sendNumber, std::uint32_t length);
    void notifySetupChanged();

    int inputIndex = -1;
    int outputIndex = -1;
    MidiPacketParser parser; // holds the System Exclusive assembly buffer
    std::mutex parserLock;   // the backend's thread parses; deliverReceived resets
    Listeners listeners;
    juce::CriticalSection listenerLock;
    juce::CriticalSection sendLock;

    std::shared_ptr<midiport::Backend> backend;
    std::unique_ptr<midiport::Client> client;
    std::unique_ptr<midiport::OutputPort> outputPort;
    std::unique_ptr<midiport::InputPort> inputPort;
    midiport::Endpoint destination;
    midiport::Endpoint source;

    juce::WaitableEvent completionEvent;
    // The send whose completion may end the current wait (0 while none
    // waits): a completion of an earlier send that comes late must not. The
    // lock makes its check and the event's reset for the next send atomic.
    juce::CriticalSection completionStateLock;
    std::uint64_t awaitedSend = 0;
    std::uint64_t sendCount = 0;
};
