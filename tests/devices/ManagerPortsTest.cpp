#include "support/ChildProcessRunner.h"
#include "support/midi/DeviceRig.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/MidiCommunicationManager.h"
#include "midiport/DefaultBackend.h"

#include <gtest/gtest.h>

using namespace devicetest;

namespace
{
class RecordingListener : public CPXWMidiListener
{
public:
    void sysExReceived (CPXWMidi*, const CPXWMidiMessage&) override { ++messages; }
    std::atomic<int> messages { 0 };
};

void useManualPorts (midi::MidiDeviceManager& manager, const juce::String& in, const juce::String& out)
{
    manager.setAutoScan (false);
    manager.setInPortName (in);
    manager.setOutPortName (out);
}

juce::String name (const std::string& text)
{
    return juce::String::fromUTF8 (text.c_str());
}
}

TEST (ManagerPorts, ManualPortsAreOpenedByName)
{
    DeviceRig rig;
    SilentDevice other (*rig.virtualBackend, "Other", true, true);
    sim::SimulatedInstrument instrument (*rig.virtualBackend, {}, simNames ("Solivane"));

    // The names the manager lists are those the wrapper opens by.
    auto inputs = rig.manager->getInPortNames();
    auto outputs = rig.manager->getOutPortNames();
    ASSERT_EQ (inputs.size(), 2);
    EXPECT_EQ (inputs[1], name (instrument.getSourceDisplayName()));
    EXPECT_EQ (inputs[1], "Solivane - Sim Out");
    EXPECT_EQ (outputs[1], "Solivane - Sim In");

    useManualPorts (*rig.manager, inputs[1], outputs[1]);
    EXPECT_TRUE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.manager->getInPortIndex(), 1);
    EXPECT_EQ (rig.manager->getOutPortIndex(), 1);

    ASSERT_TRUE (rig.manager->openPorts());
    const int created = rig.counting->getCounts().inputPortsCreated;
    // Open already: nothing is opened again.
    EXPECT_TRUE (rig.manager->openPorts());
    EXPECT_EQ (rig.counting->getCounts().inputPortsCreated, created);

    x48305_midi::DeviceInquiry inquiry (rig.manager->getMidi());
    inquiry.setTimeout (1000);
    EXPECT_EQ (inquiry.inquire(), MidiCommunicationError::noError);
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::identityRequest).size(), 1u);

    rig.manager->closePorts();
    EXPECT_FALSE (rig.manager->arePortsOpen());
    EXPECT_EQ (rig.counting->portsHeld(), 0);
    // Manual mode never searches.
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 0u);
}

TEST (ManagerPorts, UnknownManualNamesAreKnownButDoNotOpen)
{
    DeviceRig rig;
    sim::SimulatedInstrument instrument (*rig.virtualBackend);

    useManualPorts (*rig.manager, "Nowhere - In", "Nowhere - Out");
    EXPECT_TRUE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.manager->getInPortIndex(), -1);
    EXPECT_EQ (rig.manager->getOutPortIndex(), -1);
    EXPECT_FALSE (rig.manager->openPorts());
    EXPECT_EQ (rig.counting->portsHeld(), 0);

    // The input exists, the output does not: the input is closed again.
    useManualPorts (*rig.manager, name (instrument.getSourceDisplayName()), "Nowhere - Out");
    EXPECT_FALSE (rig.manager->openPorts());
    EXPECT_GT (rig.counting->getCounts().inputPortsCreated, 0);
    EXPECT_EQ (rig.counting->portsHeld(), 0);
    EXPECT_FALSE (rig.manager->arePortsOpen());
}

TEST (ManagerPorts, AutoScanOpenPortsStartsASearchFirst)
{
    DeviceRig rig;
    sim::SimulatedInstrument instrument (*rig.virtualBackend);

    EXPECT_FALSE (rig.manager->isDeviceKnown());
    EXPECT_FALSE (rig.manager->openPorts());
    EXPECT_TRUE (rig.manager->isScanning());
    EXPECT_FALSE (midi::deviceScanFinished);

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls == 1; }));
    EXPECT_TRUE (rig.manager->openPorts());
    rig.manager->closePorts();
}

TEST (ManagerPorts, ClosePortsRemovesEveryListener)
{
    DeviceRig rig;
    sim::SimulatedInstrument instrument (*rig.virtualBackend);
    useManualPorts (*rig.manager, name (instrument.getSourceDisplayName()),
                    name (instrument.getDestinationDisplayName()));

    RecordingListener first, second;
    ASSERT_TRUE (rig.manager->openPorts());
    rig.manager->getMidi()->addListener (&first);
    rig.manager->getMidi()->addListener (&second);

    sim::Protocol protocol ({});
    instrument.sendRaw (protocol.acknowledge());
    rig.virtualBackend->waitUntilDelivered();
    EXPECT_EQ (first.messages, 1);
    EXPECT_EQ (second.messages, 1);

    rig.manager->closePorts();
    ASSERT_TRUE (rig.manager->openPorts());
    instrument.sendRaw (protocol.acknowledge());
    rig.virtualBackend->waitUntilDelivered();
    EXPECT_EQ (first.messages, 1);
    EXPECT_EQ (second.messages, 1);
    rig.manager->closePorts();
}

TEST (ManagerPorts, TheManagerIsTheInstrumentAddress)
{
    DeviceRig rig;
    auto address = x48305_midi::getCurrentInstrumentAddress();
    EXPECT_EQ (address.familyCode, 343u);
    EXPECT_EQ (address.memberId, x48305_midi::InstrumentAddress::anyMember);

    rig.manager.reset();
    EXPECT_EQ (x48305_midi::getCurrentInstrumentAddress().familyCode, x48305_midi::InstrumentAddress::unknownFamilyCode);
}

// The child's half of the next test: the communication manager is the first
// of the application's objects, so its transmitter makes the device manager
// that it listens to; the framework then deletes both at shutdown.
TEST (ManagerShutdown, DISABLED_CommunicationManagerMadeFirst)
{
    midiport::setDefaultBackend (std::make_shared<midiport::VirtualBackend>());
    EXPECT_FALSE (x48305_midi::MidiCommunicationManager::getInstance()->isBusy());
}

// The device manager outlives the transmitter that listens to it, whichever
// was asked for first (the sanitizers watch the child).
TEST (ManagerShutdown, TheDeviceManagerOutlivesTheTransmitter)
{
    int exitCode = -1;
    const auto output
        = testsupport::runTestInChildProcess ("ManagerShutdown.DISABLED_CommunicationManagerMadeFirst", {}, exitCode);
    EXPECT_EQ (exitCode, 0) << output;
    EXPECT_FALSE (output.contains ("Sanitizer")) << output;
}
