#include "midiport/VirtualBackend.h"

#include "midiport/CallbackGate.h"
#include "midiport/TaskThread.h"

#include <algorithm>
#include <mutex>

namespace midiport
{
namespace
{
struct ReadSink
{
    explicit ReadSink (ReadCallback fn) : onRead (std::move (fn)) {}

    CallbackGate gate;
    const ReadCallback onRead;
};

struct NoticeSink
{
    explicit NoticeSink (SetupChangedCallback fn) : onNotice (std::move (fn)) {}

    CallbackGate gate;
    const SetupChangedCallback onNotice;
};

struct Connection
{
    std::shared_ptr<ReadSink> sink;
    std::uint64_t generation = 0;
};

// Cuts one send into packets and interleaves the real-time byte.
PacketList shapePackets (const std::uint8_t* data, std::size_t size, std::size_t packetSize,
                         std::uint8_t realTimeByte, std::size_t realTimeEvery)
{
    std::vector<std::uint8_t> stream;
    stream.reserve (size + (realTimeEvery > 0 ? size / realTimeEvery : 0));
    for (std::size_t i = 0; i < size; ++i)
    {
        stream.push_back (data[i]);
        if (realTimeEvery > 0 && (i + 1) % realTimeEvery == 0)
            stream.push_back (realTimeByte);
    }

    PacketList packets;
    if (packetSize == 0 || stream.size() <= packetSize)
    {
        packets.push_back (Packet { std::move (stream), 0 });
        return packets;
    }

    for (std::size_t start = 0; start < stream.size(); start += packetSize)
    {
        auto end = std::min (stream.size(), start + packetSize);
        packets.push_back (Packet { std::vector<std::uint8_t> (stream.begin() + (std::ptrdiff_t) start,
                                                               stream.begin() + (std::ptrdiff_t) end),
                                    0 });
    }
    return packets;
}
}

struct VirtualBackend::State
{
    struct DeviceEntry
    {
        std::uint64_t id = 0;
        DeviceSpec spec;
        std::shared_ptr<ReadSink> receiver;
        std::vector<Connection> connections;
    };

    struct ClientEntry
    {
        std::uint64_t id = 0;
        std::shared_ptr<NoticeSink> notice;
    };

    DeviceEntry* findDevice (std::uint64_t id)
    {
        for (auto& device : devices)
            if (device.id == id)
                return &device;
        return nullptr;
    }

    // Caller holds the mutex.
    void postSetupChange (std::uint64_t exceptClient)
    {
        for (auto& client : clients)
        {
            if (client.id == exceptClient)
                continue;
            auto notice = client.notice;
            worker.post ([notice] { notice->gate.run ([&] { notice->onNotice(); }); });
        }
    }

    std::mutex mutex;
    std::uint64_t nextId = 1;
    std::vector<DeviceEntry> devices;
    std::vector<ClientEntry> clients;

    std::size_t packetSize = 0;
    std::uint8_t realTimeByte = 0xF8;
    std::size_t realTimeEvery = 0;
    Completion completion = Completion::immediate;
    std::chrono::milliseconds completionDelay { 0 };

    // Last, so that it stops before anything it might still touch goes away.
    TaskThread worker;
};

namespace
{
using State = VirtualBackend::State;

class VirtualInputPort : public InputPort
{
public:
    VirtualInputPort (std::shared_ptr<State> s, ReadCallback onRead)
        : state (std::move (s)), sink (std::make_shared<ReadSink> (std::move (onRead)))
    {
    }

    ~VirtualInputPort() override
    {
        disconnectSource();
        sink->gate.close();
    }

    bool connectSource (const Endpoint& source) override
    {
        // Taken before the backend's lock: a read callback holds the gate and
        // may take the backend's lock to send.
        const auto generation = sink->gate.getGeneration();

        std::lock_guard<std::mutex> lock (state->mutex);
        if (connectedTo != 0)
            return false;

        auto* device = state->findDevice (source.id);
        if (device == nullptr || ! device->spec.hasSource)
            return false;

        device->connections.push_back (Connection { sink, generation });
        connectedTo = source.id;
        return true;
    }

    void disconnectSource() override
    {
        {
            std::lock_guard<std::mutex> lock (state->mutex);
            if (connectedTo == 0)
                return;

            if (auto* device = state->findDevice (connectedTo))
            {
                auto& list = device->connections;
                list.erase (std::remove_if (list.begin(), list.end(),
                                            [this] (const Connection& c) { return c.sink == sink; }),
                            list.end());
            }
            connectedTo = 0;
        }

        // Outside the backend's lock: a read callback running now may send.
        sink->gate.advanceGeneration();
    }

private:
    std::shared_ptr<State> state;
    std::shared_ptr<ReadSink> sink;
    std::uint64_t connectedTo = 0;
};

class VirtualOutputPort : public OutputPort
{
public:
    explicit VirtualOutputPort (std::shared_ptr<State> s)
        : state (std::move (s)), completionGate (std::make_shared<CallbackGate>())
    {
    }

    ~VirtualOutputPort() override { completionGate->close(); }

    bool send (const Endpoint& destination, const std::uint8_t* data, std::size_t size) override
    {
        if (data == nullptr || size == 0)
            return false;

        std::lock_guard<std::mutex> lock (state->mutex);
        auto receiver = findReceiver (destination);
        if (receiver == nullptr)
            return false;

        deliver (receiver, std::vector<std::uint8_t> (data, data + size));
        return true;
    }

    bool sendSysEx (const Endpoint& destination, std::vector<std::uint8_t> message,
                    CompletionCallback completion) override
    {
        if (message.empty() || message.front() != 0xF0)
            return false;

        std::lock_guard<std::mutex> lock (state->mutex);
        auto receiver = findReceiver (destination);
        if (receiver == nullptr)
            return false;

        deliver (receiver, std::move (message));

        auto gate = completionGate;
        auto report = [gate, completion = std::move (completion)]
        {
            gate->run ([&] {
                if (completion)
                    completion (true);
            });
        };

        switch (state->completion)
        {
            case VirtualBackend::Completion::immediate: state->worker.post (std::move (report)); break;
            case VirtualBackend::Completion::delayed: state->worker.postAfter (state->completionDelay, std::move (report)); break;
            case VirtualBackend::Completion::never: break;
        }
        return true;
    }

private:
    // Caller holds the backend's lock.
    std::shared_ptr<ReadSink> findReceiver (const Endpoint& destination)
    {
        auto* device = state->findDevice (destination.id);
        if (device == nullptr || ! device->spec.hasDestination)
            return nullptr;
        return device->receiver;
    }

    void deliver (std::shared_ptr<ReadSink> receiver, std::vector<std::uint8_t> bytes)
    {
        state->worker.post ([receiver, packets = PacketList { Packet { std::move (bytes), 0 } }]
        {
            receiver->gate.run ([&] { receiver->onRead (packets); });
        });
    }

    std::shared_ptr<State> state;
    std::shared_ptr<CallbackGate> completionGate;
};

class VirtualClient : public Client
{
public:
    VirtualClient (std::shared_ptr<State> s, std::uint64_t clientId, std::shared_ptr<NoticeSink> sink)
        : state (std::move (s)), id (clientId), notice (std::move (sink))
    {
    }

    ~VirtualClient() override
    {
        {
            std::lock_guard<std::mutex> lock (state->mutex);
            auto& list = state->clients;
            list.erase (std::remove_if (list.begin(), list.end(),
                                        [this] (const State::ClientEntry& c) { return c.id == id; }),
                        list.end());
            state->postSetupChange (id);
        }
        notice->gate.close();
    }

    std::unique_ptr<InputPort> createInputPort (const std::string&, ReadCallback onRead) override
    {
        return std::make_unique<VirtualInputPort> (state, std::move (onRead));
    }

    std::unique_ptr<OutputPort> createOutputPort (const std::string&) override
    {
        return std::make_unique<VirtualOutputPort> (state);
    }

private:
    std::shared_ptr<State> state;
    std::uint64_t id;
    std::shared_ptr<NoticeSink> notice;
};

class VirtualDevice : public Device
{
public:
    VirtualDevice (std::shared_ptr<State> s, std::uint64_t deviceId, DeviceSpec deviceSpec,
                   std::shared_ptr<ReadSink> sink)
        : state (std::move (s)), id (deviceId), spec (std::move (deviceSpec)), receiver (std::move (sink))
    {
    }

    ~VirtualDevice() override
    {
        {
            std::lock_guard<std::mutex> lock (state->mutex);
            auto& list = state->devices;
            list.erase (std::remove_if (list.begin(), list.end(),
                                        [this] (const State::DeviceEntry& d) { return d.id == id; }),
                        list.end());
            state->postSetupChange (0);
        }
        receiver->gate.close();
    }

    bool send (const std::uint8_t* data, std::size_t size) override
    {
        if (! spec.hasSource || data == nullptr || size == 0)
            return false;

        std::lock_guard<std::mutex> lock (state->mutex);
        auto* device = state->findDevice (id);
        if (device == nullptr)
            return false;

        auto packets = std::make_shared<const PacketList> (
            shapePackets (data, size, state->packetSize, state->realTimeByte, state->realTimeEvery));

        for (const auto& connection : device->connections)
        {
            state->worker.post ([connection, packets]
            {
                connection.sink->gate.runInGeneration (connection.generation,
                                                       [&] { connection.sink->onRead (*packets); });
            });
        }
        return true;
    }

    Endpoint getSource() const override
    {
        return spec.hasSource ? Endpoint { id, spec.deviceName, spec.sourceName } : Endpoint {};
    }

    Endpoint getDestination() const override
    {
        return spec.hasDestination ? Endpoint { id, spec.deviceName, spec.destinationName } : Endpoint {};
    }

private:
    std::shared_ptr<State> state;
    std::uint64_t id;
    DeviceSpec spec;
    std::shared_ptr<ReadSink> receiver;
};
}

VirtualBackend::VirtualBackend() : state (std::make_shared<State>()) {}

VirtualBackend::~VirtualBackend() = default;

std::vector<Endpoint> VirtualBackend::getSources()
{
    std::lock_guard<std::mutex> lock (state->mutex);
    std::vector<Endpoint> result;
    for (const auto& device : state->devices)
        if (device.spec.hasSource)
            result.push_back (Endpoint { device.id, device.spec.deviceName, device.spec.sourceName });
    return result;
}

std::vector<Endpoint> VirtualBackend::getDestinations()
{
    std::lock_guard<std::mutex> lock (state->mutex);
    std::vector<Endpoint> result;
    for (const auto& device : state->devices)
        if (device.spec.hasDestination)
            result.push_back (Endpoint { device.id, device.spec.deviceName, device.spec.destinationName });
    return result;
}

std::unique_ptr<Client> VirtualBackend::createClient (const std::string&, SetupChangedCallback onSetupChanged)
{
    auto sink = std::make_shared<NoticeSink> (std::move (onSetupChanged));
    std::lock_guard<std::mutex> lock (state->mutex);
    auto id = state->nextId++;
    state->postSetupChange (id);
    state->clients.push_back (State::ClientEntry { id, sink });
    return std::make_unique<VirtualClient> (state, id, sink);
}

std::unique_ptr<Device> VirtualBackend::createDevice (const DeviceSpec& spec, ReadCallback onReceive)
{
    if (! spec.hasSource && ! spec.hasDestination)
        return nullptr;

    auto sink = std::make_shared<ReadSink> (std::move (onReceive));
    std::lock_guard<std::mutex> lock (state->mutex);
    auto id = state->nextId++;
    state->devices.push_back (State::DeviceEntry { id, spec, sink, {} });
    state->postSetupChange (0);
    return std::make_unique<VirtualDevice> (state, id, spec, sink);
}

void VirtualBackend::setPacketSize (std::size_t maxBytesPerPacket)
{
    std::lock_guard<std::mutex> lock (state->mutex);
    state->packetSize = maxBytesPerPacket;
}

void VirtualBackend::setRealTimeInterleave (std::uint8_t realTimeByte, std::size_t every)
{
    std::lock_guard<std::mutex> lock (state->mutex);
    state->realTimeByte = realTimeByte;
    state->realTimeEvery = every;
}

void VirtualBackend::setSysExCompletion (Completion mode, std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock (state->mutex);
    state->completion = mode;
    state->completionDelay = delay;
}

void VirtualBackend::waitUntilDelivered()
{
    state->worker.waitUntilIdle();
}
}
