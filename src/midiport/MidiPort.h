#pragma once

// The MIDI port layer: what the transfers need of the machine's MIDI
// services, behind one interface with interchangeable backends (the ALSA
// sequencer for real instruments, an in-process virtual backend for tests).
//
// Threads: read callbacks, device receive callbacks, System Exclusive
// completions and setup-change notices run on threads of the backend, never on
// the caller's. Destroying a port, client or device waits for a callback of
// that object that is running on another thread and guarantees that none runs
// afterwards; a callback may destroy its own object (it then returns at once).

#include "midiport/StopSignal.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace midiport
{
// A run of MIDI bytes as the backend delivers it. A packet may hold several
// messages, or only part of a System Exclusive message; real-time bytes may
// sit anywhere in it.
struct Packet
{
    std::vector<std::uint8_t> bytes;
    std::uint64_t timestamp = 0;
};

using PacketList = std::vector<Packet>;

// One source or destination. The id is the backend's own and stays the same
// while the endpoint exists; names are those shown to the user.
struct Endpoint
{
    std::uint64_t id = 0;
    std::string deviceName;
    std::string endpointName;

    // The device name, " - ", and the endpoint name.
    std::string getDisplayName() const;

    bool operator== (const Endpoint& other) const { return id == other.id; }
    bool operator!= (const Endpoint& other) const { return id != other.id; }
};

using ReadCallback = std::function<void (const PacketList&)>;

// Called once when a System Exclusive send has ended: allSent is true when the
// last byte has left, false when the send was abandoned (the destination went
// away or could not take the bytes).
using CompletionCallback = std::function<void (bool allSent)>;

using SetupChangedCallback = std::function<void()>;

// Receives from at most one source at a time.
class InputPort
{
public:
    virtual ~InputPort() = default;

    // Connects the port to the source; false when the source no longer exists
    // or the backend refuses, or when the port is connected already.
    virtual bool connectSource (const Endpoint& source) = 0;

    // Ends the connection; no packet of it is delivered after this returns.
    virtual void disconnectSource() = 0;

    // Returns true once every packet that reached the port before the call
    // has been handed to the read callback: at once on the thread that runs
    // the read callback, when the port is not connected, and when nothing is
    // on its way. False when the deadline passes or the stop comes first (a
    // read callback that does not return, a reader that stopped reading).
    virtual bool waitUntilDelivered (Deadline deadline, StopSignal& stop) = 0;
};

// Sends to destinations. Everything sent through one port leaves in the order
// it was handed over; the bytes of two messages never interleave.
class OutputPort
{
public:
    virtual ~OutputPort() = default;

    // Sends one or more complete short messages. False when the destination
    // does not exist or the bytes could not be handed over.
    virtual bool send (const Endpoint& destination, const std::uint8_t* data, std::size_t size) = 0;

    // Sends one System Exclusive message (0xF0 ... 0xF7) and returns once it
    // is queued; completion is called on a backend thread when it has ended.
    // False (completion never called) when it cannot be queued. Destroying the
    // port drops pending completions.
    virtual bool sendSysEx (const Endpoint& destination, std::vector<std::uint8_t> message,
                            CompletionCallback completion) = 0;
};

// One connection of this program to the MIDI services.
class Client
{
public:
    virtual ~Client() = default;

    // Null on failure.
    virtual std::unique_ptr<InputPort> createInputPort (const std::string& name, ReadCallback onRead) = 0;
    virtual std::unique_ptr<OutputPort> createOutputPort (const std::string& name) = 0;
};

// What a device publishes: one source and one destination under one device
// name (either may be left out).
struct DeviceSpec
{
    std::string deviceName;
    std::string sourceName;
    std::string destinationName;
    bool hasSource = true;
    bool hasDestination = true;
};

// A device that this process publishes on a backend, such as a simulated
// instrument. It appears in the source and destination lists while it lives.
class Device
{
public:
    virtual ~Device() = default;

    // Sends the bytes from the device's source, as one packet, to every input
    // port connected to it. The bytes need not be whole messages: a System
    // Exclusive message may be sent in several parts. False when the device
    // has no source or the bytes could not be handed over.
    virtual bool send (const std::uint8_t* data, std::size_t size) = 0;

    // The endpoints as they appear in the lists (id 0 when left out).
    virtual Endpoint getSource() const = 0;
    virtual Endpoint getDestination() const = 0;
};

class Backend
{
public:
    virtual ~Backend() = default;

    // False when the backend could not reach the MIDI services: it then lists
    // nothing and creates nothing, and the program goes on without MIDI.
    virtual bool isAvailable() const = 0;

    // The sources and destinations of the machine in a stable order: an
    // endpoint keeps its place relative to the others while it exists, and
    // new endpoints are added after the existing ones of their device. The
    // ports of this program's own clients are not listed.
    virtual std::vector<Endpoint> getSources() = 0;
    virtual std::vector<Endpoint> getDestinations() = 0;

    // Null on failure. onSetupChanged is called on a backend thread when a
    // client or device (with its ports) starts or ends, other than this one.
    virtual std::unique_ptr<Client> createClient (const std::string& name, SetupChangedCallback onSetupChanged) = 0;

    // Publishes a device; what is sent to its destination reaches onReceive on
    // a backend thread, in packets that need not be whole messages. Null on
    // failure.
    virtual std::unique_ptr<Device> createDevice (const DeviceSpec& spec, ReadCallback onReceive) = 0;
};
}
