#pragma once

#include "midiport/MidiPort.h"

#include <chrono>
#include <memory>

namespace midiport
{
// The ALSA sequencer. Its clients and their ports are the sources (ports
// others can read from) and destinations (ports others can write to), in the
// order of client and port numbers; the system client and this program's own
// clients are left out, the devices it publishes are not. Those already
// listed keep their order, but the sequencer gives a new client the lowest
// free number, so one that appears may come before them. Each client and
// device of the layer is a sequencer client of its own, with a thread that
// reads its events and a thread that sends: System Exclusive goes out in
// 256-byte events, each handed over directly and followed by a short pause,
// so that the receiver's queue never overflows; everything a client or device
// sends leaves in order, one message after the other.
//
// Without a sequencer (no /dev/snd) the backend is unavailable: it lists
// nothing, creates nothing, and nothing else fails.
class AlsaBackend : public Backend
{
public:
    AlsaBackend();
    ~AlsaBackend() override;

    bool isAvailable() const override;
    std::vector<Endpoint> getSources() override;
    std::vector<Endpoint> getDestinations() override;
    std::unique_ptr<Client> createClient (const std::string& name, SetupChangedCallback onSetupChanged) override;
    std::unique_ptr<Device> createDevice (const DeviceSpec& spec, ReadCallback onReceive) override;

    // For tests only: the pause after each System Exclusive event, for the
    // clients and devices created from now on. Zero sends unpaced, which
    // overruns the receiver's queue and loses bytes.
    void setSysExPauseForTesting (std::chrono::microseconds pause);

    struct Shared;

private:
    std::shared_ptr<Shared> shared;
};
}
