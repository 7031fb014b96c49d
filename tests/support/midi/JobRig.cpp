#include "support/midi/JobRig.h"

#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"

#include "application/CPXWResource.h"
#include "midiport/DefaultBackend.h"

#include <thread>

namespace devicetest
{
namespace
{
juce::String utf8 (const std::string& text)
{
    return juce::String::fromUTF8 (text.c_str());
}
}

std::shared_ptr<midiport::VirtualBackend> JobRig::applicationBackend()
{
    static const auto backend = std::make_shared<midiport::VirtualBackend>();
    return backend;
}

namespace
{
std::shared_ptr<CountingBackend> countingBackend()
{
    static const auto backend = std::make_shared<CountingBackend> (JobRig::applicationBackend());
    return backend;
}
}

CountingBackend& JobRig::counting()
{
    return *countingBackend();
}

midi::MidiDeviceManager& JobRig::manager()
{
    static auto* const made = [] {
        midiport::setDefaultBackend (countingBackend());
        auto* instance = midi::MidiDeviceManager::getInstance();
        instance->setFamilyCode (343);
        return instance;
    }();
    return *made;
}

JobRig::JobRig (const sim::InstrumentIdentity& identity)
    : instrument (*applicationBackend(), identity)
{
    testsupport::setUpInterfaceFonts();
    CPXWResource::getInstance();
    manager().setScanTimings (300, 0);
    useInstrumentPorts();
}

JobRig::~JobRig()
{
    testsupport::runMessageLoopUntil ([] { return ! manager().isScanning(); }, 5000);
    manager().closePorts();
    midi::deviceScanFinished = true;
}

void JobRig::useInstrumentPorts()
{
    manager().setAutoScan (false);
    manager().setInPortName (utf8 (instrument.getSourceDisplayName()));
    manager().setOutPortName (utf8 (instrument.getDestinationDisplayName()));
}

void JobRig::useMissingPorts()
{
    manager().setAutoScan (false);
    manager().setInPortName ("Nowhere - Out");
    manager().setOutPortName ("Nowhere - In");
}

bool JobRig::searchInVain()
{
    auto identity = instrument.getIdentity();
    identity.answerDeviceSearch = false;
    instrument.setIdentity (identity);

    manager().setAutoScan (true);
    manager().startScan();
    return testsupport::runMessageLoopUntil ([] { return manager().isScanFinished(); }, 5000);
}

bool JobRig::isJobLockFree()
{
    // The lock is recursive: only another thread can tell whether it is held.
    bool free = false;
    std::thread probe ([&free] {
        auto& lock = manager().getJobLock();
        free = lock.tryEnter();
        if (free)
            lock.exit();
    });
    probe.join();
    return free;
}

bool JobRig::isDeviceReleased()
{
    return ! manager().arePortsOpen() && counting().portsHeld() == 0 && isJobLockFree();
}

int runBehindDialog (midi::MidiCommunicationProcess& job, bool keepOpenAfterSuccess)
{
    return midi::MidiCommunicationDialog::runModal (job.getTitle(), job, keepOpenAfterSuccess);
}

ScriptedProcess::ScriptedProcess (Body function, bool canCancel) : body (std::move (function)), cancelable (canCancel)
{
}

std::int32_t ScriptedProcess::run()
{
    return record.track (*this, [this] { return body (*this); });
}

ProgressAtRequests::ProgressAtRequests (sim::SimulatedInstrument& instrument, const midi::MidiCommunicationProcess& job)
{
    shared->job = &job;
    auto values = shared;
    instrument.addRule ([values] (const sim::Request& request) {
        std::lock_guard<std::mutex> guard (values->lock);
        if (values->job != nullptr)
            values->values.emplace_back (request.kind, values->job->getProgress());
        return false;
    }, sim::Behaviour());
}

ProgressAtRequests::~ProgressAtRequests()
{
    std::lock_guard<std::mutex> guard (shared->lock);
    shared->job = nullptr;
}

std::vector<float> ProgressAtRequests::of (sim::RequestKind kind) const
{
    std::lock_guard<std::mutex> guard (shared->lock);
    std::vector<float> found;
    for (const auto& [requestKind, value] : shared->values)
        if (requestKind == kind)
            found.push_back (value);
    return found;
}
}
