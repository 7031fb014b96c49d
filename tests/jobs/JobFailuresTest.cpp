#include "JobTestSupport.h"

#include "midi/LibraryProcesses.h"
#include "midi/SelectedProgramProcesses.h"
#include "support/InterfaceSetUp.h"
#include "support/Snapshot.h"

using namespace devicetest;
using namespace jobtest;
using namespace testsupport;
using sim::RequestKind;

namespace
{
using JobFailures = JobTest;

struct FailureCase
{
    const char* name;
    std::function<void (sim::SimulatedInstrument&)> arrange;
    bool receive;
    std::int32_t expectedCode;
    std::size_t programsAsked;   // program requests or dumps the instrument saw
};

std::unique_ptr<midi::MidiCommunicationProcess> makeLibraryJob (bool receive, x48305_data::LibraryData& library,
                                                                RunRecord*& record)
{
    if (receive)
    {
        auto job = std::make_unique<ObservedJob<x48305_midi::ReceiveLibraryProcess>> (library);
        record = &job->record;
        return job;
    }
    auto job = std::make_unique<ObservedJob<x48305_midi::WriteLibraryProcess>> (library);
    record = &job->record;
    return job;
}
}

TEST_F (JobFailures, EachFailureShowsItsCodesTexts)
{
    const FailureCase cases[] = {
        { "a refused request", [] (auto& i) { i.addRule (sim::withNumber (RequestKind::programDumpRequest, 12), sim::Behaviour::refuse()); },
          true, MidiCommunicationError::receiveNakOnReceive, 13 },
        { "a short dump", [] (auto& i) { i.addRule (sim::withNumber (RequestKind::programDumpRequest, 5), sim::Behaviour::shortened (3)); },
          true, MidiCommunicationError::messageBroken, 6 },
        { "silence", [] (auto& i) { i.addRule (sim::withNumber (RequestKind::programDumpRequest, 3), sim::Behaviour::silent()); },
          true, MidiCommunicationError::timeout, 4 },
        { "a refused live set", [] (auto& i) { i.addRule (sim::every (RequestKind::livesetDump), sim::Behaviour::refuse()); },
          false, MidiCommunicationError::receiveNakOnWrite, 500 },
        { "another device", [] (auto& i) { auto id = i.getIdentity(); id.identityManufacturerId = 0x41; i.setIdentity (id); },
          true, MidiCommunicationError::targetDevice, 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        JobRig rig;
        c.arrange (rig.instrument);
        auto library = makeLibrary();
        RunRecord* record = nullptr;
        auto job = makeLibraryJob (c.receive, library, record);
        job->setTaskTimeout (300);

        CommunicationDialogView ended;
        ModalDialogScript script;
        script.then ("the end", showsOk(), readAndPressOk (ended));
        EXPECT_EQ (runBehindDialog (*job), 1);
        EXPECT_TRUE (script.isFinished());

        EXPECT_EQ (record->result, c.expectedCode);
        EXPECT_EQ (ended.status, getMidiCommunicationErrorText (c.expectedCode));
        EXPECT_EQ (ended.detail, getMidiCommunicationErrorDetailText (c.expectedCode));
        EXPECT_TRUE (ended.detailShowing);
        EXPECT_EQ (ended.contentBounds.getHeight(), 193);
        EXPECT_FALSE (ended.cancelShowing);
        const auto kind = c.receive ? RequestKind::programDumpRequest : RequestKind::programDump;
        EXPECT_EQ (rig.instrument.getRequestsOfKind (kind).size(), c.programsAsked);
        EXPECT_TRUE (JobRig::isDeviceReleased());
    }
}

// The dialog as a person sees it, in both languages: mid-transfer, and
// after a failure with its detail.
TEST_F (JobFailures, SnapshotsInBothLanguages)
{
    for (const bool japanese : { false, true })
    {
        ScopedInterfaceLanguage language (japanese);
        const juce::String suffix = japanese ? "ja" : "en";
        JobRig rig;
        rig.instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 200),
                                sim::Behaviour::delayed (std::chrono::milliseconds (400)));
        rig.instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 260), sim::Behaviour::silent());

        auto library = makeLibrary();
        x48305_midi::ReceiveLibraryProcess job (library);
        job.setTaskTimeout (1000);

        CommunicationDialogView midway, ended;
        ModalDialogScript script;
        script
            .then ("program 200 on its way",
                   [&] (juce::Component& window) {
                       return requested (rig.instrument, RequestKind::programDumpRequest, 200) (window)
                              && readCommunicationDialog (window).progress >= 40.0;
                   },
                   [&] (juce::Component& window) {
                       midway = readCommunicationDialog (window);
                       writeSnapshot (window, "communication-dialog-receiving-" + suffix);
                   })
            .then ("the time-out", showsOk(), [&] (juce::Component& window) {
                ended = readCommunicationDialog (window);
                writeSnapshot (window, "communication-dialog-timeout-" + suffix);
                clickButton ("Button") (window);
            });

        EXPECT_EQ (runBehindDialog (job), 1);
        EXPECT_TRUE (script.isFinished());
        EXPECT_EQ (midway.windowTitle, getLocalizedText ("ConnectionReceiveLibraryTitle"));
        EXPECT_EQ (midway.status, getLocalizedText ("CommunicationProcessReceiveLibrary"));
        EXPECT_EQ (midway.progressText, "40%");
        EXPECT_EQ (midway.cancelShowing, true);
        EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::timeout));
        EXPECT_EQ (ended.progressText, "52%");
    }
}
