#include "JobTestSupport.h"

#include "midi/SelectedProgramProcesses.h"
#include "midi/TransmitCurrentProgramProcess.h"

using namespace devicetest;
using namespace jobtest;
using namespace testsupport;
using sim::RequestKind;

namespace
{
using ProgramJobs = JobTest;
constexpr std::uint32_t fastTimeout = 1000;
}

TEST_F (ProgramJobs, SelectedProgramsAreReceivedAndWritten)
{
    JobRig rig;
    auto library = makeLibrary();
    const auto before = library;

    {
        ObservedJob<x48305_midi::ReceiveSelectedProgramProcess> job ({ 7, 42, 499 }, library);
        job.setTaskTimeout (fastTimeout);
        ProgressAtRequests progress (rig.instrument, job);
        EXPECT_EQ (runBehindDialog (job), 0);

        EXPECT_EQ (numbersOf (rig.instrument, RequestKind::programDumpRequest), (std::vector<int> { 7, 42, 499 }));
        EXPECT_EQ (programsThatDiffer (library, rig.instrument, 7, 7), std::vector<int>());
        EXPECT_EQ (programsThatDiffer (library, rig.instrument, 42, 42), std::vector<int>());
        EXPECT_EQ (programsThatDiffer (library, rig.instrument, 499, 499), std::vector<int>());
        EXPECT_EQ (recordOf (library.getProgram (8)), recordOf (before.getProgram (8)));
        // Program k reports k / 3 once it is in: each request sees what the
        // one before it reported (the first sees the start), the end 2 / 3.
        EXPECT_EQ (progress.of (RequestKind::programDumpRequest), (std::vector<float> { 0.0f, 0.0f, 1.0f / 3.0f }));
        EXPECT_EQ (job.getProgress(), 2.0f / 3.0f);
        EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
    }

    rig.instrument.clearLog();
    {
        ObservedJob<x48305_midi::WriteSelectedProgramProcess> job ({ 250, 3 }, library);
        job.setTaskTimeout (fastTimeout);
        ProgressAtRequests progress (rig.instrument, job);
        EXPECT_EQ (runBehindDialog (job), 0);

        EXPECT_EQ (numbersOf (rig.instrument, RequestKind::programDump), (std::vector<int> { 250, 3 }));
        EXPECT_EQ (recordOf (library.getProgram (250)), rig.instrument.getProgram (250));
        EXPECT_EQ (recordOf (library.getProgram (3)), rig.instrument.getProgram (3));
        EXPECT_EQ (rig.instrument.getProgram (4), sim::InstrumentMemory::defaultProgram (4));
        EXPECT_EQ (progress.of (RequestKind::programDump), (std::vector<float> { 0.0f, 0.0f }));
        EXPECT_EQ (job.getProgress(), 0.5f);
    }

    // An empty list only identifies the instrument.
    rig.instrument.clearLog();
    ObservedJob<x48305_midi::ReceiveSelectedProgramProcess> empty ({}, library);
    EXPECT_EQ (runBehindDialog (empty), 0);
    EXPECT_EQ (kindsOf (rig.instrument), std::vector<RequestKind> { RequestKind::identityRequest });
}

TEST_F (ProgramJobs, CancellingSelectedProgramsEndsAfterTheItemUnderWay)
{
    JobRig rig;
    rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 30),
                            sim::Behaviour::delayed (std::chrono::milliseconds (300)));
    auto library = makeLibrary();
    ObservedJob<x48305_midi::WriteSelectedProgramProcess> job ({ 10, 20, 30, 40, 50 }, library);
    job.setTaskTimeout (fastTimeout);

    CommunicationDialogView ended;
    ModalDialogScript script;
    script.then ("program 30 on its way", requested (rig.instrument, RequestKind::programDump, 30),
                 clickButton ("CancelButton"))
        .then ("the end", showsOk(), readAndPressOk (ended));

    EXPECT_EQ (runBehindDialog (job), 1);
    EXPECT_EQ (job.record.result, MidiCommunicationError::canceled);
    EXPECT_EQ (numbersOf (rig.instrument, RequestKind::programDump), (std::vector<int> { 10, 20, 30 }));
    EXPECT_EQ (recordOf (library.getProgram (30)), rig.instrument.getProgram (30));
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::canceled));
}

// The one test at the real time-outs: the current program goes through, and
// an instrument that keeps silent is given up after the inquiry's 3000 ms.
TEST_F (ProgramJobs, TheCurrentProgramAtTheRealTimeouts)
{
    JobRig rig;
    const auto program = programNamed ("Current", 9);

    ObservedJob<x48305_midi::TransmitCurrentProgramProcess> sent (program);
    EXPECT_FALSE (sent.isCancelable());
    EXPECT_EQ (runBehindDialog (sent), 0);
    EXPECT_EQ (rig.instrument.getCurrentProgram(), recordOf (program));
    EXPECT_EQ (sent.record.result, 0);

    rig.instrument.clearLog();
    rig.instrument.addRule (sim::every (RequestKind::identityRequest), sim::Behaviour::silent());
    ObservedJob<x48305_midi::TransmitCurrentProgramProcess> unanswered (program);

    CommunicationDialogView during, ended;
    ModalDialogScript script (8000);
    const auto sending = getLocalizedText ("CommunicationProcessTransmitCurrentProgram");
    script.then ("the inquiry", viewShows ([&] (auto& view) { return rig.instrument.getRequestCount() > 0 && view.status == sending; }),
                 readView (during))
        .then ("the time-out", showsOk(), readAndPressOk (ended));

    const auto start = juce::Time::currentTimeMillis();
    EXPECT_EQ (runBehindDialog (unanswered), 1);
    EXPECT_GE (juce::Time::currentTimeMillis() - start, 3000);

    EXPECT_FALSE (during.cancelShowing);
    EXPECT_EQ (unanswered.record.result, MidiCommunicationError::timeout);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::timeout));
    EXPECT_EQ (kindsOf (rig.instrument), std::vector<RequestKind> { RequestKind::identityRequest });
}
