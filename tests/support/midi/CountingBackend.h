#pragma once

#include "midiport/MidiPort.h"

#include <atomic>
#include <memory>
#include <string>

namespace devicetest
{
// Wraps a backend and counts the ports that its clients hold, so that tests
// can see what a search or the manager left open, and the messages handed to
// its output ports, so that they can see what left the program whether or
// not anything received it. It can also refuse output ports, as a machine
// whose MIDI services run out of ports would.
class CountingBackend : public midiport::Backend
{
public:
    struct Counts
    {
        std::atomic<int> liveClients { 0 };
        std::atomic<int> liveInputPorts { 0 };
        std::atomic<int> connectedInputs { 0 };
        std::atomic<int> liveOutputPorts { 0 };
        std::atomic<int> inputPortsCreated { 0 };
        std::atomic<int> mostConnectedInputs { 0 };
        std::atomic<int> messagesSent { 0 };
        std::atomic<bool> refuseOutputPorts { false };
    };

    explicit CountingBackend (std::shared_ptr<midiport::Backend> wrapped)
        : inner (std::move (wrapped)), counts (std::make_shared<Counts>())
    {
    }

    bool isAvailable() const override { return inner->isAvailable(); }
    std::vector<midiport::Endpoint> getSources() override { return inner->getSources(); }
    std::vector<midiport::Endpoint> getDestinations() override { return inner->getDestinations(); }

    std::unique_ptr<midiport::Client> createClient (const std::string& name,
                                                    midiport::SetupChangedCallback onSetupChanged) override
    {
        auto client = inner->createClient (name, std::move (onSetupChanged));
        if (client == nullptr)
            return nullptr;
        return std::make_unique<CountingClient> (std::move (client), counts);
    }

    std::unique_ptr<midiport::Device> createDevice (const midiport::DeviceSpec& spec,
                                                    midiport::ReadCallback onReceive) override
    {
        return inner->createDevice (spec, std::move (onReceive));
    }

    Counts& getCounts() { return *counts; }

    // No client holds any port or is alive.
    bool isIdle() const
    {
        return counts->liveClients == 0 && counts->liveInputPorts == 0 && counts->liveOutputPorts == 0
               && counts->connectedInputs == 0;
    }

    int portsHeld() const { return counts->liveInputPorts + counts->liveOutputPorts; }

private:
    class CountingInput : public midiport::InputPort
    {
    public:
        CountingInput (std::unique_ptr<midiport::InputPort> port, std::shared_ptr<Counts> c)
            : inner (std::move (port)), counts (std::move (c))
        {
            ++counts->liveInputPorts;
            ++counts->inputPortsCreated;
        }

        ~CountingInput() override
        {
            inner.reset();
            if (connected)
                --counts->connectedInputs;
            --counts->liveInputPorts;
        }

        bool connectSource (const midiport::Endpoint& source) override
        {
            if (! inner->connectSource (source))
                return false;
            connected = true;
            auto now = ++counts->connectedInputs;
            auto most = counts->mostConnectedInputs.load();
            while (now > most && ! counts->mostConnectedInputs.compare_exchange_weak (most, now)) {}
            return true;
        }

        void disconnectSource() override
        {
            inner->disconnectSource();
            if (connected)
                --counts->connectedInputs;
            connected = false;
        }

        bool waitUntilDelivered (midiport::Deadline deadline, midiport::StopSignal& stop) override
        {
            return inner->waitUntilDelivered (deadline, stop);
        }

    private:
        std::unique_ptr<midiport::InputPort> inner;
        std::shared_ptr<Counts> counts;
        bool connected = false;
    };

    class CountingOutput : public midiport::OutputPort
    {
    public:
        CountingOutput (std::unique_ptr<midiport::OutputPort> port, std::shared_ptr<Counts> c)
            : inner (std::move (port)), counts (std::move (c))
        {
            ++counts->liveOutputPorts;
        }

        ~CountingOutput() override
        {
            inner.reset();
            --counts->liveOutputPorts;
        }

        bool send (const midiport::Endpoint& destination, const std::uint8_t* data, std::size_t size) override
        {
            ++counts->messagesSent;
            return inner->send (destination, data, size);
        }

        bool sendSysEx (const midiport::Endpoint& destination, std::vector<std::uint8_t> message,
                        midiport::CompletionCallback completion) override
        {
            ++counts->messagesSent;
            return inner->sendSysEx (destination, std::move (message), std::move (completion));
        }

    private:
        std::unique_ptr<midiport::OutputPort> inner;
        std::shared_ptr<Counts> counts;
    };

    class CountingClient : public midiport::Client
    {
    public:
        CountingClient (std::unique_ptr<midiport::Client> client, std::shared_ptr<Counts> c)
            : inner (std::move (client)), counts (std::move (c))
        {
            ++counts->liveClients;
        }

        ~CountingClient() override
        {
            inner.reset();
            --counts->liveClients;
        }

        std::unique_ptr<midiport::InputPort> createInputPort (const std::string& name,
                                                              midiport::ReadCallback onRead) override
        {
            auto port = inner->createInputPort (name, std::move (onRead));
            return port != nullptr ? std::make_unique<CountingInput> (std::move (port), counts) : nullptr;
        }

        std::unique_ptr<midiport::OutputPort> createOutputPort (const std::string& name) override
        {
            if (counts->refuseOutputPorts)
                return nullptr;
            auto port = inner->createOutputPort (name);
            return port != nullptr ? std::make_unique<CountingOutput> (std::move (port), counts) : nullptr;
        }

    private:
        std::unique_ptr<midiport::Client> inner;
        std::shared_ptr<Counts> counts;
    };

    std::shared_ptr<midiport::Backend> inner;
    std::shared_ptr<Counts> counts;
};
}
