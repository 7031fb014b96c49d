#include "midiport/AlsaBackend.h"

#include "midiport/AlsaConnection.h"
#include "midiport/AlsaEventCodec.h"
#include "midiport/CallbackGate.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <set>
#include <thread>

namespace midiport
{
namespace
{
constexpr unsigned int readableCaps = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
constexpr unsigned int writableCaps = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;

std::uint64_t endpointId (int client, int port)
{
    return ((std::uint64_t) client << 8) | (std::uint64_t) (port & 0xFF);
}

int clientOf (const Endpoint& endpoint) { return endpoint.id == 0 ? -1 : (int) (endpoint.id >> 8); }
int portOf (const Endpoint& endpoint) { return endpoint.id == 0 ? -1 : (int) (endpoint.id & 0xFF); }

// Sends payloads one event at a time from the given port, to one destination
// or (client -1) to the port's subscribers. False when an event could not be
// handed over or the send was cancelled.
bool sendPayloads (AlsaConnection& connection, int fromPort, int toClient, int toPort,
                   const std::vector<EventPayload>& payloads, const std::atomic<bool>& cancelled)
{
    MidiEventCoder coder;
    for (const auto& payload : payloads)
    {
        if (cancelled || connection.isStopping())
            return false;

        snd_seq_event_t event;
        snd_seq_ev_clear (&event);
        if (! coder.payloadToEvent (payload, event))
            continue;

        snd_seq_ev_set_source (&event, fromPort);
        if (toClient < 0)
            snd_seq_ev_set_subs (&event);
        else
            snd_seq_ev_set_dest (&event, toClient, toPort);
        snd_seq_ev_set_direct (&event);

        // A full receiver has lost what it held. A message that has not begun
        // lost nothing and waits for room; the rest of one that lost a piece
        // would only be dropped, so it is given up.
        const bool startsMessage = ! payload.sysEx || payload.bytes.front() == 0xF0;
        if (! connection.output (event, startsMessage))
            return false;
        if (payload.sysEx && connection.getSysExPause().count() > 0)
            std::this_thread::sleep_for (connection.getSysExPause());
    }
    return true;
}

struct InputSink
{
    explicit InputSink (ReadCallback fn) : onRead (std::move (fn)) {}

    CallbackGate gate;
    const ReadCallback onRead;
    MidiEventCoder coder; // used on the reading thread only
    LossGuard lossGuard;  // used on the reading thread only
    std::atomic<std::uint64_t> connectedGeneration { 0 };
    std::atomic<int> connectedClient { -1 };
    std::atomic<int> connectedPort { -1 };
};

void deliverEvent (InputSink& sink, const snd_seq_event_t& event, std::uint64_t lossCount)
{
    if (event.source.client != sink.connectedClient || event.source.port != sink.connectedPort)
        return;

    PacketList packets (1);
    if (! sink.coder.eventToPacket (event, packets.front()) || ! sink.lossGuard.admit (packets.front(), lossCount))
        return;

    sink.gate.runInGeneration (sink.connectedGeneration, [&] { sink.onRead (packets); });
}
}

struct AlsaBackend::Shared
{
    std::mutex mutex;
    std::shared_ptr<AlsaConnection> lister;
    std::set<int> ownClients;
    std::chrono::microseconds sysExPause = alsaSysExChunkPause;

    std::vector<Endpoint> list (unsigned int wantedCaps);
};

std::vector<Endpoint> AlsaBackend::Shared::list (unsigned int wantedCaps)
{
    std::vector<Endpoint> result;
    std::lock_guard<std::mutex> lock (mutex);
    if (lister == nullptr)
        return result;

    snd_seq_client_info_t* clientInfo = nullptr;
    snd_seq_port_info_t* portInfo = nullptr;
    if (snd_seq_client_info_malloc (&clientInfo) < 0)
        return result;
    if (snd_seq_port_info_malloc (&portInfo) < 0)
    {
        snd_seq_client_info_free (clientInfo);
        return result;
    }

    lister->withHandle ([&] (snd_seq_t* seq) {
        snd_seq_client_info_set_client (clientInfo, -1);
        while (snd_seq_query_next_client (seq, clientInfo) >= 0)
        {
            const int client = snd_seq_client_info_get_client (clientInfo);
            if (client == SND_SEQ_CLIENT_SYSTEM || client == lister->getClientId() || ownClients.count (client) > 0)
                continue;

            const std::string deviceName = snd_seq_client_info_get_name (clientInfo);
            snd_seq_port_info_set_client (portInfo, client);
            snd_seq_port_info_set_port (portInfo, -1);
            while (snd_seq_query_next_port (seq, portInfo) >= 0)
            {
                const auto caps = snd_seq_port_info_get_capability (portInfo);
                if ((caps & SND_SEQ_PORT_CAP_NO_EXPORT) != 0 || (caps & wantedCaps) != wantedCaps)
                    continue;
                result.push_back (Endpoint { endpointId (client, snd_seq_port_info_get_port (portInfo)),
                                             deviceName, snd_seq_port_info_get_name (portInfo) });
            }
        }
    });

    snd_seq_port_info_free (portInfo);
    snd_seq_client_info_free (clientInfo);
    return result;
}

namespace
{
using Shared = AlsaBackend::Shared;

// Keeps a client of this program out of the lists until its last port is
// gone, which is when the sequencer lets go of it.
struct OwnClientMark
{
    OwnClientMark (std::shared_ptr<Shared> s, int id) : shared (std::move (s)), clientId (id)
    {
        std::lock_guard<std::mutex> lock (shared->mutex);
        shared->ownClients.insert (clientId);
    }

    ~OwnClientMark()
    {
        std::lock_guard<std::mutex> lock (shared->mutex);
        shared->ownClients.erase (clientId);
    }

    std::shared_ptr<Shared> shared;
    int clientId;
};

class AlsaInputPort : public InputPort
{
public:
    AlsaInputPort (std::shared_ptr<OwnClientMark> m, std::shared_ptr<AlsaConnection> c, int portNumber,
                   std::shared_ptr<InputSink> s)
        : mark (std::move (m)), connection (std::move (c)), port (portNumber), sink (std::move (s))
    {
    }

    ~AlsaInputPort() override
    {
        disconnectSource();
        sink->gate.close();
        connection->deletePort (port);
    }

    bool connectSource (const Endpoint& source) override
    {
        if (sink->connectedClient >= 0 || source.id == 0)
            return false;

        sink->connectedGeneration = sink->gate.getGeneration();
        sink->connectedClient = clientOf (source);
        sink->connectedPort = portOf (source);
        if (connection->connectFrom (port, clientOf (source), portOf (source)))
            return true;

        sink->connectedClient = -1;
        sink->connectedPort = -1;
        return false;
    }

    void disconnectSource() override
    {
        const int client = sink->connectedClient.exchange (-1);
        if (client < 0)
            return;
        const int sourcePort = sink->connectedPort.exchange (-1);
        connection->disconnectFrom (port, client, sourcePort);
        sink->gate.advanceGeneration();
    }

    bool waitUntilDelivered (Deadline deadline, StopSignal& stop) override
    {
        return sink->connectedClient < 0 || connection->waitUntilRead (deadline, stop);
    }

private:
    std::shared_ptr<OwnClientMark> mark;
    std::shared_ptr<AlsaConnection> connection;
    int port;
    std::shared_ptr<InputSink> sink;
};

class AlsaOutputPort : public OutputPort
{
public:
    AlsaOutputPort (std::shared_ptr<OwnClientMark> m, std::shared_ptr<AlsaConnection> c, int portNumber)
        : mark (std::move (m)), connection (std::move (c)), port (portNumber), completionGate (std::make_shared<CallbackGate>()),
          cancelled (std::make_shared<std::atomic<bool>> (false))
    {
    }

    ~AlsaOutputPort() override
    {
        // A dump in progress stops after its current event.
        *cancelled = true;
        completionGate->close();
        connection->deletePort (port);
    }

    bool send (const Endpoint& destination, const std::uint8_t* data, std::size_t size) override
    {
        if (data == nullptr || size == 0 || ! connection->portExists (clientOf (destination), portOf (destination)))
            return false;
        subscribeTo (destination);

        OutgoingSplitter splitter;
        auto payloads = splitter.split (data, size);
        if (payloads.empty())
            return false;

        connection->postSend ([connection = connection, from = port, destination, cancel = cancelled,
                               payloads = std::move (payloads)]
        {
            sendPayloads (*connection, from, clientOf (destination), portOf (destination), payloads, *cancel);
        });
        return true;
    }

    bool sendSysEx (const Endpoint& destination, std::vector<std::uint8_t> message,
                    CompletionCallback completion) override
    {
        if (message.empty() || message.front() != 0xF0
            || ! connection->portExists (clientOf (destination), portOf (destination)))
            return false;
        subscribeTo (destination);

        auto chunks = chunkSysEx (message.data(), message.size());
        connection->postSend ([connection = connection, from = port, destination, cancel = cancelled,
                               gate = completionGate, chunks = std::move (chunks),
                               completion = std::move (completion)]
        {
            const bool allSent = sendPayloads (*connection, from, clientOf (destination), portOf (destination),
                                               chunks, *cancel);
            gate->run ([&] {
                if (completion)
                    completion (allSent);
            });
        });
        return true;
    }

private:
    // Events are addressed to the destination directly, but the port of a
    // kernel driver (a hardware interface, the virtual raw MIDI card) opens
    // its device only while it is subscribed to, and drops everything before.
    // The subscription ends with this port; it is renewed on every send, since
    // a destination that went away and came back under the same number has
    // lost it.
    void subscribeTo (const Endpoint& destination)
    {
        connection->connectTo (port, clientOf (destination), portOf (destination));
    }

    std::shared_ptr<OwnClientMark> mark;
    std::shared_ptr<AlsaConnection> connection;
    int port;
    std::shared_ptr<CallbackGate> completionGate;
    std::shared_ptr<std::atomic<bool>> cancelled;
};

class AlsaClient : public Client
{
public:
    AlsaClient (std::shared_ptr<Shared> s, std::shared_ptr<AlsaConnection> c, SetupChangedCallback onSetupChanged)
        : mark (std::make_shared<OwnClientMark> (std::move (s), c->getClientId())), connection (std::move (c)),
          notice (std::make_shared<NoticeSink> (std::move (onSetupChanged)))
    {
        noticePort = connection->createPort ("Notices", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT);
        if (noticePort < 0)
            return;

        const int self = connection->getClientId();
        auto sink = notice;
        connection->setHandler (noticePort, [sink, self] (const snd_seq_event_t& event) {
            switch (event.type)
            {
                case SND_SEQ_EVENT_CLIENT_START:
                case SND_SEQ_EVENT_CLIENT_EXIT:
                case SND_SEQ_EVENT_PORT_START:
                case SND_SEQ_EVENT_PORT_EXIT:
                    if (event.data.addr.client != self)
                        sink->gate.run ([&] {
                            if (sink->onNotice)
                                sink->onNotice();
                        });
                    break;
                default:
                    break;
            }
        });
        connection->connectFrom (noticePort, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE);
    }

    ~AlsaClient() override
    {
        notice->gate.close();
        connection->stop();
    }

    std::unique_ptr<InputPort> createInputPort (const std::string& name, ReadCallback onRead) override
    {
        const int port = connection->createPort (name, writableCaps);
        if (port < 0)
            return nullptr;

        auto sink = std::make_shared<InputSink> (std::move (onRead));
        if (! sink->coder.isValid())
        {
            connection->deletePort (port);
            return nullptr;
        }
        // Handlers run on the connection's own reading thread, which keeps it alive.
        sink->lossGuard = LossGuard (connection->getLossCount());
        connection->setHandler (port, [sink, reader = connection.get()] (const snd_seq_event_t& event) {
            deliverEvent (*sink, event, reader->getLossCount());
        });
        return std::make_unique<AlsaInputPort> (mark, connection, port, sink);
    }

    std::unique_ptr<OutputPort> createOutputPort (const std::string& name) override
    {
        const int port = connection->createPort (name, readableCaps);
        if (port < 0)
            return nullptr;
        return std::make_unique<AlsaOutputPort> (mark, connection, port);
    }

private:
    struct NoticeSink
    {
        explicit NoticeSink (SetupChangedCallback fn) : onNotice (std::move (fn)) {}

        CallbackGate gate;
        const SetupChangedCallback onNotice;
    };

    std::shared_ptr<OwnClientMark> mark;
    std::shared_ptr<AlsaConnection> connection;
    std::shared_ptr<NoticeSink> notice;
    int noticePort = -1;
};

class AlsaDevice : public Device
{
public:
    AlsaDevice (std::shared_ptr<AlsaConnection> c, const DeviceSpec& deviceSpec, ReadCallback onReceive)
        : connection (std::move (c)), spec (deviceSpec),
          receiver (std::make_shared<Receiver> (std::move (onReceive))),
          cancelled (std::make_shared<std::atomic<bool>> (false))
    {
        if (spec.hasSource)
            sourcePort = connection->createPort (spec.sourceName, readableCaps);
        if (spec.hasDestination)
        {
            destinationPort = connection->createPort (spec.destinationName, writableCaps);
            auto sink = receiver;
            sink->lossGuard = LossGuard (connection->getLossCount());
            connection->setHandler (destinationPort, [sink, reader = connection.get()] (const snd_seq_event_t& event) {
                PacketList packets (1);
                if (sink->coder.eventToPacket (event, packets.front())
                    && sink->lossGuard.admit (packets.front(), reader->getLossCount()))
                    sink->gate.run ([&] {
                        if (sink->onReceive)
                            sink->onReceive (packets);
                    });
            });
        }
    }

    ~AlsaDevice() override
    {
        *cancelled = true;
        receiver->gate.close();
        connection->stop();
    }

    bool isComplete() const
    {
        return (! spec.hasSource || sourcePort >= 0) && (! spec.hasDestination || destinationPort >= 0)
               && receiver->coder.isValid();
    }

    bool send (const std::uint8_t* data, std::size_t size) override
    {
        if (sourcePort < 0 || data == nullptr || size == 0)
            return false;

        std::vector<EventPayload> payloads;
        {
            std::lock_guard<std::mutex> lock (splitterMutex);
            payloads = splitter.split (data, size);
        }
        if (payloads.empty())
            return true;

        connection->postSend ([connection = connection, from = sourcePort, cancel = cancelled,
                               payloads = std::move (payloads)]
        {
            sendPayloads (*connection, from, -1, 0, payloads, *cancel);
        });
        return true;
    }

    Endpoint getSource() const override
    {
        return sourcePort >= 0 ? Endpoint { endpointId (connection->getClientId(), sourcePort), spec.deviceName, spec.sourceName }
                               : Endpoint {};
    }

    Endpoint getDestination() const override
    {
        return destinationPort >= 0
                   ? Endpoint { endpointId (connection->getClientId(), destinationPort), spec.deviceName, spec.destinationName }
                   : Endpoint {};
    }

private:
    struct Receiver
    {
        explicit Receiver (ReadCallback fn) : onReceive (std::move (fn)) {}

        CallbackGate gate;
        const ReadCallback onReceive;
        MidiEventCoder coder; // used on the reading thread only
        LossGuard lossGuard;  // used on the reading thread only
    };

    std::shared_ptr<AlsaConnection> connection;
    DeviceSpec spec;
    std::shared_ptr<Receiver> receiver;
    std::shared_ptr<std::atomic<bool>> cancelled;
    int sourcePort = -1;
    int destinationPort = -1;
    std::mutex splitterMutex;
    OutgoingSplitter splitter;
};
}

namespace
{
std::chrono::microseconds getSysExPause (Shared& shared)
{
    std::lock_guard<std::mutex> lock (shared.mutex);
    return shared.sysExPause;
}
}

AlsaBackend::AlsaBackend() : shared (std::make_shared<Shared>())
{
    int openError = 0;
    shared->lister = AlsaConnection::open ("Solivane Librarian", &openError);
    // The window says that no instrument was found; this line, in place of
    // the sound library's own, tells a terminal why.
    if (shared->lister == nullptr)
        std::fprintf (stderr, "No MIDI: the ALSA sequencer cannot be opened (%s).\n", snd_strerror (openError));
}

AlsaBackend::~AlsaBackend()
{
    std::lock_guard<std::mutex> lock (shared->mutex);
    if (shared->lister != nullptr)
        shared->lister->stop();
}

bool AlsaBackend::isAvailable() const
{
    std::lock_guard<std::mutex> lock (shared->mutex);
    return shared->lister != nullptr;
}

std::vector<Endpoint> AlsaBackend::getSources()
{
    return shared->list (readableCaps);
}

std::vector<Endpoint> AlsaBackend::getDestinations()
{
    return shared->list (writableCaps);
}

std::unique_ptr<Client> AlsaBackend::createClient (const std::string& name, SetupChangedCallback onSetupChanged)
{
    if (! isAvailable())
        return nullptr;
    auto connection = AlsaConnection::open (name);
    if (connection == nullptr)
        return nullptr;
    connection->setSysExPause (getSysExPause (*shared));
    return std::make_unique<AlsaClient> (shared, std::move (connection), std::move (onSetupChanged));
}

std::unique_ptr<Device> AlsaBackend::createDevice (const DeviceSpec& spec, ReadCallback onReceive)
{
    if (! isAvailable() || (! spec.hasSource && ! spec.hasDestination))
        return nullptr;
    auto connection = AlsaConnection::open (spec.deviceName);
    if (connection == nullptr)
        return nullptr;
    connection->setSysExPause (getSysExPause (*shared));
    auto device = std::make_unique<AlsaDevice> (std::move (connection), spec, std::move (onReceive));
    if (! device->isComplete())
        return nullptr;
    return device;
}

void AlsaBackend::setSysExPauseForTesting (std::chrono::microseconds pause)
{
    std::lock_guard<std::mutex> lock (shared->mutex);
    shared->sysExPause = pause;
}
}
