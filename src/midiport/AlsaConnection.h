#pragma once

#include "midiport/StopSignal.h"
#include "midiport/TaskThread.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>

namespace midiport
{
// One client of the ALSA sequencer: its handle, a thread that reads its events
// and hands each to the handler of the port it arrived at, and a thread that
// sends. Everything but reading goes through one lock, so the sender, the
// reader and the owner can share the handle.
class AlsaConnection : public std::enable_shared_from_this<AlsaConnection>
{
public:
    using EventHandler = std::function<void (const snd_seq_event_t&)>;

    // Null when the sequencer cannot be opened; then openError (when given)
    // holds the sound library's negative error code.
    static std::shared_ptr<AlsaConnection> open (const std::string& clientName, int* openError = nullptr);
    ~AlsaConnection();

    int getClientId() const { return clientId; }

    // The port number, or -1.
    int createPort (const std::string& name, unsigned int capabilities);
    void deletePort (int port);

    bool connectFrom (int port, int sourceClient, int sourcePort);
    void disconnectFrom (int port, int sourceClient, int sourcePort);

    // Subscribes the port to a destination, which a driver's port needs
    // before it opens its device and passes on what it gets; true when the
    // subscription exists afterwards.
    bool connectTo (int port, int destinationClient, int destinationPort);
    bool portExists (int client, int port);

    // Handlers run on the reading thread; an empty handler removes it.
    void setHandler (int port, EventHandler handler);

    // Returns true once the reading thread has read and dispatched every
    // event that had reached this client before the call: at once on the
    // reading thread, when nothing waits to be read, and once the connection
    // is stopping. False when the deadline passes or the stop comes first.
    bool waitUntilRead (Deadline deadline, StopSignal& stop);

    // Ends the reading thread and makes queued sends give up. Called by the
    // owner; may be called on any thread, also the reading one.
    void stop();

    void postSend (std::function<void()> task);

    // Hands one event to the sequencer at once (on the sending thread). When
    // the receiver's queue is full, what it held is lost already; the send is
    // retried for a while only when asked to.
    bool output (snd_seq_event_t& event, bool retryWhileFull);

    bool isStopping() const { return stopping; }

    // How often the kernel has thrown away events queued for this client
    // because a sender found its queue full.
    std::uint64_t getLossCount() const { return losses; }

    // The pause after each System Exclusive event sent.
    void setSysExPause (std::chrono::microseconds pause) { sysExPause = pause.count(); }
    std::chrono::microseconds getSysExPause() const { return std::chrono::microseconds (sysExPause.load()); }

    // Runs fn with the handle under the lock, for queries.
    template <typename Fn>
    void withHandle (Fn&& fn)
    {
        std::lock_guard<std::mutex> lock (controlMutex);
        fn (seq);
    }

private:
    AlsaConnection (snd_seq_t* handle, int wakeDescriptor);
    void start();
    static void read (std::shared_ptr<AlsaConnection> self);
    void dispatch (const snd_seq_event_t& event);
    bool readAll();
    void markRead (std::uint64_t served);
    bool nothingToRead();
    bool isReaderThread() const { return readerId.load() == std::this_thread::get_id(); }

    snd_seq_t* seq = nullptr;
    int clientId = -1;
    int wakeFd = -1;
    std::mutex controlMutex;
    std::mutex handlerMutex;
    std::map<int, std::shared_ptr<const EventHandler>> handlers;
    std::atomic<bool> stopping { false };
    std::atomic<std::uint64_t> losses { 0 };
    std::atomic<std::int64_t> sysExPause { 0 };
    // The reading thread. Its object is touched by start(), before the
    // connection is handed out, then only by the first stop() (which joins
    // it, or lets it go when called on it) and the destructor; every thread
    // tells whether it is the reader by the identity that the reader records
    // as it begins, never by the object that a stop may be joining.
    std::thread reader;
    std::atomic<std::thread::id> readerId {};
    std::vector<pollfd> inputFds;       // the sequencer's, set before the reader starts
    std::atomic<bool> polling { false }; // the reader waits in poll with nothing in hand

    // Requests to read everything up to now, and how many of them the reading
    // thread has served; a request is served by a read that began after it.
    std::mutex readMutex;
    std::condition_variable readDone;
    std::uint64_t readsRequested = 0;
    std::uint64_t readsServed = 0;
    std::unique_ptr<TaskThread> sender;
};
}
