#pragma once

// A simulated instrument for the communication tests: it attaches to a
// backend of the MIDI port layer (the in-process virtual backend, or the ALSA
// sequencer) as one device with one source and one destination, and answers
// every request the way the instrument does.
//
// What it understands (see Protocol): the device search, the universal
// identity request, program dump requests (0x1C) and program writes (0x4C),
// the current program (0x40), the live-set request (0x16) and write (0x46),
// and the user-unit header request (0x19), dump (0x4A), slot swap (0x1E) and
// slot clear (0x1B). Writes are acknowledged (0x23); requests it cannot
// serve (a program number above 499, a slot out of range, a message of the
// wrong length) are refused (0x24); a unit dump whose size prefix or module
// does not fit gets a user-unit error (0x27, 0x28). Messages for another
// channel or family, and anything it does not know, are logged and ignored.
//
// The family code goes high byte first in the maker header, but low byte
// first in the identity and device-search replies.
//
// What it holds (InstrumentMemory; getProgram, getLiveset, getUnitSlot and
// their setters, or withMemory): 500 programs ("Sim Prog nnn"), the current
// program, the live-set block (bank b slot s = program b * 8 + s; every other
// byte InstrumentMemory::ownByte (offset)) and 16/16/8/8 unit slots, all
// empty at start.
//
// What tests can tell it:
// - who it is: channel, family code, member ID, firmware version (default
//   1.1.0), the maker byte of the identity reply, whether it answers the
//   device search, the short or long form for an empty unit slot
//   (InstrumentIdentity, at construction or setIdentity);
// - its device and endpoint names (Names);
// - how to react, per request: setDefaultBehaviour for every request, and
//   addRule (matcher, behaviour, times) for the requests a matcher picks
//   (atRequest (i), every (kind), nth (kind, k), withNumber (kind, n), or any
//   predicate); rules are tried in the order they were added, the first that
//   matches and has uses left wins. A Behaviour chooses the reply (the normal answer, a refusal,
//   silence, the answer cut short by some bytes, the answer twice, the
//   answer now and again late, a user-unit error, or any bytes given), a
//   delay before replying, a packet
//   size for cutting the reply into separate sends, and a real-time byte
//   (timing clock by default) interleaved after every so many bytes.
//   A refused, silent, user-unit-error or custom reply leaves the memory as
//   it was; a short, duplicated or late-repeated one acts on the request
//   first.
// - to send anything unprompted (sendRaw).
//
// What it reports: every message it received, in order, with its kind and
// fields (getRequests, waitForRequests), and how many replies it sent.
//
// Requests are handled one at a time on a thread of the simulator, so a
// delayed reply also delays the requests behind it, as on the instrument.
//
// The production side addresses it once the family code is known: use
// ScopedInstrumentAddress until the device manager provides it.

#include "support/sim/SimInstrumentMemory.h"
#include "support/sim/SimProtocol.h"

#include "midiport/MidiPort.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace sim
{
enum class ReplyKind
{
    normal,          // the instrument's own answer
    refuse,          // a refusal (0x24) in place of the answer
    silent,          // no answer at all
    shortened,       // the answer without `cutBytes` bytes before its F7
    duplicated,      // the answer twice
    repeatedLate,    // the answer, and again just before the answer to the next request
    userUnitError,   // a user-unit error (userUnitErrorFunction, 0x27 to 0x2F)
    custom           // customBytes in place of the answer
};

struct Behaviour
{
    ReplyKind reply = ReplyKind::normal;
    std::chrono::milliseconds delay { 0 };
    std::size_t packetSize = 0;            // 0: each reply goes out in one send
    std::size_t realTimeEvery = 0;         // 0: no interleaved real-time bytes
    std::uint8_t realTimeByte = 0xF8;
    std::size_t cutBytes = 1;              // for shortened
    std::uint8_t userUnitErrorFunction = 0x27;
    Bytes customBytes;                     // for custom

    static Behaviour refuse() { return make (ReplyKind::refuse); }
    static Behaviour silent() { return make (ReplyKind::silent); }
    static Behaviour shortened (std::size_t bytes = 1) { auto b = make (ReplyKind::shortened); b.cutBytes = bytes; return b; }
    static Behaviour duplicated() { return make (ReplyKind::duplicated); }
    static Behaviour repeatedLate() { return make (ReplyKind::repeatedLate); }
    static Behaviour userUnitError (std::uint8_t function = 0x27) { auto b = make (ReplyKind::userUnitError); b.userUnitErrorFunction = function; return b; }
    static Behaviour custom (Bytes bytes) { auto b = make (ReplyKind::custom); b.customBytes = std::move (bytes); return b; }
    static Behaviour delayed (std::chrono::milliseconds ms) { Behaviour b; b.delay = ms; return b; }
    static Behaviour inPackets (std::size_t size, std::size_t realTimeEveryBytes = 0) { Behaviour b; b.packetSize = size; b.realTimeEvery = realTimeEveryBytes; return b; }

private:
    static Behaviour make (ReplyKind kind) { Behaviour b; b.reply = kind; return b; }
};

using RequestMatcher = std::function<bool (const Request&)>;

// The request with this index over all received messages.
RequestMatcher atRequest (std::size_t index);
// Every request of a kind.
RequestMatcher every (RequestKind kind);
// The n-th request (from 0) of a kind.
RequestMatcher nth (RequestKind kind, std::size_t occurrence);
// A request of a kind that carries this program number or (first) slot.
RequestMatcher withNumber (RequestKind kind, int number);

struct Names
{
    std::string deviceName = "Solivane Sim";
    std::string sourceName = "Sim Out";
    std::string destinationName = "Sim In";
};

class SimulatedInstrument
{
public:
    SimulatedInstrument (midiport::Backend& backend, const InstrumentIdentity& identity = {}, const Names& names = {});
    ~SimulatedInstrument();

    SimulatedInstrument (const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator= (const SimulatedInstrument&) = delete;

    // False when the backend refused the device.
    bool isAttached() const { return device != nullptr; }

    // The endpoints as the backend lists them: the wrapper opens the source
    // as its input and the destination as its output.
    midiport::Endpoint getSource() const;
    midiport::Endpoint getDestination() const;
    std::string getSourceDisplayName() const;
    std::string getDestinationDisplayName() const;

    // Identity, changed between exchanges.
    InstrumentIdentity getIdentity() const;
    void setIdentity (const InstrumentIdentity& identity);

    // Behaviour.
    void setDefaultBehaviour (const Behaviour& behaviour);
    // times < 0: the rule never runs out.
    // The matcher runs under the simulator's lock: it must not call the simulator.
    void addRule (RequestMatcher when, const Behaviour& behaviour, int times = -1);
    void clearRules();

    // Memory, read and changed under the simulator's lock.
    Bytes getProgram (int number) const;
    void setProgram (int number, const Bytes& record);
    Bytes getCurrentProgram() const;
    Bytes getLiveset() const;
    void setLiveset (const Bytes& block);
    InstrumentMemory::UnitSlot getUnitSlot (int kind, int slot) const;
    void setUnitSlot (int kind, int slot, const InstrumentMemory::UnitSlot& unit);
    void withMemory (const std::function<void (InstrumentMemory&)>& fn);

    // The log.
    std::vector<Request> getRequests() const;
    std::size_t getRequestCount() const;
    std::vector<Request> getRequestsOfKind (RequestKind kind) const;
    // True once count messages have been received and handled (replies sent)
    // since the start or the last clearLog.
    bool waitForRequests (std::size_t count, std::chrono::milliseconds timeout) const;
    // Empties the log; call it while no exchange is under way.
    void clearLog();
    std::size_t getReplyCount() const;

    // Sends bytes from the instrument's source as they are, unprompted.
    bool sendRaw (const Bytes& bytes);

private:
    void receive (const midiport::PacketList& packets);
    void workerLoop();
    void handle (Bytes message);
    Behaviour behaviourFor (const Request& request);
    void sendShaped (const Bytes& reply, const Behaviour& behaviour);
    bool sleepUnlessStopping (std::chrono::milliseconds delay);

    struct Rule
    {
        RequestMatcher when;
        Behaviour behaviour;
        int timesLeft;
    };

    mutable std::mutex lock;
    mutable std::condition_variable changed;
    InstrumentIdentity identity;
    InstrumentMemory memory;
    Behaviour defaultBehaviour;
    std::vector<Rule> rules;
    std::vector<Request> log;
    std::size_t requestCounter = 0;   // every message received, never reset
    std::size_t handledCount = 0;     // handled since the log was last cleared
    std::size_t replyCount = 0;
    std::vector<std::size_t> occurrences;
    std::deque<Bytes> incoming;
    Bytes lateReply;                  // goes out before the next request's answer
    bool stopping = false;

    // Assembly of incoming System Exclusive messages (backend thread only).
    Bytes assembly;
    bool inSysEx = false;

    std::unique_ptr<midiport::Device> device;
    std::thread worker;
};
}
