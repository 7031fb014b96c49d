#include "JobTestSupport.h"

#include "midi/LibraryProcesses.h"

using namespace devicetest;
using namespace jobtest;
using namespace testsupport;
using sim::RequestKind;

namespace
{
constexpr std::uint32_t fastTimeout = 1000;

using LibraryJobs = JobTest;

// A block of the instrument's own bytes with empty slots and numbers past 255.
sim::Bytes instrumentLiveset()
{
    auto block = sim::InstrumentMemory::defaultLiveset();
    auto put = [&block] (int bank, int slot, unsigned number) {
        block[(std::size_t) (bank * 32 + 4 + 2 * slot)] = (std::uint8_t) (number & 0xFF);
        block[(std::size_t) (bank * 32 + 5 + 2 * slot)] = (std::uint8_t) (number >> 8);
    };
    put (0, 2, 500);
    put (3, 7, 500);
    put (2, 0, 499);
    put (1, 5, 256);
    return block;
}
}

TEST_F (LibraryJobs, ReceivesTheWholeLibrary)
{
    JobRig rig;
    const auto block = instrumentLiveset();
    rig.instrument.setLiveset (block);

    auto library = makeLibrary();
    ObservedJob<x48305_midi::ReceiveLibraryProcess> job (library);
    job.setTaskTimeout (fastTimeout);
    ProgressAtRequests progress (rig.instrument, job);

    EXPECT_EQ (job.getTitle(), getLocalizedText ("ConnectionReceiveLibraryTitle"));
    EXPECT_EQ (runBehindDialog (job), 0);

    // 500 records byte for byte, and the live set with its empty slots.
    EXPECT_EQ (programsThatDiffer (library, rig.instrument), std::vector<int>());
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ (library.getFavoriteData().getProgramNumber (bank, slot), livesetNumber (block, bank, slot))
                << bank << "/" << slot;
    EXPECT_EQ (library.getFavoriteData().getProgramNumber (0, 2), 500u);

    // One inquiry, the programs in order, then the live set.
    auto kinds = kindsOf (rig.instrument);
    ASSERT_EQ (kinds.size(), 502u);
    EXPECT_EQ (kinds.front(), RequestKind::identityRequest);
    EXPECT_EQ (kinds.back(), RequestKind::livesetRequest);
    auto numbers = numbersOf (rig.instrument, RequestKind::programDumpRequest);
    ASSERT_EQ (numbers.size(), 500u);
    for (int n = 0; n < 500; ++n)
        ASSERT_EQ (numbers[(std::size_t) n], n);

    // Progress n / 501 after program n; the live set brings 1.0.
    auto atPrograms = progress.of (RequestKind::programDumpRequest);
    ASSERT_EQ (atPrograms.size(), 500u);
    EXPECT_EQ (atPrograms[0], 0.0f);
    for (int k = 1; k < 500; ++k)
        ASSERT_EQ (atPrograms[(std::size_t) k], (float) (k - 1) / 501.0f) << k;
    EXPECT_EQ (progress.of (RequestKind::livesetRequest), std::vector<float> { 499.0f / 501.0f });
    EXPECT_EQ (job.getProgress(), 1.0f);

    EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
    EXPECT_FALSE (job.record.onMessageThread);
    EXPECT_EQ (job.record.result, 0);
}

TEST_F (LibraryJobs, WritesTheWholeLibraryAndKeepsTheInstrumentsOwnLivesetBytes)
{
    JobRig rig;
    auto library = makeLibrary();
    ObservedJob<x48305_midi::WriteLibraryProcess> job (library);
    job.setTaskTimeout (fastTimeout);
    ProgressAtRequests progress (rig.instrument, job);

    EXPECT_EQ (runBehindDialog (job), 0);

    EXPECT_EQ (programsThatDiffer (library, rig.instrument), std::vector<int>());
    const auto block = rig.instrument.getLiveset();
    ASSERT_EQ (block.size(), 128u);
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ (livesetNumber (block, bank, slot), library.getFavoriteData().getProgramNumber (bank, slot));
    for (std::size_t offset = 0; offset < block.size(); ++offset)
    {
        if (! sim::InstrumentMemory::isProgramNumberByte (offset))
        {
            ASSERT_EQ (block[offset], sim::InstrumentMemory::ownByte (offset)) << offset;
        }
    }

    auto kinds = kindsOf (rig.instrument);
    ASSERT_EQ (kinds.size(), 503u);
    EXPECT_EQ (kinds[0], RequestKind::identityRequest);
    EXPECT_EQ (kinds[501], RequestKind::livesetRequest);
    EXPECT_EQ (kinds[502], RequestKind::livesetDump);

    // Progress n / 500 after program n, and it stays at 499 / 500.
    auto atPrograms = progress.of (RequestKind::programDump);
    ASSERT_EQ (atPrograms.size(), 500u);
    for (int k = 1; k < 500; ++k)
        ASSERT_EQ (atPrograms[(std::size_t) k], (float) (k - 1) / 500.0f) << k;
    EXPECT_EQ (progress.of (RequestKind::livesetDump), std::vector<float> { 499.0f / 500.0f });
    EXPECT_EQ (job.getProgress(), 499.0f / 500.0f);
    EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
}

TEST_F (LibraryJobs, CancelDuringProgramTenFinishesItAndSkipsTheLiveset)
{
    JobRig rig;
    rig.instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 10),
                            sim::Behaviour::delayed (std::chrono::milliseconds (300)));

    auto library = makeLibrary();
    const auto untouched = library;
    ObservedJob<x48305_midi::ReceiveLibraryProcess> job (library);
    job.setTaskTimeout (fastTimeout);

    CommunicationDialogView afterClick, ended;
    ModalDialogScript script;
    script.then ("the request for program 10", requested (rig.instrument, RequestKind::programDumpRequest, 10),
                 andThen (clickButton ("CancelButton"), readView (afterClick)))
        .then ("the end", showsOk(), readAndPressOk (ended));

    EXPECT_EQ (runBehindDialog (job), 1);
    EXPECT_TRUE (script.isFinished());

    // Disabled at once, while program 10 is still on its way.
    EXPECT_TRUE (afterClick.cancelShowing);
    EXPECT_FALSE (afterClick.cancelEnabled);

    EXPECT_EQ (job.record.result, MidiCommunicationError::canceled);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::canceled));
    EXPECT_FALSE (ended.detailShowing);

    // Programs 0 to 10 arrived; nothing after them was asked for.
    EXPECT_EQ (programsThatDiffer (library, rig.instrument, 0, 10), std::vector<int>());
    EXPECT_EQ (recordOf (library.getProgram (11)), recordOf (untouched.getProgram (11)));
    EXPECT_EQ (numbersOf (rig.instrument, RequestKind::programDumpRequest).size(), 11u);
    EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::livesetRequest).empty());
    EXPECT_EQ (library.getFavoriteData(), untouched.getFavoriteData());
}

TEST_F (LibraryJobs, ARefusalWhileWritingStopsAtThatProgram)
{
    JobRig rig;
    rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 37), sim::Behaviour::refuse());
    auto library = makeLibrary();
    ObservedJob<x48305_midi::WriteLibraryProcess> job (library);
    job.setTaskTimeout (fastTimeout);

    CommunicationDialogView ended;
    ModalDialogScript script;
    script.then ("the end", showsOk(), readAndPressOk (ended));
    EXPECT_EQ (runBehindDialog (job), 1);

    EXPECT_EQ (job.record.result, MidiCommunicationError::receiveNakOnWrite);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::receiveNakOnWrite));
    EXPECT_EQ (ended.detail, getMidiCommunicationErrorDetailText (MidiCommunicationError::receiveNakOnWrite));
    EXPECT_EQ (programsThatDiffer (library, rig.instrument, 0, 37), std::vector<int> { 37 });
    EXPECT_EQ (numbersOf (rig.instrument, RequestKind::programDump).size(), 38u);
    EXPECT_EQ (rig.instrument.getLiveset(), sim::InstrumentMemory::defaultLiveset());
    EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::livesetRequest).empty());
}
