#include "midiport/AlsaConnection.h"

#include <cerrno>
#include <chrono>
#include <algorithm>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

namespace midiport
{
namespace
{
// How long a send waits for room in a receiver that does not read.
constexpr auto busyGiveUp = std::chrono::milliseconds (2000);
constexpr auto busyRetryPause = std::chrono::milliseconds (1);

// The kernel queue of what reaches this client, in cells of 28 bytes (a
// 256-byte event takes 11). The sequencer's default of 200 holds about 4.6 KiB
// and, when a sender overfills it, throws away everything it held; the largest
// it allows (2000) lets a reader that falls behind catch up on about 46 KiB.
constexpr std::size_t inputPoolCells = 2000;

// The sound library writes its own report of every failure to the terminal
// (on a machine without sound devices, one about /dev/snd/seq at each
// start). Every failure reaches the program as an error code, and the
// program tells the user itself.
void quietLibraryReports (const char*, int, const char*, int, const char*, ...)
{
}
}

std::shared_ptr<AlsaConnection> AlsaConnection::open (const std::string& clientName, int* openError)
{
    static std::once_flag quiet;
    std::call_once (quiet, [] { snd_lib_error_set_handler (&quietLibraryReports); });

    snd_seq_t* handle = nullptr;
    const int opened = snd_seq_open (&handle, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    if (opened < 0 || handle == nullptr)
    {
        if (openError != nullptr)
            *openError = opened < 0 ? opened : -ENODEV;
        return nullptr;
    }

    // The sequencer takes names of up to 63 characters.
    snd_seq_set_client_name (handle, clientName.substr (0, 63).c_str());
    // Kept at the default when the sequencer refuses.
    snd_seq_set_client_pool_input (handle, inputPoolCells);

    auto wake = eventfd (0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0)
    {
        if (openError != nullptr)
            *openError = -errno;
        snd_seq_close (handle);
        return nullptr;
    }

    std::shared_ptr<AlsaConnection> connection (new AlsaConnection (handle, wake));
    connection->start();
    return connection;
}

AlsaConnection::AlsaConnection (snd_seq_t* handle, int wakeDescriptor)
    : seq (handle), clientId (snd_seq_client_id (handle)), wakeFd (wakeDescriptor),
      sender (std::make_unique<TaskThread>())
{
}

AlsaConnection::~AlsaConnection()
{
    stop();
    if (reader.joinable())
        reader.detach();

    // Tasks still queued are dropped; a task that held the last reference
    // is the one running now, and its thread ends after it.
    sender.reset();
    close (wakeFd);
    snd_seq_close (seq);
}

void AlsaConnection::start()
{
    const int count = snd_seq_poll_descriptors_count (seq, POLLIN);
    inputFds.resize ((std::size_t) std::max (count, 0));
    snd_seq_poll_descriptors (seq, inputFds.data(), (unsigned int) count, POLLIN);
    reader = std::thread (&AlsaConnection::read, shared_from_this());
}

void AlsaConnection::stop()
{
    if (stopping.exchange (true))
        return;

    std::uint64_t one = 1;
    [[maybe_unused]] auto written = ::write (wakeFd, &one, sizeof (one));

    if (reader.joinable())
    {
        if (isReaderThread())
            reader.detach();
        else
            reader.join();
    }

    std::lock_guard<std::mutex> lock (handlerMutex);
    handlers.clear();
}

int AlsaConnection::createPort (const std::string& name, unsigned int capabilities)
{
    std::lock_guard<std::mutex> lock (controlMutex);
    return snd_seq_create_simple_port (seq, name.substr (0, 63).c_str(), capabilities,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
}

void AlsaConnection::deletePort (int port)
{
    if (port < 0)
        return;
    setHandler (port, nullptr);
    std::lock_guard<std::mutex> lock (controlMutex);
    snd_seq_delete_simple_port (seq, port);
}

bool AlsaConnection::connectFrom (int port, int sourceClient, int sourcePort)
{
    std::lock_guard<std::mutex> lock (controlMutex);
    return snd_seq_connect_from (seq, port, sourceClient, sourcePort) >= 0;
}

bool AlsaConnection::connectTo (int port, int destinationClient, int destinationPort)
{
    std::lock_guard<std::mutex> lock (controlMutex);
    const auto result = snd_seq_connect_to (seq, port, destinationClient, destinationPort);
    return result >= 0 || result == -EBUSY;
}

void AlsaConnection::disconnectFrom (int port, int sourceClient, int sourcePort)
{
    std::lock_guard<std::mutex> lock (controlMutex);
    snd_seq_disconnect_from (seq, port, sourceClient, sourcePort);
}

bool AlsaConnection::portExists (int client, int port)
{
    if (client < 0 || port < 0)
        return false;

    snd_seq_port_info_t* info = nullptr;
    if (snd_seq_port_info_malloc (&info) < 0)
        return false;
    bool exists = false;
    {
        std::lock_guard<std::mutex> lock (controlMutex);
        exists = snd_seq_get_any_port_info (seq, client, port, info) >= 0;
    }
    snd_seq_port_info_free (info);
    return exists;
}

void AlsaConnection::setHandler (int port, EventHandler handler)
{
    std::lock_guard<std::mutex> lock (handlerMutex);
    if (handler)
        handlers[port] = std::make_shared<const EventHandler> (std::move (handler));
    else
        handlers.erase (port);
}

void AlsaConnection::postSend (std::function<void()> task)
{
    if (! stopping)
        sender->post (std::move (task));
}

bool AlsaConnection::output (snd_seq_event_t& event, bool retryWhileFull)
{
    const auto deadline = std::chrono::steady_clock::now() + busyGiveUp;
    for (;;)
    {
        int result = 0;
        {
            std::lock_guard<std::mutex> lock (controlMutex);
            result = snd_seq_event_output_direct (seq, &event);
        }
        if (result >= 0)
            return true;
        if (! retryWhileFull || (result != -EAGAIN && result != -ENOMEM) || stopping
            || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for (busyRetryPause);
    }
}

void AlsaConnection::dispatch (const snd_seq_event_t& event)
{
    std::shared_ptr<const EventHandler> handler;
    {
        std::lock_guard<std::mutex> lock (handlerMutex);
        auto found = handlers.find (event.dest.port);
        if (found != handlers.end())
            handler = found->second;
    }
    if (handler != nullptr)
        (*handler) (event);
}

void AlsaConnection::read (std::shared_ptr<AlsaConnection> self)
{
    self->readerId = std::this_thread::get_id();
    auto fds = self->inputFds;
    fds.push_back (pollfd { self->wakeFd, POLLIN, 0 });

    while (! self->stopping)
    {
        self->polling = true;
        const auto polled = poll (fds.data(), (nfds_t) fds.size(), -1);
        self->polling = false;
        if (polled < 0)
        {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds.back().revents != 0)
        {
            std::uint64_t wakes = 0;
            [[maybe_unused]] auto got = ::read (self->wakeFd, &wakes, sizeof (wakes));
        }

        std::uint64_t requested = 0;
        {
            std::lock_guard<std::mutex> lock (self->readMutex);
            requested = self->readsRequested;
        }
        if (! self->readAll())
            break;
        self->markRead (requested);
    }

    // Nothing more is read: a caller still waiting goes on.
    self->markRead (~std::uint64_t (0));
}

// Reads and dispatches until the sequencer holds nothing more; false once the
// connection is stopping.
bool AlsaConnection::readAll()
{
    while (! stopping)
    {
        snd_seq_event_t* event = nullptr;
        auto result = snd_seq_event_input (seq, &event);
        if (result == -ENOSPC)
        {
            ++losses; // the kernel dropped the events it held
            continue;
        }
        if (result < 0 || event == nullptr)
            return true;
        dispatch (*event);
    }
    return false;
}

void AlsaConnection::markRead (std::uint64_t served)
{
    {
        std::lock_guard<std::mutex> lock (readMutex);
        readsServed = std::max (readsServed, served);
    }
    readDone.notify_all();
}

bool AlsaConnection::nothingToRead()
{
    // The sequencer is asked first: an event that the reader takes after
    // that is one it had not yet, and the reader leaves its poll only once
    // it has dispatched everything it took.
    auto fds = inputFds;
    if (poll (fds.data(), (nfds_t) fds.size(), 0) != 0)
        return false;
    return polling;
}

bool AlsaConnection::waitUntilRead (Deadline deadline, StopSignal& stop)
{
    if (stopping || isReaderThread() || nothingToRead())
        return true;

    std::uint64_t wanted = 0;
    {
        std::lock_guard<std::mutex> lock (readMutex);
        wanted = ++readsRequested;
        std::uint64_t one = 1;
        [[maybe_unused]] auto written = ::write (wakeFd, &one, sizeof (one));
    }
    return stop.waitUntil (readMutex, readDone, deadline, [&] { return readsServed >= wanted; });
}
}
