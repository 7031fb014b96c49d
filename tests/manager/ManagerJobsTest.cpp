#include "ManagerRig.h"

#include "support/MessageLoop.h"
#include "support/ModalDialogScript.h"

#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "midi/MidiCommunicationManager.h"

#include <gtest/gtest.h>

using namespace managertest;
using devicetest::programNamed;
using devicetest::recordOf;
using x48305_midi::MidiCommunicationManager;

namespace
{
std::size_t requestsOf (const ManagerRig& rig, sim::RequestKind kind)
{
    return rig.instrument.getRequestsOfKind (kind).size();
}

}

// A library receive that starts while a background send waits for a slow
// instrument: that send gives up at once, and the job opens the ports after
// it; programs made current while the job runs are not sent.
TEST (MidiCommunicationManager, ALibraryReceiveEndsTheBackgroundSendAndSendsNothingWhileItRuns)
{
    ManagerRig rig;
    rig.instrument.addRule (sim::nth (sim::RequestKind::currentProgramDump, 0), sim::Behaviour::delayed (600ms));
    auto& manager = *MidiCommunicationManager::getInstance();
    auto& current = *x48305_data::CurrentProgramData::getInstance();
    auto& library = x48305_data::DataCenter::getInstance()->getLibraryData();
    library.getProgram (20) = programNamed ("Background", 20);
    library.getProgram (21) = programNamed ("During Job", 21);

    current.selectLibraryProgram (20);
    ASSERT_TRUE (waitFor ([&] { return requestsOf (rig, sim::RequestKind::currentProgramDump) == 1; }));

    bool busyDuringJob = false;
    bool transmitterIdleDuringJob = false;
    auto atDialog = std::chrono::steady_clock::now();
    auto script = std::make_unique<testsupport::ModalDialogScript>();
    script->then ("the dialog shows", testsupport::when ([] { return true; }), testsupport::justDo ([&] {
                     atDialog = std::chrono::steady_clock::now();
                     busyDuringJob = manager.isBusy();
                     current.selectLibraryProgram (21);
                     manager.transmitCurrentProgramAsync (programNamed ("Direct", 3));
                     transmitterIdleDuringJob = ! manager.getTransmitter().isRunning();
                 }));
    // A failure would wait for its OK button; the test must not hang then.
    script->then ("a failure is acknowledged", testsupport::isEnabled ("Button"), testsupport::clickButton ("Button"));

    x48305_data::LibraryData received;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ (manager.receiveLibrary (received), 0);
    EXPECT_EQ (script->getStepsRun(), 1);
    script.reset();
    EXPECT_TRUE (busyDuringJob);
    EXPECT_TRUE (transmitterIdleDuringJob);
    EXPECT_FALSE (manager.isBusy());

    // The dialog did not wait for the instrument's slow reply, which came
    // while the job identified the instrument and was not taken for anything.
    EXPECT_LT (atDialog - start, 200ms);
    const int backgroundReply = rig.positionOf (rig.acknowledgement());
    const int jobInquiry = rig.positionOf (rig.sentToInstrument (sim::RequestKind::identityRequest), 1);
    ASSERT_GE (backgroundReply, 0);
    ASSERT_GE (jobInquiry, 0);
    EXPECT_LT (jobInquiry, backgroundReply);
    EXPECT_LT (rig.positionOf (rig.sentToInstrument (sim::RequestKind::currentProgramDump)), jobInquiry);

    testsupport::runMessageLoop (200);
    EXPECT_EQ (rig.currentProgramNames(), std::vector<std::string> ({ "Background" }));
    EXPECT_FALSE (manager.getTransmitter().isRunning());
    EXPECT_EQ (recordOf (received.getProgram (0)), rig.instrument.getProgram (0));
    EXPECT_EQ (recordOf (received.getProgram (499)), rig.instrument.getProgram (499));
    EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());

    // Once the job is over, background sends go out again.
    current.selectLibraryProgram (20);
    ASSERT_TRUE (transmitterEnds (manager.getTransmitter()));
    EXPECT_EQ (rig.currentProgramNames(), std::vector<std::string> ({ "Background", "Background" }));
}

// What the manager's operations return is the dialog's result: only a job
// that succeeded gives 0; a failure and a cancel both give 1.
TEST (MidiCommunicationManager, OnlySuccessReturnsZero)
{
    using Operation = std::function<int (MidiCommunicationManager&, x48305_data::LibraryData&)>;
    struct Case
    {
        const char* what;
        Operation operation;
        std::function<void (sim::SimulatedInstrument&)> prepare;
        bool cancel;
        int expected;
        int sameOnBothSides; // a program that a success leaves equal in the library and the instrument
    };

    const Case cases[] = {
        { "receive selected programs",
          [] (auto& m, auto& library) { return m.receiveSelectedPrograms ({ 3, 4 }, library); },
          [] (auto&) {}, false, 0, 3 },
        { "write selected programs",
          [] (auto& m, auto& library) { return m.writeSelectedPrograms ({ 5 }, library); },
          [] (auto&) {}, false, 0, 5 },
        { "write the library",
          [] (auto& m, auto& library) { return m.writeLibrary (library); },
          [] (auto&) {}, false, 0, 9 },
        { "a refused program write",
          [] (auto& m, auto& library) { return m.writeSelectedPrograms ({ 5, 6 }, library); },
          [] (auto& instrument) { instrument.addRule (sim::withNumber (sim::RequestKind::programDump, 6), sim::Behaviour::refuse()); },
          false, 1, -1 },
        { "a cancelled library receive",
          [] (auto& m, auto& library) { return m.receiveLibrary (library); },
          [] (auto& instrument) { instrument.setDefaultBehaviour (sim::Behaviour::delayed (20ms)); },
          true, 1, -1 },
    };

    auto& manager = *MidiCommunicationManager::getInstance();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        ManagerRig rig;
        c.prepare (rig.instrument);
        x48305_data::LibraryData library;
        for (int n = 0; n < 10; ++n)
            library.getProgram (n) = programNamed ("Lib " + std::to_string (n), (std::uint8_t) n);

        // A failure stays on screen until its OK button is pressed (after a
        // success the dialog closes itself and that step never runs).
        auto script = std::make_unique<testsupport::ModalDialogScript>();
        if (c.cancel)
            script->then ("the job runs", testsupport::isEnabled ("CancelButton"), testsupport::clickButton ("CancelButton"));
        script->then ("the job has ended", testsupport::isEnabled ("Button"), testsupport::clickButton ("Button"));
        EXPECT_EQ (c.operation (manager, library), c.expected);
        EXPECT_EQ (script->getStepsRun(), (c.cancel ? 1 : 0) + (c.expected != 0 ? 1 : 0));
        script.reset();
        EXPECT_FALSE (manager.isBusy());
        EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());
        EXPECT_EQ (requestsOf (rig, sim::RequestKind::currentProgramDump), 0u);
        if (c.sameOnBothSides >= 0)
        {
            EXPECT_EQ (recordOf (library.getProgram (c.sameOnBothSides)), rig.instrument.getProgram (c.sameOnBothSides));
        }
    }
}

// An unanswered background send gives up at once when a job starts or the
// manager goes: the message thread never waits for its time-outs.
TEST (MidiCommunicationManager, AnUnansweredBackgroundSendGivesUpAtOnce)
{
    const std::pair<const char*, sim::RequestKind> unanswered[] = {
        { "nothing answered", sim::RequestKind::identityRequest },
        { "the program unanswered", sim::RequestKind::currentProgramDump },
    };
    for (const auto& [what, kind] : unanswered)
        for (const bool receive : { true, false })
        {
            SCOPED_TRACE (std::string (what) + (receive ? ", then a receive" : ", then the manager goes"));
            ManagerRig rig;
            rig.instrument.addRule (sim::nth (kind, 0), sim::Behaviour::silent());
            auto manager = std::make_unique<MidiCommunicationManager>();
            manager->transmitCurrentProgramAsync (programNamed ("Unheard", 1));
            ASSERT_TRUE (waitFor ([&] { return requestsOf (rig, kind) == 1; }));

            const auto start = std::chrono::steady_clock::now();
            auto ended = start;
            if (receive)
            {
                testsupport::ModalDialogScript script;
                script.then ("the dialog shows", testsupport::when ([] { return true; }),
                             testsupport::justDo ([&] { ended = std::chrono::steady_clock::now(); }));
                x48305_data::LibraryData library;
                EXPECT_EQ (manager->receiveSelectedPrograms ({ 3 }, library), 0);
                EXPECT_EQ (recordOf (library.getProgram (3)), rig.instrument.getProgram (3));
            }
            else
            {
                manager.reset();
                ended = std::chrono::steady_clock::now();
            }
            EXPECT_LT (ended - start, 200ms);
            manager.reset();
            EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());
        }
}
