#include "JobTestSupport.h"

#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/ProgramDataTasks.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

#include <thread>

using namespace devicetest;
using namespace jobtest;
using namespace testsupport;

namespace
{
// Waits on the job's thread until the flag is set or a cancel is asked for.
void waitFor (const std::atomic<bool>& flag, const midi::MidiCommunicationProcess& job)
{
    while (! flag.load() && ! job.isCancelRequested())
        juce::Thread::sleep (1);
}

// Every run leaves the device and the modal flag as it found them.
using DialogTest = JobTest;
}

TEST_F (DialogTest, LaysOutBothHeightsAndShowsAFailuresTexts)
{
    JobRig rig;
    std::atomic<bool> showDetail { false }, finish { false };
    ScriptedProcess job ([&] (ScriptedProcess& self) {
        self.beginRun ("Working");
        self.setProgress (0.25f);
        waitFor (showDetail, self);
        self.setDetailText ("A detail that needs its own line");
        waitFor (finish, self);
        return self.endWithError (MidiCommunicationError::timeout);
    });

    CommunicationDialogView small, tall, ended;
    juce::Rectangle<int> smallWindow, tallWindow;
    bool flagWhileOpen = false;
    ModalDialogScript script;
    script.then ("the job's status", viewShows ([] (auto& v) { return v.status == "Working" && v.progress == 25.0; }),
                 [&] (juce::Component& window) {
                     small = readCommunicationDialog (window);
                     smallWindow = window.getBounds();
                     flagWhileOpen = ui::ModalDialogState::getInstance()->dialogOpen;
                     showDetail = true;
                 })
        .then ("the detail", viewShows ([] (auto& v) { return v.detailShowing; }), [&] (juce::Component& window) {
            tall = readCommunicationDialog (window);
            tallWindow = window.getBounds();
            finish = true;
        })
        .then ("the end", showsOk(), readAndPressOk (ended));

    EXPECT_EQ (runBehindDialog (job), 1);
    ASSERT_TRUE (script.isFinished());
    EXPECT_TRUE (flagWhileOpen);

    EXPECT_EQ (small.windowTitle, "Test Transfer");
    EXPECT_EQ (small.contentBounds.getWidth(), 460);
    EXPECT_EQ (small.contentBounds.getHeight(), 150);
    EXPECT_EQ (small.statusBounds, juce::Rectangle<int> (20, 24, 420, 40));
    EXPECT_EQ (small.progressBounds, juce::Rectangle<int> (20, 64, 420, 24));
    EXPECT_EQ (small.cancelBounds, juce::Rectangle<int> (352, 104, 88, 24));
    EXPECT_EQ (small.progressText, "25%");
    EXPECT_FALSE (small.detailShowing);
    EXPECT_TRUE (small.cancelShowing && small.cancelEnabled);
    EXPECT_FALSE (small.closeShowing);

    // The detail grows the dialog; the window follows and keeps its place.
    EXPECT_EQ (tall.contentBounds.getHeight(), 193);
    EXPECT_EQ (tall.detailBounds, juce::Rectangle<int> (20, 52, 420, 45));
    EXPECT_EQ (tall.progressBounds, juce::Rectangle<int> (20, 114, 420, 24));
    EXPECT_EQ (tall.cancelBounds, juce::Rectangle<int> (352, 154, 88, 24));
    EXPECT_EQ (tall.detail, "A detail that needs its own line");
    EXPECT_EQ (tallWindow.getHeight() - smallWindow.getHeight(), 43);
    EXPECT_EQ (tallWindow.getPosition(), smallWindow.getPosition());

    // The job's error texts stay with OK in place of Cancel.
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::timeout));
    EXPECT_EQ (ended.detail, getMidiCommunicationErrorDetailText (MidiCommunicationError::timeout));
    EXPECT_EQ (ended.closeBounds, juce::Rectangle<int> (352, 154, 88, 24));
    EXPECT_TRUE (ended.closeHasFocus);
    EXPECT_FALSE (ended.cancelShowing);

    EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
    EXPECT_FALSE (job.record.onMessageThread);
    EXPECT_EQ (job.record.result, MidiCommunicationError::timeout);
}

TEST_F (DialogTest, PortsThatCannotOpenNameTheCauseAndRunNothing)
{
    struct Case
    {
        const char* name;
        bool manualPorts;
        const char* expectedKey;
    };
    const Case cases[] = {
        { "manual-ports", true, "ConnectionErrorFailedToOpenPort" },
        { "not-found", false, "ConnectionErrorNotFoundsolivane" },
    };

    for (const bool japanese : { false, true })
    {
        ScopedInterfaceLanguage language (japanese);
        for (const auto& c : cases)
        {
            const auto name = juce::String ("communication-dialog-") + c.name + (japanese ? "-ja" : "-en");
            SCOPED_TRACE (name);
            JobRig rig;
            if (c.manualPorts)
                rig.useMissingPorts();
            else
                ASSERT_TRUE (rig.searchInVain());
            rig.instrument.clearLog();

            ScriptedProcess job ([] (ScriptedProcess&) { return 0; });
            CommunicationDialogView view;
            ModalDialogScript script;
            script.then ("the port error", showsOk(), andThen ([name] (juce::Component& window) {
                writeSnapshot (window, name);
            }, readAndPressOk (view)));

            EXPECT_EQ (runBehindDialog (job), 1);
            EXPECT_TRUE (script.isFinished());
            EXPECT_EQ (view.status, getLocalizedText (c.expectedKey));
            EXPECT_FALSE (view.detailShowing);
            EXPECT_FALSE (view.cancelShowing);
            EXPECT_EQ (view.contentBounds.getHeight(), 150);
            EXPECT_FALSE (job.record.ran);
            EXPECT_EQ (rig.instrument.getRequestCount(), 0u);
            EXPECT_TRUE (JobRig::isDeviceReleased());
        }
    }
}

TEST_F (DialogTest, ADialogAlreadyOpenKeepsItsFlagAndNothingRuns)
{
    JobRig rig;
    ScriptedProcess job ([] (ScriptedProcess&) { return 0; });

    {
        ModalDialogGuard other;
        ASSERT_FALSE (other.wasAlreadyOpen());
        EXPECT_EQ (runBehindDialog (job), 1);
        EXPECT_TRUE (ui::ModalDialogState::getInstance()->dialogOpen);
        EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    }
    EXPECT_FALSE (job.record.ran);

    // With the other dialog gone the same job runs, succeeds and closes at once.
    EXPECT_EQ (runBehindDialog (job), 0);
    EXPECT_TRUE (job.record.ended);
}

TEST_F (DialogTest, AThreadThatCannotStartEndsLikeAPortFailure)
{
    JobRig rig;
    ScriptedProcess job ([] (ScriptedProcess&) { return 0; });

    // A stack larger than the address space: the system refuses the thread.
    midi::MidiCommunicationThread::setStackSizeForNewThreads ((std::size_t) 1 << 50);
    CommunicationDialogView view;
    ModalDialogScript script;
    script.then ("the failure", showsOk(), readAndPressOk (view));
    const auto result = runBehindDialog (job);
    midi::MidiCommunicationThread::setStackSizeForNewThreads (0);

    EXPECT_EQ (result, 1);
    EXPECT_TRUE (script.isFinished());
    EXPECT_EQ (view.status, getMidiCommunicationErrorText (MidiCommunicationError::failedToOpenDialog));
    EXPECT_FALSE (view.cancelShowing);
    EXPECT_FALSE (job.record.ran);
    EXPECT_TRUE (JobRig::isDeviceReleased());
}

TEST_F (DialogTest, ALoopEndedFromOutsideIsNoSuccessAndReturnsAfterTheThread)
{
    JobRig rig;
    rig.instrument.addRule (sim::every (sim::RequestKind::programDumpRequest), sim::Behaviour::silent());

    std::atomic<std::int64_t> waitEndedAt { 0 };
    ScriptedProcess job ([&] (ScriptedProcess& self) {
        self.beginRun ("Receiving");
        x48305_midi::DeviceInquiry inquiry (self.getMidi());
        if (const auto code = self.identifyInstrument (inquiry))
            return code;
        x48305_midi::ProgramDataReceiver receiver (self.getMidi(), inquiry.getChannel());
        receiver.setTimeout (800);
        const auto code = receiver.receive (5);
        waitEndedAt = juce::Time::currentTimeMillis();
        return code != 0 ? self.endWithError (code) : 0;
    });

    std::int64_t loopEndedAt = 0;
    ModalDialogScript script;
    script.then ("the request sent",
                 when ([&] { return ! rig.instrument.getRequestsOfKind (sim::RequestKind::programDumpRequest).empty(); }),
                 andThen (justDo ([&] { loopEndedAt = juce::Time::currentTimeMillis(); }), endModalLoop (0)));

    const auto result = runBehindDialog (job);
    const auto returnedAt = juce::Time::currentTimeMillis();

    EXPECT_TRUE (script.isFinished());
    EXPECT_EQ (result, 1);
    // The loop ended during the wait; the thread was asked to stop but the
    // reply was awaited to its time-out, and the dialog returned only then.
    EXPECT_TRUE (job.record.ended);
    EXPECT_TRUE (job.record.cancelSeenAtEnd);
    EXPECT_EQ (job.record.result, MidiCommunicationError::timeout);
    EXPECT_GT (waitEndedAt.load(), loopEndedAt);
    EXPECT_GE (returnedAt, waitEndedAt.load());
    EXPECT_TRUE (JobRig::isDeviceReleased());
}

TEST_F (DialogTest, CancelIsDisabledAtOnceAndTheJobEndsAtItsNextCancelPoint)
{
    JobRig rig;
    ScriptedProcess job ([] (ScriptedProcess& self) {
        self.beginRun ("Receiving");
        x48305_midi::DeviceInquiry inquiry (self.getMidi());
        if (const auto code = self.identifyInstrument (inquiry))
            return code;
        x48305_midi::ProgramDataReceiver receiver (self.getMidi(), inquiry.getChannel());
        for (std::uint32_t n = 0; n < 500 && ! self.isCancelRequested(); ++n)
            if (const auto code = receiver.receive (n))
                return self.endWithError (code);
        return self.isCancelRequested() ? self.endCanceled() : 0;
    });
    rig.instrument.addRule (sim::every (sim::RequestKind::programDumpRequest),
                            sim::Behaviour::delayed (std::chrono::milliseconds (20)));

    CommunicationDialogView afterClick, ended;
    ModalDialogScript script;
    script.then ("a few programs",
                 when ([&] { return rig.instrument.getRequestsOfKind (sim::RequestKind::programDumpRequest).size() >= 3; }),
                 andThen (clickButton ("CancelButton"), readView (afterClick)))
        .then ("the end", showsOk(), readAndPressOk (ended));

    EXPECT_EQ (runBehindDialog (job), 1);
    EXPECT_TRUE (script.isFinished());
    EXPECT_TRUE (afterClick.cancelShowing);
    EXPECT_FALSE (afterClick.cancelEnabled);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::canceled));
    EXPECT_EQ (job.record.result, MidiCommunicationError::canceled);
    EXPECT_LT (rig.instrument.getRequestsOfKind (sim::RequestKind::programDumpRequest).size(), 500u);
}

TEST_F (DialogTest, AJobWithoutCancelKeptOpenAfterSuccessWaitsForOk)
{
    JobRig rig;
    std::atomic<bool> finish { false };
    ScriptedProcess job ([&] (ScriptedProcess& self) {
        self.beginRun ("Sending");
        waitFor (finish, self);
        self.setProgress (1.0f);
        return 0;
    }, false);

    CommunicationDialogView during, ended;
    ModalDialogScript script;
    script.then ("the run", viewShows ([] (auto& v) { return v.status == "Sending"; }),
                 andThen (readView (during), justDo ([&] { finish = true; })))
        .then ("the end", showsOk(), readAndPressOk (ended));

    EXPECT_EQ (runBehindDialog (job, true), 0);
    EXPECT_TRUE (script.isFinished());

    // No cancel; the close button waits, disabled, where cancel would be.
    EXPECT_FALSE (during.cancelShowing);
    EXPECT_TRUE (during.closeShowing);
    EXPECT_FALSE (during.closeEnabled);
    EXPECT_EQ (during.closeText, getLocalizedText ("CommonCancel"));
    EXPECT_EQ (ended.progressText, "100%");
    EXPECT_TRUE (ended.closeHasFocus);
}

TEST (CommunicationThread, IsNeverDestroyedWhileItsJobRuns)
{
    JobRig rig;
    std::atomic<bool> started { false };
    ScriptedProcess job ([&] (ScriptedProcess&) {
        // No cancel point: the job ends on its own time.
        started = true;
        juce::Thread::sleep (300);
        return 0;
    });

    {
        midi::MidiCommunicationThread thread (job);
        ASSERT_TRUE (thread.startThread());
        while (! started)
            juce::Thread::sleep (1);

        // Past the warning time it says so and goes on waiting.
        testing::internal::CaptureStdout();
        thread.stopAndWait (50);
        EXPECT_EQ (testing::internal::GetCapturedStdout(), "cannot stop MIDI communication thread.\n");
        EXPECT_TRUE (job.record.ended);
    }

    // The destructor alone waits too.
    started = false;
    ScriptedProcess second ([&] (ScriptedProcess&) {
        started = true;
        juce::Thread::sleep (200);
        return 0;
    });
    {
        midi::MidiCommunicationThread thread (second);
        ASSERT_TRUE (thread.startThread());
        while (! started)
            juce::Thread::sleep (1);
    }
    EXPECT_TRUE (second.record.ended);
}

TEST (CommunicationProcess, NotifiesOnlyWhenObservedSoItMayEndOnItsOwnThread)
{
    const auto run = [] (ScriptedProcess& job) {
        std::thread worker ([&job] { job.run(); });
        worker.join();
    };
    const auto body = [] (ScriptedProcess& self) {
        self.beginRun ("Alone");
        self.setProgress (0.5f);
        self.setDetailText ("Detail");
        return 0;
    };

    // Made, run and deleted on another thread with nobody watching, as the
    // background transmitter does: nothing is left for the message thread
    // that could be delivered while the job is being deleted.
    std::atomic<bool> leftPending { true };
    std::thread background ([&] {
        ScriptedProcess job (body);
        job.run();
        leftPending = job.isNoticePending();
    });
    background.join();
    EXPECT_FALSE (leftPending);

    // An observer hears once, on the message thread, the state of the moment.
    struct Observer : midi::MidiCommunicationProcessObserver
    {
        explicit Observer (ScriptedProcess& j) : job (j) {}
        void progressChanged() override
        {
            ++calls;
            onMessageThread = juce::MessageManager::existsAndIsCurrentThread();
            seen = job.getStatusText() + " " + job.getDetailText() + " " + juce::String (job.getProgress());
        }
        ScriptedProcess& job;
        int calls = 0;
        bool onMessageThread = false;
        juce::String seen;
    };
    ScriptedProcess job (body);
    Observer observer (job);
    job.addListener (&observer);
    run (job);
    EXPECT_TRUE (job.isNoticePending());
    EXPECT_TRUE (runMessageLoopUntil ([&] { return observer.calls > 0; }, 2000));
    runMessageLoop (30);
    EXPECT_EQ (observer.calls, 1);
    EXPECT_TRUE (observer.onMessageThread);
    EXPECT_EQ (observer.seen, "Alone Detail 0.5");
    job.removeListener (&observer);
}
