#pragma once

#include "midiport/MidiPort.h"

#include <memory>
#include <mutex>
#include <vector>

namespace managertest
{
// Wraps a backend and records, in the order the instrument saw them, every
// whole System Exclusive message that reached a device published on it and
// every one that the device sent. Shows who waited for whom on the wire,
// which the instrument's own request log (kept as requests are handled) can
// not.
class WireLogBackend : public midiport::Backend
{
public:
    struct Entry
    {
        bool toInstrument = false;
        std::vector<std::uint8_t> message;
    };

    explicit WireLogBackend (std::shared_ptr<midiport::Backend> wrapped);

    bool isAvailable() const override { return inner->isAvailable(); }
    std::vector<midiport::Endpoint> getSources() override { return inner->getSources(); }
    std::vector<midiport::Endpoint> getDestinations() override { return inner->getDestinations(); }
    std::unique_ptr<midiport::Client> createClient (const std::string& name,
                                                    midiport::SetupChangedCallback onSetupChanged) override;
    std::unique_ptr<midiport::Device> createDevice (const midiport::DeviceSpec& spec,
                                                    midiport::ReadCallback onReceive) override;

    std::vector<Entry> getEntries() const;
    void clear();

    // A direction's bytes as they pass; whole messages go to the log.
    class Assembler
    {
    public:
        Assembler (WireLogBackend& owner, bool toInstrument) : log (owner), direction (toInstrument) {}
        void add (const std::uint8_t* data, std::size_t size);

    private:
        WireLogBackend& log;
        bool direction;
        std::vector<std::uint8_t> current;
        bool inSysEx = false;
    };

private:
    void append (bool toInstrument, std::vector<std::uint8_t> message);

    std::shared_ptr<midiport::Backend> inner;
    mutable std::mutex lock;
    std::vector<Entry> entries;
};
}
