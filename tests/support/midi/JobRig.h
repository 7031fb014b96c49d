#pragma once

#include "support/midi/CountingBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include "midi/MidiCommunicationDialog.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiDeviceManager.h"
#include "midiport/VirtualBackend.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace devicetest
{
// The application's device manager, which the progress dialog and the jobs
// use, on a virtual backend (counted) that becomes the default backend
// before the manager is made. The manager is made once per process: a test
// executable that uses the rig must not make it with another backend first.
//
// A rig attaches one simulated instrument and points the manager's manual
// ports at it; it sets up the interface fonts and the localisation resource
// on the message thread, so that a job's thread only reads them.
class JobRig
{
public:
    explicit JobRig (const sim::InstrumentIdentity& identity = {});
    ~JobRig();

    static std::shared_ptr<midiport::VirtualBackend> applicationBackend();
    static CountingBackend& counting();
    static midi::MidiDeviceManager& manager();

    // Manual ports named after the instrument (the default).
    void useInstrumentPorts();
    // Manual ports that no device has: the ports cannot be opened.
    void useMissingPorts();
    // Automatic ports after a search that found nothing (the instrument does
    // not answer searches); false when the search did not end.
    bool searchInVain();

    // Nobody holds the job lock: another thread can take it.
    static bool isJobLockFree();
    // No port of the wrapper is open and nobody holds the job lock.
    static bool isDeviceReleased();

    sim::SimulatedInstrument instrument;
};

// Runs a job behind the real progress dialog and returns the dialog's result.
int runBehindDialog (midi::MidiCommunicationProcess& job, bool keepOpenAfterSuccess = false);

// What one run of a job did, as the job's thread saw it.
struct RunRecord
{
    std::atomic<bool> ran { false };
    std::atomic<bool> ended { false };
    std::atomic<bool> onMessageThread { false };
    std::atomic<std::int32_t> result { -1 };
    std::atomic<bool> cancelSeenAtEnd { false };
    juce::String threadName;   // written before `ran`, read after `ended`

    template <typename Body>
    std::int32_t track (midi::MidiCommunicationProcess& job, Body&& body)
    {
        auto* thread = juce::Thread::getCurrentThread();
        threadName = thread != nullptr ? thread->getThreadName() : juce::String();
        onMessageThread = juce::MessageManager::existsAndIsCurrentThread();
        ran = true;
        const auto code = body();
        cancelSeenAtEnd = job.isCancelRequested();
        result = code;
        ended = true;
        return code;
    }
};

// A job whose run records where and how it ran.
template <typename Job>
class ObservedJob : public Job
{
public:
    using Job::Job;

    std::int32_t run() override
    {
        return record.track (*this, [this] { return Job::run(); });
    }

    RunRecord record;
};

// A job that runs a function, for tests of the dialog and the thread. The
// function gets the job, whose run helpers it may use.
class ScriptedProcess : public midi::MidiCommunicationProcess
{
public:
    using Body = std::function<std::int32_t (ScriptedProcess&)>;

    explicit ScriptedProcess (Body body, bool cancelable = true);

    std::int32_t run() override;
    bool isSuccess (std::int32_t code) override { return code == 0; }
    juce::String getTitle() override { return "Test Transfer"; }
    bool isCancelable() override { return cancelable; }

    using midi::MidiCommunicationProcess::prepareTask;
    using midi::MidiCommunicationProcess::beginRun;
    using midi::MidiCommunicationProcess::endCanceled;
    using midi::MidiCommunicationProcess::endWithError;
    using midi::MidiCommunicationProcess::getMidi;
    using midi::MidiCommunicationProcess::identifyInstrument;

    RunRecord record;

private:
    Body body;
    bool cancelable;
};

// Records the job's progress each time the instrument receives a request
// (before it answers), as a rule that never picks a behaviour. Add it before
// the rules that do. The rule stays with the instrument and records nothing
// once the probe is gone.
class ProgressAtRequests
{
public:
    ProgressAtRequests (sim::SimulatedInstrument& instrument, const midi::MidiCommunicationProcess& job);
    ~ProgressAtRequests();

    // One value per request of the kind, in order.
    std::vector<float> of (sim::RequestKind kind) const;

private:
    struct Shared
    {
        std::mutex lock;
        const midi::MidiCommunicationProcess* job = nullptr;
        std::vector<std::pair<sim::RequestKind, float>> values;
    };
    std::shared_ptr<Shared> shared = std::make_shared<Shared>();
};
}
