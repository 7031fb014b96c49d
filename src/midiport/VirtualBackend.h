#pragma once

#include "midiport/MidiPort.h"

#include <chrono>
#include <memory>

namespace midiport
{
// A MIDI backend inside the process, for tests. Devices that tests create
// appear as sources and destinations in creation order; everything is
// delivered on one thread of the backend, in the order it was sent.
//
// Shaping of what devices send (applies to sends made after the setting):
// the bytes of one Device::send can be cut into packets of at most a given
// size, all handed to a read callback in one packet list, and a real-time
// byte can be interleaved after every so many bytes.
//
// System Exclusive completion is immediate by default (reported on the
// backend's thread after the destination has received the message); a test
// can delay it or make it never come.
//
// Output ports hand each message over at once by default; a test can pace
// System Exclusive messages as the ALSA backend does, so that a large one
// takes as long to leave as it would there.
class VirtualBackend : public Backend
{
public:
    enum class Completion
    {
        immediate,
        delayed,
        never
    };

    VirtualBackend();
    ~VirtualBackend() override;

    bool isAvailable() const override { return true; }
    std::vector<Endpoint> getSources() override;
    std::vector<Endpoint> getDestinations() override;
    std::unique_ptr<Client> createClient (const std::string& name, SetupChangedCallback onSetupChanged) override;
    std::unique_ptr<Device> createDevice (const DeviceSpec& spec, ReadCallback onReceive) override;

    // 0 hands each send over as one packet.
    void setPacketSize (std::size_t maxBytesPerPacket);

    // Inserts the byte after every `every` bytes of a send (0 switches it off).
    void setRealTimeInterleave (std::uint8_t realTimeByte, std::size_t every);

    void setSysExCompletion (Completion mode, std::chrono::milliseconds delay = std::chrono::milliseconds (0));

    // From now on, System Exclusive messages leave in pieces of at most
    // bytesPerPiece bytes, one piece every `interval`, each delivered as it
    // leaves; the completion follows the last piece. Whatever an output port
    // sends meanwhile leaves after it, in order. 0 bytes switches it off.
    void setSysExPacing (std::size_t bytesPerPiece, std::chrono::microseconds interval);

    // Blocks until everything already sent, and every notice already due, has
    // been delivered (delayed completions not yet due are not waited for; a
    // paced message is, to its last piece).
    void waitUntilDelivered();

    struct State;

private:
    std::shared_ptr<State> state;
};
}
