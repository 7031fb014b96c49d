#include "ManagerRig.h"

#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"

#include "application/CPXWResource.h"

#include <juce_core/juce_core.h>

#include <algorithm>
#include <thread>

namespace managertest
{
namespace
{
juce::String utf8 (const std::string& text)
{
    return juce::String::fromUTF8 (text.c_str());
}
}

ManagerRig::ManagerRig()
    : wire (std::make_shared<WireLogBackend> (devicetest::JobRig::applicationBackend())),
      instrument (*wire)
{
    testsupport::setUpInterfaceFonts();
    CPXWResource::getInstance();
    devices().setAutoScan (false);
    devices().setInPortName (utf8 (instrument.getSourceDisplayName()));
    devices().setOutPortName (utf8 (instrument.getDestinationDisplayName()));
}

ManagerRig::~ManagerRig()
{
    devices().closePorts();
}

std::vector<std::string> ManagerRig::currentProgramNames() const
{
    std::vector<std::string> names;
    const sim::Protocol protocol (instrument.getIdentity());
    for (const auto& request : instrument.getRequestsOfKind (sim::RequestKind::currentProgramDump))
    {
        sim::InstrumentMemory memory;
        protocol.respond (request, memory);
        names.push_back (nameInRecord (memory.currentProgram));
    }
    return names;
}

int ManagerRig::positionOf (const Match& match, int occurrence) const
{
    const auto entries = wire->getEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (match (entries[i]) && occurrence-- == 0)
            return (int) i;
    return -1;
}

ManagerRig::Match ManagerRig::sentToInstrument (sim::RequestKind kind) const
{
    const sim::Protocol protocol (instrument.getIdentity());
    return [protocol, kind] (const WireLogBackend::Entry& entry) {
        return entry.toInstrument && protocol.classify (entry.message).kind == kind;
    };
}

ManagerRig::Match ManagerRig::acknowledgement() const
{
    const auto ack = sim::Protocol (instrument.getIdentity()).acknowledge();
    return [ack] (const WireLogBackend::Entry& entry) { return ! entry.toInstrument && entry.message == ack; };
}

ThreadsAskingForTheAddress::ThreadsAskingForTheAddress()
{
    x48305_midi::setInstrumentAddressSource (this);
}

ThreadsAskingForTheAddress::~ThreadsAskingForTheAddress()
{
    x48305_midi::setInstrumentAddressSource (&ManagerRig::devices());
}

x48305_midi::InstrumentAddress ThreadsAskingForTheAddress::getInstrumentAddress() const
{
    std::string name = "unnamed";
    if (juce::MessageManager::existsAndIsCurrentThread())
        name = "message thread";
    else if (auto* thread = juce::Thread::getCurrentThread())
        name = thread->getThreadName().toStdString();

    {
        const std::lock_guard<std::mutex> guard (lock);
        if (std::find (names.begin(), names.end(), name) == names.end())
            names.push_back (name);
    }
    return ManagerRig::devices().getInstrumentAddress();
}

std::vector<std::string> ThreadsAskingForTheAddress::getNames() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return names;
}

bool waitFor (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return condition();
        std::this_thread::sleep_for (1ms);
    }
    return true;
}

std::string nameInRecord (const sim::Bytes& record)
{
    if (record.size() < 16)
        return {};
    return juce::String (reinterpret_cast<const char*> (record.data() + 4), 12).trimEnd().toStdString();
}

bool transmitterEnds (x48305_midi::AsyncCurrentProgramTransmitter& transmitter, std::chrono::milliseconds timeout)
{
    const bool ended = waitFor ([&] { return ! transmitter.isRunning(); }, timeout);
    transmitter.waitUntilEnded();
    return ended;
}
}
