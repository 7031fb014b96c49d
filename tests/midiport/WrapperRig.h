#pragma once

#include "midiport/CPXWMidi.h"
#include "midiport/VirtualBackend.h"
#include "PortRecorder.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

namespace porttest
{
// Records every listener call of the wrapper.
class RecordingListener : public CPXWMidiListener
{
public:
    void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage& m) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        shorts.push_back (bytesOf (m));
        changed.notify_all();
    }

    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& m) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        sysEx.push_back (bytesOf (m));
        changed.notify_all();
    }

    void sysExProgress (CPXWMidi*, std::uint32_t count, const std::uint8_t* data) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        progress.push_back (Bytes (data, data + count));
        changed.notify_all();
    }

    void sysExSent (CPXWMidi*, std::uint32_t count) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        sent.push_back (count);
        changed.notify_all();
    }

    void setupChanged (CPXWMidi*) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        ++setups;
        changed.notify_all();
    }

    template <typename Pred>
    bool waitUntil (Pred pred, int timeoutMs = 2000)
    {
        std::unique_lock<std::mutex> lock (mutex);
        return changed.wait_for (lock, std::chrono::milliseconds (timeoutMs), pred);
    }

    static Bytes bytesOf (const CPXWMidiMessage& m)
    {
        return Bytes (m.getBytes(), m.getBytes() + m.getLength());
    }

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Bytes> shorts;
    std::vector<Bytes> sysEx;
    std::vector<Bytes> progress;
    std::vector<std::uint32_t> sent;
    int setups = 0;
};

// A wrapper on a virtual backend with one instrument-like device, its input
// and output open and one recording listener.
struct WrapperRig
{
    WrapperRig()
    {
        midiport::DeviceSpec spec;
        spec.deviceName = "Synth";
        spec.sourceName = "Synth Out";
        spec.destinationName = "Synth In";
        device = backend->createDevice (spec, instrument.callback());
        midi.createClient ("MidiDevice");
        midi.addListener (&listener);
        opened = midi.openInput (0) && midi.openOutput (0);
    }

    ~WrapperRig() { midi.removeAllListeners(); }

    // Sends the bytes from the instrument as one packet (or, when the backend
    // is set to, several) and waits until the wrapper has parsed them.
    void feed (const Bytes& bytes)
    {
        device->send (bytes.data(), bytes.size());
        backend->waitUntilDelivered();
    }

    std::shared_ptr<midiport::VirtualBackend> backend = std::make_shared<midiport::VirtualBackend>();
    PacketRecorder instrument;
    std::unique_ptr<midiport::Device> device;
    CPXWMidi midi { backend };
    RecordingListener listener;
    bool opened = false;
};

inline Bytes sysExOfLength (std::size_t length, std::uint8_t seed = 1)
{
    Bytes m (length, 0);
    m.front() = 0xF0;
    for (std::size_t i = 1; i + 1 < length; ++i)
        m[i] = (std::uint8_t) ((i * 7 + seed) & 0x7F);
    m.back() = 0xF7;
    return m;
}

inline Bytes concat (std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const auto& p : parts)
        all.insert (all.end(), p.begin(), p.end());
    return all;
}
}
