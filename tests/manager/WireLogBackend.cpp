#include "WireLogBackend.h"

namespace managertest
{
namespace
{
class LoggedDevice : public midiport::Device
{
public:
    LoggedDevice (std::unique_ptr<midiport::Device> device, std::shared_ptr<WireLogBackend::Assembler> sent)
        : inner (std::move (device)), outgoing (std::move (sent))
    {
    }

    bool send (const std::uint8_t* data, std::size_t size) override
    {
        // Logged first: the host may act on the reply before send returns.
        {
            const std::lock_guard<std::mutex> guard (sendLock);
            outgoing->add (data, size);
        }
        return inner->send (data, size);
    }

    midiport::Endpoint getSource() const override { return inner->getSource(); }
    midiport::Endpoint getDestination() const override { return inner->getDestination(); }

private:
    std::unique_ptr<midiport::Device> inner;
    std::shared_ptr<WireLogBackend::Assembler> outgoing;
    std::mutex sendLock;
};
}

WireLogBackend::WireLogBackend (std::shared_ptr<midiport::Backend> wrapped) : inner (std::move (wrapped)) {}

std::unique_ptr<midiport::Client> WireLogBackend::createClient (const std::string& name,
                                                                midiport::SetupChangedCallback onSetupChanged)
{
    return inner->createClient (name, std::move (onSetupChanged));
}

std::unique_ptr<midiport::Device> WireLogBackend::createDevice (const midiport::DeviceSpec& spec,
                                                                midiport::ReadCallback onReceive)
{
    auto incoming = std::make_shared<Assembler> (*this, true);
    auto device = inner->createDevice (spec, [incoming, onReceive] (const midiport::PacketList& packets) {
        for (const auto& packet : packets)
            incoming->add (packet.bytes.data(), packet.bytes.size());
        onReceive (packets);
    });
    if (device == nullptr)
        return nullptr;
    return std::make_unique<LoggedDevice> (std::move (device), std::make_shared<Assembler> (*this, false));
}

std::vector<WireLogBackend::Entry> WireLogBackend::getEntries() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return entries;
}

void WireLogBackend::clear()
{
    const std::lock_guard<std::mutex> guard (lock);
    entries.clear();
}

void WireLogBackend::append (bool toInstrument, std::vector<std::uint8_t> message)
{
    const std::lock_guard<std::mutex> guard (lock);
    entries.push_back ({ toInstrument, std::move (message) });
}

void WireLogBackend::Assembler::add (const std::uint8_t* data, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
    {
        const auto byte = data[i];
        if (byte >= 0xF8)
            continue;
        if (byte == 0xF0)
        {
            current.assign (1, byte);
            inSysEx = true;
        }
        else if (inSysEx)
        {
            current.push_back (byte);
            if (byte == 0xF7)
            {
                inSysEx = false;
                log.append (direction, std::move (current));
                current.clear();
            }
        }
    }
}
}
