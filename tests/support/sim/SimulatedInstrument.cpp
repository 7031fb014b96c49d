#include "support/sim/SimulatedInstrument.h"

#include <algorithm>

namespace sim
{
namespace
{
// Longer incoming messages are abandoned. The largest real one is the dump
// of a unit with the largest payload a package may hold (16 MiB, about
// 18.3 MiB on the wire).
constexpr std::size_t maximumMessageSize = 20 * 1024 * 1024;

constexpr std::size_t numRequestKinds = (std::size_t) RequestKind::other + 1;
}

RequestMatcher atRequest (std::size_t index)
{
    return [index] (const Request& r) { return r.index == index; };
}

RequestMatcher every (RequestKind kind)
{
    return [kind] (const Request& r) { return r.kind == kind; };
}

RequestMatcher nth (RequestKind kind, std::size_t occurrence)
{
    return [kind, occurrence] (const Request& r) { return r.kind == kind && r.occurrence == occurrence; };
}

RequestMatcher withNumber (RequestKind kind, int number)
{
    return [kind, number] (const Request& r) { return r.kind == kind && r.number == number; };
}

SimulatedInstrument::SimulatedInstrument (midiport::Backend& backend, const InstrumentIdentity& id, const Names& names)
    : identity (id), occurrences (numRequestKinds, 0)
{
    midiport::DeviceSpec spec;
    spec.deviceName = names.deviceName;
    spec.sourceName = names.sourceName;
    spec.destinationName = names.destinationName;

    // The device first: the worker may send as soon as it runs. Messages that
    // arrive before it starts wait in the queue.
    device = backend.createDevice (spec, [this] (const midiport::PacketList& packets) { receive (packets); });
    worker = std::thread ([this] { workerLoop(); });
}

SimulatedInstrument::~SimulatedInstrument()
{
    {
        std::lock_guard<std::mutex> guard (lock);
        stopping = true;
    }
    changed.notify_all();
    worker.join();

    // Waits for a receive callback that is running and stops further ones.
    device.reset();
}

midiport::Endpoint SimulatedInstrument::getSource() const
{
    return device != nullptr ? device->getSource() : midiport::Endpoint {};
}

midiport::Endpoint SimulatedInstrument::getDestination() const
{
    return device != nullptr ? device->getDestination() : midiport::Endpoint {};
}

std::string SimulatedInstrument::getSourceDisplayName() const
{
    return getSource().getDisplayName();
}

std::string SimulatedInstrument::getDestinationDisplayName() const
{
    return getDestination().getDisplayName();
}

InstrumentIdentity SimulatedInstrument::getIdentity() const
{
    std::lock_guard<std::mutex> guard (lock);
    return identity;
}

void SimulatedInstrument::setIdentity (const InstrumentIdentity& id)
{
    std::lock_guard<std::mutex> guard (lock);
    identity = id;
}

void SimulatedInstrument::setDefaultBehaviour (const Behaviour& behaviour)
{
    std::lock_guard<std::mutex> guard (lock);
    defaultBehaviour = behaviour;
}

void SimulatedInstrument::addRule (RequestMatcher when, const Behaviour& behaviour, int times)
{
    std::lock_guard<std::mutex> guard (lock);
    rules.push_back (Rule { std::move (when), behaviour, times });
}

void SimulatedInstrument::clearRules()
{
    std::lock_guard<std::mutex> guard (lock);
    rules.clear();
}

Bytes SimulatedInstrument::getProgram (int number) const
{
    std::lock_guard<std::mutex> guard (lock);
    if (number < 0 || number >= InstrumentMemory::numPrograms)
        return {};
    return memory.program (number);
}

void SimulatedInstrument::setProgram (int number, const Bytes& record)
{
    std::lock_guard<std::mutex> guard (lock);
    if (number >= 0 && number < InstrumentMemory::numPrograms && record.size() == InstrumentMemory::programSize)
        memory.program (number) = record;
}

Bytes SimulatedInstrument::getCurrentProgram() const
{
    std::lock_guard<std::mutex> guard (lock);
    return memory.currentProgram;
}

Bytes SimulatedInstrument::getLiveset() const
{
    std::lock_guard<std::mutex> guard (lock);
    return memory.liveset;
}

void SimulatedInstrument::setLiveset (const Bytes& block)
{
    std::lock_guard<std::mutex> guard (lock);
    if (block.size() == InstrumentMemory::livesetSize)
        memory.liveset = block;
}

InstrumentMemory::UnitSlot SimulatedInstrument::getUnitSlot (int kind, int slot) const
{
    std::lock_guard<std::mutex> guard (lock);
    if (slot < 0 || slot >= InstrumentMemory::getSlotCount (kind))
        return {};
    return memory.unitSlot (kind, slot);
}

void SimulatedInstrument::setUnitSlot (int kind, int slot, const InstrumentMemory::UnitSlot& unit)
{
    std::lock_guard<std::mutex> guard (lock);
    if (slot >= 0 && slot < InstrumentMemory::getSlotCount (kind) && unit.header.size() == InstrumentMemory::unitHeaderSize)
        memory.unitSlot (kind, slot) = unit;
}

void SimulatedInstrument::withMemory (const std::function<void (InstrumentMemory&)>& fn)
{
    std::lock_guard<std::mutex> guard (lock);
    fn (memory);
}

std::vector<Request> SimulatedInstrument::getRequests() const
{
    std::lock_guard<std::mutex> guard (lock);
    return log;
}

std::size_t SimulatedInstrument::getRequestCount() const
{
    std::lock_guard<std::mutex> guard (lock);
    return log.size();
}

std::vector<Request> SimulatedInstrument::getRequestsOfKind (RequestKind kind) const
{
    std::lock_guard<std::mutex> guard (lock);
    std::vector<Request> result;
    std::copy_if (log.begin(), log.end(), std::back_inserter (result), [kind] (const Request& r) { return r.kind == kind; });
    return result;
}

bool SimulatedInstrument::waitForRequests (std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> guard (lock);
    return changed.wait_for (guard, timeout, [this, count] { return handledCount >= count; });
}

void SimulatedInstrument::clearLog()
{
    std::lock_guard<std::mutex> guard (lock);
    // Indices and occurrences go on counting, so rules set up before stay valid.
    log.clear();
    handledCount = 0;
}

std::size_t SimulatedInstrument::getReplyCount() const
{
    std::lock_guard<std::mutex> guard (lock);
    return replyCount;
}

bool SimulatedInstrument::sendRaw (const Bytes& bytes)
{
    return device != nullptr && device->send (bytes.data(), bytes.size());
}

void SimulatedInstrument::receive (const midiport::PacketList& packets)
{
    for (const auto& packet : packets)
    {
        for (const auto byte : packet.bytes)
        {
            if (byte >= 0xF8)
                continue;                       // real-time bytes never interrupt

            if (byte == 0xF0)
            {
                assembly.assign (1, byte);
                inSysEx = true;
            }
            else if (byte == 0xF7)
            {
                if (! inSysEx)
                    continue;

                assembly.push_back (byte);
                inSysEx = false;
                {
                    std::lock_guard<std::mutex> guard (lock);
                    incoming.push_back (std::move (assembly));
                }
                assembly.clear();
                changed.notify_all();
            }
            else if (byte >= 0x80)
            {
                inSysEx = false;                // any other status abandons the message
                assembly.clear();
            }
            else if (inSysEx)
            {
                assembly.push_back (byte);
                if (assembly.size() > maximumMessageSize)
                {
                    inSysEx = false;
                    assembly.clear();
                }
            }
        }
    }
}

void SimulatedInstrument::workerLoop()
{
    for (;;)
    {
        Bytes message;
        {
            std::unique_lock<std::mutex> guard (lock);
            changed.wait (guard, [this] { return stopping || ! incoming.empty(); });
            if (stopping)
                return;
            message = std::move (incoming.front());
            incoming.pop_front();
        }
        handle (std::move (message));
    }
}

Behaviour SimulatedInstrument::behaviourFor (const Request& request)
{
    for (auto& rule : rules)
    {
        if (rule.timesLeft == 0 || ! rule.when (request))
            continue;
        if (rule.timesLeft > 0)
            --rule.timesLeft;
        return rule.behaviour;
    }
    return defaultBehaviour;
}

void SimulatedInstrument::handle (Bytes message)
{
    Behaviour behaviour;
    Bytes reply;
    Bytes late;
    {
        std::lock_guard<std::mutex> guard (lock);
        const Protocol protocol (identity);
        auto request = protocol.classify (message);
        request.index = requestCounter++;
        request.occurrence = occurrences[(std::size_t) request.kind]++;
        log.push_back (request);
        behaviour = behaviourFor (request);

        switch (behaviour.reply)
        {
            case ReplyKind::normal:
            case ReplyKind::shortened:
            case ReplyKind::duplicated:
            case ReplyKind::repeatedLate: reply = protocol.respond (request, memory); break;
            case ReplyKind::refuse: reply = protocol.refusal(); break;
            case ReplyKind::silent: break;
            case ReplyKind::userUnitError: reply = protocol.userUnitError (behaviour.userUnitErrorFunction); break;
            case ReplyKind::custom: reply = behaviour.customBytes; break;
        }

        if (behaviour.reply == ReplyKind::shortened && reply.size() >= 2)
        {
            const auto cut = std::min (behaviour.cutBytes, reply.size() - 2);
            reply.erase (reply.end() - 1 - (std::ptrdiff_t) cut, reply.end() - 1);
        }

        late = std::move (lateReply);
        lateReply = behaviour.reply == ReplyKind::repeatedLate ? reply : Bytes();
    }

    if (sleepUnlessStopping (behaviour.delay))
    {
        if (! late.empty())
            sendShaped (late, Behaviour());
        const int times = reply.empty() ? 0 : behaviour.reply == ReplyKind::duplicated ? 2 : 1;
        for (int i = 0; i < times; ++i)
            sendShaped (reply, behaviour);
    }

    {
        std::lock_guard<std::mutex> guard (lock);
        ++handledCount;
    }
    changed.notify_all();
}

bool SimulatedInstrument::sleepUnlessStopping (std::chrono::milliseconds delay)
{
    std::unique_lock<std::mutex> guard (lock);
    if (delay.count() > 0)
        changed.wait_for (guard, delay, [this] { return stopping; });
    return ! stopping;
}

void SimulatedInstrument::sendShaped (const Bytes& reply, const Behaviour& behaviour)
{
    Bytes stream;
    stream.reserve (reply.size() * 2);
    for (std::size_t i = 0; i < reply.size(); ++i)
    {
        stream.push_back (reply[i]);
        if (behaviour.realTimeEvery > 0 && (i + 1) % behaviour.realTimeEvery == 0 && i + 1 < reply.size())
            stream.push_back (behaviour.realTimeByte);
    }

    const auto packetSize = behaviour.packetSize == 0 ? stream.size() : behaviour.packetSize;
    for (std::size_t start = 0; start < stream.size(); start += packetSize)
        device->send (stream.data() + start, std::min (packetSize, stream.size() - start));

    std::lock_guard<std::mutex> guard (lock);
    ++replyCount;
}
}
