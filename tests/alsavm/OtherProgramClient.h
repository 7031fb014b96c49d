#pragma once

// Another program on the sequencer, written straight on libasound with the
// sequencer's default queue sizes: a port "In" others can write to, with a
// thread that reads and keeps the System Exclusive bytes that arrive, and a
// port "Out" from which it sends. Lets the tests see what a receiver that is
// not built on the port layer gets, and what a sender that is not paced by it
// does to this program's receivers.

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <poll.h>
#include <string>
#include <thread>
#include <vector>

namespace seqtest
{
class OtherProgramClient
{
public:
    explicit OtherProgramClient (const std::string& name)
    {
        if (snd_seq_open (&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0)
        {
            seq = nullptr;
            return;
        }
        snd_seq_set_client_name (seq, name.c_str());
        port = snd_seq_create_simple_port (seq, "In", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                           SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        outPort = snd_seq_create_simple_port (seq, "Out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                              SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        if (port >= 0 && outPort >= 0)
            reader = std::thread ([this] { read(); });
    }

    ~OtherProgramClient()
    {
        stopping = true;
        if (reader.joinable())
            reader.join();
        if (seq != nullptr)
            snd_seq_close (seq);
    }

    bool isOpen() const { return reader.joinable(); }

    std::vector<std::uint8_t> getBytes()
    {
        std::lock_guard<std::mutex> guard (lock);
        return bytes;
    }

    int getOverflows() const { return overflows; }

    // Sends a System Exclusive message to the subscribers of "Out" in pieces
    // as fast as they are taken, waiting whenever the receiver is full and
    // going on afterwards, as a simple program does.
    bool sendToSubscribers (const std::vector<std::uint8_t>& message, std::size_t piece)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (30);
        for (std::size_t start = 0; start < message.size();)
        {
            const auto size = std::min (piece, message.size() - start);
            snd_seq_event_t event;
            snd_seq_ev_clear (&event);
            snd_seq_ev_set_source (&event, outPort);
            snd_seq_ev_set_subs (&event);
            snd_seq_ev_set_direct (&event);
            snd_seq_ev_set_sysex (&event, (unsigned int) size, const_cast<std::uint8_t*> (message.data() + start));
            const int result = snd_seq_event_output_direct (seq, &event);
            if (result >= 0)
                start += size;
            else if ((result != -EAGAIN && result != -ENOMEM) || std::chrono::steady_clock::now() > deadline)
                return false;
            else
                std::this_thread::sleep_for (std::chrono::milliseconds (1));
        }
        return true;
    }

private:
    void read()
    {
        const int count = snd_seq_poll_descriptors_count (seq, POLLIN);
        std::vector<pollfd> fds ((std::size_t) count);
        snd_seq_poll_descriptors (seq, fds.data(), (unsigned int) count, POLLIN);
        while (! stopping)
        {
            if (poll (fds.data(), (nfds_t) count, 50) <= 0)
                continue;
            for (;;)
            {
                snd_seq_event_t* event = nullptr;
                const int result = snd_seq_event_input (seq, &event);
                if (result == -ENOSPC)
                {
                    ++overflows;
                    continue;
                }
                if (result < 0 || event == nullptr)
                    break;
                if (event->type == SND_SEQ_EVENT_SYSEX)
                {
                    const auto* data = static_cast<const std::uint8_t*> (event->data.ext.ptr);
                    std::lock_guard<std::mutex> guard (lock);
                    bytes.insert (bytes.end(), data, data + event->data.ext.len);
                }
            }
        }
    }

    snd_seq_t* seq = nullptr;
    int port = -1;
    int outPort = -1;
    std::atomic<bool> stopping { false };
    std::atomic<int> overflows { 0 };
    std::mutex lock;
    std::vector<std::uint8_t> bytes;
    std::thread reader;
};
}
