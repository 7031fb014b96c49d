#include "UnitJobRuns.h"

#include "support/ModalDialogDriver.h"

#include "midi/MidiCommunicationThread.h"
#include "ui/ModalDialogState.h"

#include <atomic>
#include <memory>

namespace unitjobs
{
std::int32_t runOnThread (midi::MidiCommunicationProcess& job, JobRig& rig, sim::RequestMatcher cancelWhen)
{
    auto& manager = JobRig::manager();
    const juce::ScopedLock jobLock (manager.getJobLock());
    if (! manager.openPorts())
        return -1;

    // The rule outlives the run: it reaches the thread only through this
    // pointer, which is cleared before the thread goes.
    auto running = std::make_shared<std::atomic<juce::Thread*>> (nullptr);
    if (cancelWhen)
        rig.instrument.addRule ([running, cancelWhen] (const sim::Request& request) {
            if (auto* thread = running->load(); thread != nullptr && cancelWhen (request))
                thread->signalThreadShouldExit();
            return false;
        }, sim::Behaviour());

    std::int32_t result = -1;
    {
        midi::MidiCommunicationThread thread (job);
        *running = &thread;
        if (thread.startThread())
        {
            while (thread.isThreadRunning())
                juce::Thread::sleep (1);
            result = thread.getResult();
        }
        *running = nullptr;
    }
    manager.closePorts();
    return result;
}

sim::RequestMatcher unitRequest (sim::RequestKind kind, int unitKind, int slot)
{
    return [=] (const sim::Request& r) { return r.kind == kind && r.unitKind == unitKind && r.number == slot; };
}

sim::RequestMatcher nthFromNow (sim::RequestKind kind, std::size_t n)
{
    auto seen = std::make_shared<std::size_t> (0);
    return [=] (const sim::Request& r) { return r.kind == kind && (*seen)++ == n; };
}

std::vector<sim::RequestKind> kindsOf (sim::SimulatedInstrument& instrument)
{
    std::vector<sim::RequestKind> kinds;
    for (const auto& request : instrument.getRequests())
        kinds.push_back (request.kind);
    return kinds;
}

std::vector<std::pair<int, int>> unitRequests (sim::SimulatedInstrument& instrument, sim::RequestKind kind)
{
    std::vector<std::pair<int, int>> found;
    for (const auto& request : instrument.getRequestsOfKind (kind))
        found.emplace_back (request.unitKind, request.number);
    return found;
}

int runBehindDialogUntilDone (midi::MidiCommunicationProcess& job, CommunicationDialogView* ended)
{
    CommunicationDialogView seen;
    ModalDialogScript closer (60000);
    closer.then ("the end of a failed run", dialogShowsOk(), readAndPressOk (ended != nullptr ? *ended : seen));
    return devicetest::runBehindDialog (job);
}

ModalDialogScript::Condition dialogShowsOk()
{
    return [] (juce::Component& window) {
        const auto view = devicetest::readCommunicationDialog (window);
        return view.closeShowing && view.closeEnabled && view.closeText == getLocalizedText ("CommonOK");
    };
}

ModalDialogScript::Action readAndPressOk (CommunicationDialogView& view)
{
    return testsupport::andThen ([&view] (juce::Component& window) { view = devicetest::readCommunicationDialog (window); },
                                 testsupport::clickButton ("Button"));
}

void UnitJobTest::TearDown()
{
    EXPECT_TRUE (JobRig::isDeviceReleased());
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}
}
