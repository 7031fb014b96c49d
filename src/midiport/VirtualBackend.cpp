#include "midiport/VirtualBackend.h"

#include "midiport/CallbackGate.h"
#include "midiport/TaskThread.h"

#include <algorithm>
#include <condition_variable>
#include <atomic>
#include <mutex>
#include <thread>

namespace midiport
{
namespace
{
struct ReadSink
{
    explicit ReadSink (ReadCallback fn) : onRead (std::move (fn)) {}

    CallbackGate gate;
    const ReadCallback onRead;
    // Counts of the deliveries to an input port posted and run: they run in
    // the order posted, so once `run` reaches what `posted` was, everything
    // posted until then has been handed over.
    std::mutex countLock;
    std::condition_variable ran;
    std::uint64_t posted = 0;
    std::uint64_t run = 0;

    void deliveryPosted()
    {
        std::lock_guard<std::mutex> lock (countLock);
        ++posted;
    }

    void deliveryRun()
    {
        {
            std::lock_guard<std::mutex> lock (countLock);
            ++run;
        }
        ran.notify_all();
    }

    // Waits until every delivery posted so far has run; false when the
    // deadline or the stop comes first.
    bool waitForPosted (TaskThread& worker, Deadline deadline, StopSignal& stop)
    {
        if (worker.isCurrentThread())
            return true;
        std::uint64_t wanted = 0;
        {
            std::lock_guard<std::mutex> lock (countLock);
            wanted = posted;
        }
        return stop.waitUntil (countLock, ran, deadline, [&] { return run >= wanted; });
    }
};

struct NoticeSink
{
    explicit NoticeSink (SetupChangedCallback fn) : onNotice (std::move (fn)) {}

    CallbackGate gate;
    const SetupChangedCallback onNotice;
};

// Hands bytes to a receiver on the backend's thread.
void postDelivery (TaskThread& worker, std::shared_ptr<ReadSink> receiver, std::vector<std::uint8_t> bytes)
{
    worker.post ([receiver = std::move (receiver), packets = PacketList { Packet { std::move (bytes), 0 } }]
    {
        receiver->gate.run ([&] { receiver->onRead (packets); });
    });
}

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
    std::size_t paceBytes = 0;
    std::chrono::microseconds paceInterval { 0 };

    // Last, so that it stops before anything it might still touch goes away.
    TaskThread worker;
    // Where paced sends leave, one after the other; made when pacing is first
    // set. It posts to the worker, so it stops before the worker.
    std::unique_ptr<TaskThread> line;
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

    bool waitUntilDelivered (Deadline deadline, StopSignal& stop) override
    {
        return sink->waitForPosted (state->worker, deadline, stop);
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

    ~VirtualOutputPort() override
    {
        *cancelled = true;
        completionGate->close();
    }

    bool send (const Endpoint& destination, const std::uint8_t* data, std::size_t size) override
    {
        if (data == nullptr || size == 0)
            return false;

        std::lock_guard<std::mutex> lock (state->mutex);
        auto receiver = findReceiver (destination);
        if (receiver == nullptr)
            return false;

        std::vector<std::uint8_t> bytes (data, data + size);
        if (state->paceBytes == 0)
            postDelivery (state->worker, std::move (receiver), std::move (bytes));
        else // behind the paced messages sent before
            state->line->post ([worker = &state->worker, receiver, bytes = std::move (bytes)]() mutable {
                postDelivery (*worker, std::move (receiver), std::move (bytes));
            });
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

        auto gate = completionGate;
        auto report = [gate, completion = std::move (completion)]
        {
            gate->run ([&] {
                if (completion)
                    completion (true);
            });
        };

        if (state->paceBytes == 0)
        {
            postDelivery (state->worker, std::move (receiver), std::move (message));
            postCompletion (*state, state->completion, state->completionDelay, std::move (report));
        }
        else
        {
            // The line is one of the state's members: the state outlives it.
            state->line->post ([s = state.get(), receiver, message = std::move (message), report = std::move (report),
                                cancel = cancelled, mode = state->completion, delay = state->completionDelay,
                                piece = state->paceBytes, interval = state->paceInterval]() mutable {
                if (sendPaced (*s, receiver, message, piece, interval, *cancel))
                    postCompletion (*s, mode, delay, std::move (report));
            });
        }
        return true;
    }

private:
    static void postCompletion (State& s, VirtualBackend::Completion mode, std::chrono::milliseconds delay,
                                std::function<void()> report)
    {
        switch (mode)
        {
            case VirtualBackend::Completion::immediate: s.worker.post (std::move (report)); break;
            case VirtualBackend::Completion::delayed: s.worker.postAfter (delay, std::move (report)); break;
            case VirtualBackend::Completion::never: break;
        }
    }

    // On the line: one piece after the other, on a fixed schedule so that
    // the pace does not drift. False when the port went away meanwhile.
    static bool sendPaced (State& s, const std::shared_ptr<ReadSink>& receiver, const std::vector<std::uint8_t>& message,
                           std::size_t piece, std::chrono::microseconds interval, const std::atomic<bool>& cancel)
    {
        auto due = std::chrono::steady_clock::now();
        for (std::size_t start = 0; start < message.size(); start += piece)
        {
            if (cancel)
                return false;
            const auto end = std::min (message.size(), start + piece);
            postDelivery (s.worker, receiver, std::vector<std::uint8_t> (message.begin() + (std::ptrdiff_t) start,
                                                                         message.begin() + (std::ptrdiff_t) end));
            due += interval;
            std::this_thread::sleep_until (due);
        }
        return true;
    }

    // Caller holds the backend's lock.
    std::shared_ptr<ReadSink> findReceiver (const Endpoint& destination)
    {
        auto* device = state->findDevice (destination.id);
        if (device == nullptr || ! device->spec.hasDestination)
            return nullptr;
        return device->receiver;
    }

    std::shared_ptr<State> state;
    std::shared_ptr<CallbackGate> completionGate;
    std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>> (false);
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
            connection.sink->deliveryPosted();
            state->worker.post ([connection, packets]
            {
                connection.sink->gate.runInGeneration (connection.generation,
                                                       [&] { connection.sink->onRead (*packets); });
                connection.sink->deliveryRun();
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

void VirtualBackend::setSysExPacing (std::size_t bytesPerPiece, std::chrono::microseconds interval)
{
    std::lock_guard<std::mutex> lock (state->mutex);
    state->paceBytes = bytesPerPiece;
    state->paceInterval = interval;
    if (bytesPerPiece > 0 && state->line == nullptr)
        state->line = std::make_unique<TaskThread>();
}

void VirtualBackend::waitUntilDelivered()
{
    TaskThread* line = nullptr;
    {
        std::lock_guard<std::mutex> lock (state->mutex);
        line = state->line.get();
    }
    if (line != nullptr)
        line->waitUntilIdle();
    state->worker.waitUntilIdle();
}
}
