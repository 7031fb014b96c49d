#include "UnitJobRuns.h"

#include "support/InterfaceSetUp.h"
#include "support/ModalDialogDriver.h"
#include "support/Snapshot.h"

#include "midi/MidiCommunicationError.h"

using namespace unitjobs;
using sim::RequestKind;
using x48305_data::UserData;
using x48305_data::UserUnitSlotData;

namespace
{
using WriteUserDataJob = UnitJobTest;

constexpr int oscKind = sim::InstrumentMemory::oscillator;
constexpr int revKind = sim::InstrumentMemory::reverbEffect;

std::int32_t writeOnThread (UserData& store, JobRig& rig, x48305_data::UserUnitsMatch& match,
                            sim::RequestMatcher cancelWhen = {})
{
    x48305_midi::WriteUserDataProcess job (store, match);
    job.setTaskTimeout (jobTaskTimeoutMs);
    return runOnThread (job, rig, std::move (cancelWhen));
}

bool isWriteStep (const sim::Request& request)
{
    return request.kind == RequestKind::unitSwap || request.kind == RequestKind::unitDump
           || request.kind == RequestKind::unitClear;
}

// The oscillators of the instrument reversed in the store: 8 swaps.
UserData reversedOscillators (JobRig& rig)
{
    for (int p = 0; p < 16; ++p)
        rig.instrument.setUnitSlot (oscKind, p, unitSlotOf (4, ("Osc " + std::to_string (p)).c_str()));
    const auto received = storeOf (rig.instrument);
    UserData store = received;
    for (std::uint32_t p = 0; p < 16; ++p)
        store.getUserOscData (p) = received.getUserOscData (15 - p);
    return store;
}
}

TEST_F (WriteUserDataJob, AnAllEmptyStoreClearsEverySlotBehindTheDialog)
{
    JobRig rig;
    std::mt19937 random (17);
    fillInstrumentAtRandom (rig.instrument, random);

    UserData store;
    devicetest::ObservedJob<x48305_midi::WriteUserDataProcess> job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);
    devicetest::ProgressAtRequests progress (rig.instrument, job);

    EXPECT_EQ (job.getTitle(), getLocalizedText ("ConnectionWriteUserDataTitle"));
    EXPECT_TRUE (job.isCancelable());
    EXPECT_EQ (runBehindDialogUntilDone (job), 0);
    EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
    EXPECT_FALSE (job.record.onMessageThread);

    EXPECT_EQ (countOccupied (rig.instrument), 0);
    EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::unitSwap).empty());
    EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::unitDump).empty());
    EXPECT_EQ (unitRequests (rig.instrument, RequestKind::unitClear), everySlotInJobOrder());
    // Each clear is confirmed by reading its slot back, once.
    EXPECT_EQ (unitRequests (rig.instrument, RequestKind::unitHeaderRequest), everySlotInJobOrder());

    const auto atClears = progress.of (RequestKind::unitClear);
    ASSERT_EQ (atClears.size(), 48u);
    for (std::size_t k = 0; k < 48; ++k)
        EXPECT_EQ (atClears[k], (float) k / 48.0f) << k;
    EXPECT_EQ (job.getProgress(), 1.0f);
    EXPECT_TRUE (store == UserData());
}

TEST_F (WriteUserDataJob, TwoUnitsThatChangedPlacesTakeOneSwap)
{
    JobRig rig;
    rig.instrument.setUnitSlot (oscKind, 2, unitSlotOf (4, "Two"));
    rig.instrument.setUnitSlot (oscKind, 5, unitSlotOf (4, "Five"));
    auto store = storeOf (rig.instrument);
    std::swap (store.getUserOscData (2), store.getUserOscData (5));
    ASSERT_EQ (store.getUserOscData (2).getSlotIndex(), 5u);
    ASSERT_EQ (store.getUserOscData (5).getSlotIndex(), 2u);

    x48305_midi::WriteUserDataProcess job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);
    devicetest::ProgressAtRequests progress (rig.instrument, job);
    EXPECT_EQ (runOnThread (job, rig), 0);

    const auto swaps = rig.instrument.getRequestsOfKind (RequestKind::unitSwap);
    ASSERT_EQ (swaps.size(), 1u);
    EXPECT_EQ (swaps[0].number, 2);
    EXPECT_EQ (swaps[0].secondSlot, 5);
    EXPECT_EQ (store.getUserOscData (2).getSlotIndex(), 2u);
    EXPECT_EQ (store.getUserOscData (5).getSlotIndex(), 5u);
    EXPECT_EQ (rig.instrument.getUnitSlot (oscKind, 2).header, headerBytesOf (store.getUserOscData (2)));
    EXPECT_EQ (store.getUserOscData (2).getName(), "Five");

    // The two placed units count two steps before the first clear.
    const auto atClears = progress.of (RequestKind::unitClear);
    ASSERT_EQ (atClears.size(), 46u);
    EXPECT_EQ (atClears[0], 2.0f / 48.0f);
    EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
}

TEST_F (WriteUserDataJob, ARefusedThirdOscillatorKeepsTheFirstTwoWritten)
{
    JobRig rig;
    UserData store;
    for (std::uint32_t p = 0; p < 5; ++p)
        store.getUserOscData (p) = x48305_data::UserOscData (unitImageOf (4, "New " + std::to_string (p), 24));
    rig.instrument.addRule (nthFromNow (RequestKind::unitDump, 2), sim::Behaviour::refuse());

    x48305_midi::WriteUserDataProcess job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);
    CommunicationDialogView ended;
    EXPECT_EQ (runBehindDialogUntilDone (job, &ended), 1);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::receiveNakOnReceive));
    EXPECT_EQ (ended.detail, getMidiCommunicationErrorDetailText (MidiCommunicationError::receiveNakOnReceive));
    EXPECT_TRUE (ended.detailShowing);
    for (std::uint32_t p = 0; p < 2; ++p)
    {
        EXPECT_EQ (store.getUserOscData (p).getState(), UnitSlotState::InSlot);
        EXPECT_EQ (store.getUserOscData (p).getSlotIndex(), p);
        EXPECT_EQ (rig.instrument.getUnitSlot (oscKind, (int) p).image, bytesOf (store.getUserOscData (p).getImage()));
    }
    for (std::uint32_t p = 2; p < 5; ++p)
        EXPECT_EQ (store.getUserOscData (p).getState(), UnitSlotState::FromFile);
    EXPECT_TRUE (rig.instrument.getUnitSlot (oscKind, 2).isEmpty());
    EXPECT_EQ (kindsOf (rig.instrument),
               (std::vector<RequestKind> { RequestKind::identityRequest, RequestKind::unitDump,
                                           RequestKind::unitHeaderRequest, RequestKind::unitDump,
                                           RequestKind::unitHeaderRequest, RequestKind::unitDump }));
}

TEST_F (WriteUserDataJob, AReverbUnitFromAPackageIsWrittenOnEveryRun)
{
    JobRig rig;
    UserData store;
    store.getUserRevFXData (3) = x48305_data::UserRevFXData (unitImageOf (3, "Hall", 40));
    store.getUserDelFXData (1) = x48305_data::UserDelFXData (unitImageOf (2, "Tape", 40));

    for (int run = 0; run < 2; ++run)
    {
        rig.instrument.clearLog();
        rig.instrument.setUnitSlot (revKind, 3, {});
        ASSERT_EQ (writeOnThread (store, rig, unitsMatch), 0);

        EXPECT_EQ (store.getUserRevFXData (3).getState(), UnitSlotState::FromFile);
        EXPECT_EQ (store.getUserRevFXData (3).getSlotIndex(), UserUnitSlotData::noSlot);
        EXPECT_EQ (rig.instrument.getUnitSlot (revKind, 3).image, bytesOf (store.getUserRevFXData (3).getImage()));
        EXPECT_EQ (store.getUserDelFXData (1).getState(), UnitSlotState::InSlot);
        EXPECT_EQ (store.getUserDelFXData (1).getSlotIndex(), 1u);
        EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");

        // The delay unit goes once; the reverb unit every time.
        const auto dumps = unitRequests (rig.instrument, RequestKind::unitDump);
        if (run == 0)
            EXPECT_EQ (dumps, (std::vector<std::pair<int, int>> { { 2, 1 }, { revKind, 3 } }));
        else
            EXPECT_EQ (dumps, (std::vector<std::pair<int, int>> { { revKind, 3 } }));
    }
}

TEST_F (WriteUserDataJob, RandomStoresEndEqualToTheInstrumentEvenAfterInterruptions)
{
    JobRig rig;
    const unsigned seed = 20240611;
    std::mt19937 random (seed);
    fillInstrumentAtRandom (rig.instrument, random);
    auto store = storeOf (rig.instrument);

    int swaps = 0, interruptedAtSwaps = 0, interruptedElsewhere = 0;
    for (int round = 0; round < 16; ++round)
    {
        SCOPED_TRACE ("seed " + std::to_string (seed) + " round " + std::to_string (round));
        editAtRandom (store, random, round);
        rig.instrument.clearLog();
        rig.instrument.clearRules();

        // Three rounds in four end early, by a refusal or a cancel: at one of
        // the swaps, or at any swap, write or clear of the run (not at the
        // reads that confirm them: a step whose read fails is not known to
        // have happened).
        if (round % 4 != 0)
        {
            const bool atSwap = round % 2 == 1;
            const auto n = std::uniform_int_distribution<std::size_t> (0, atSwap ? 10 : 12) (random);
            auto seen = std::make_shared<std::size_t> (0);
            sim::RequestMatcher matcher = atSwap ? nthFromNow (RequestKind::unitSwap, n)
                                                 : [n, seen] (const sim::Request& r) { return isWriteStep (r) && (*seen)++ == n; };
            const bool cancel = round % 3 == 0;
            if (! cancel)
                rig.instrument.addRule (matcher, sim::Behaviour::refuse());
            const auto code = writeOnThread (store, rig, unitsMatch, cancel ? matcher : sim::RequestMatcher());
            const auto expected = cancel ? MidiCommunicationError::canceled : MidiCommunicationError::receiveNakOnReceive;
            // A run with fewer swaps than picked completes.
            EXPECT_TRUE (code == expected || (atSwap && code == 0)) << code;
            if (code != 0)
                ++(atSwap ? interruptedAtSwaps : interruptedElsewhere);
            EXPECT_EQ (untruthfulSlotIndices (store, rig.instrument), "");
            swaps += (int) rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size();
            rig.instrument.clearRules();
            rig.instrument.clearLog();
        }

        ASSERT_EQ (writeOnThread (store, rig, unitsMatch), 0);
        EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
        swaps += (int) rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size();

        // What a receive now reads is what the store holds.
        auto received = store;
        x48305_midi::ReceiveUserDataProcess receive (received, unitsMatch);
        receive.setTaskTimeout (jobTaskTimeoutMs);
        ASSERT_EQ (runOnThread (receive, rig), 0);
        for (std::size_t k = 0; k < unitKinds().size(); ++k)
            for (std::uint32_t p = 0; p < unitKinds()[k].slots; ++p)
                EXPECT_EQ (headerBytesOf (slotOf (received, k, p)), headerBytesOf (slotOf (store, k, p)));
    }
    // The series did move units around, and broke off in the middle of it.
    EXPECT_GT (swaps, 100);
    EXPECT_GE (interruptedAtSwaps, 6);
    EXPECT_EQ (interruptedElsewhere, 4);
}

TEST_F (WriteUserDataJob, ACancelBetweenSwapsLeavesStoreAndInstrumentAgreeing)
{
    JobRig rig;
    auto store = reversedOscillators (rig);

    // The third swap is slow, so the cancel comes while it is under way.
    rig.instrument.addRule (nthFromNow (RequestKind::unitSwap, 2), sim::Behaviour::delayed (std::chrono::milliseconds (400)));
    x48305_midi::WriteUserDataProcess job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);
    CommunicationDialogView ended;
    bool cancelDisabledAtOnce = false;
    ModalDialogScript script;
    script
        .then ("the third swap", testsupport::when ([&] { return rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size() == 3; }),
               [&] (juce::Component& window) {
                   testsupport::writeSnapshot (window, "write-user-units-swapping-en");
                   testsupport::clickButton ("CancelButton") (window);
                   cancelDisabledAtOnce = ! devicetest::readCommunicationDialog (window).cancelEnabled;
               })
        .then ("the end", dialogShowsOk(), readAndPressOk (ended));
    EXPECT_EQ (devicetest::runBehindDialog (job), 1);
    ASSERT_TRUE (script.isFinished());
    EXPECT_TRUE (cancelDisabledAtOnce);
    EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::canceled));

    // The third swap was answered and counted; nothing followed it.
    EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size(), 3u);
    EXPECT_EQ (job.getProgress(), 3.0f / 48.0f);
    EXPECT_EQ (untruthfulSlotIndices (store, rig.instrument), "");
    EXPECT_NE (differencesAfterWrite (store, rig.instrument), "");

    // A second write completes the work.
    rig.instrument.clearRules();
    rig.instrument.clearLog();
    EXPECT_EQ (writeOnThread (store, rig, unitsMatch), 0);
    EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
    EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size(), 5u);
    for (std::uint32_t p = 0; p < 16; ++p)
        EXPECT_EQ (store.getUserOscData (p).getName(), "Osc " + std::to_string (15 - p));
}

TEST_F (WriteUserDataJob, EveryKindButTheFirstTestsForACancelBeforeItsSteps)
{
    // The cancel is asked for while the placed delay unit is checked, before
    // anything is written. Oscillators placed but without a slot index give
    // the first kind nothing to do and so no cancel point of its own.
    struct Case
    {
        const char* name;
        bool oscillatorsWithoutSlot;
        std::size_t clears;
    };
    for (const auto& c : { Case { "empty oscillators: the first is cleared", false, 1 },
                           Case { "nothing to do for oscillators", true, 0 } })
    {
        JobRig rig;
        rig.instrument.setUnitSlot (sim::InstrumentMemory::delayEffect, 0, unitSlotOf (2, "Echo"));
        auto store = storeOf (rig.instrument);
        for (std::uint32_t p = 0; c.oscillatorsWithoutSlot && p < 16; ++p)
            slotOf (store, 0, p) = unitInSlot (0, "Osc", UserUnitSlotData::noSlot);

        x48305_data::UserUnitsMatch match;
        EXPECT_EQ (writeOnThread (store, rig, match,
                                  unitRequest (RequestKind::unitHeaderRequest, sim::InstrumentMemory::delayEffect, 0)),
                   MidiCommunicationError::canceled)
            << c.name;
        EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitClear).size(), c.clears) << c.name;
        EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::unitSwap).empty()) << c.name;
    }
}

TEST_F (WriteUserDataJob, ARefusedSwapLeavesStoreAndInstrumentAgreeing)
{
    JobRig rig;
    auto store = reversedOscillators (rig);
    // A unit from a package in a position whose old unit moves away: it must
    // stay FromFile through the swaps and be written.
    rig.instrument.setUnitSlot (revKind, 0, unitSlotOf (3, "Old Room"));
    auto fresh = storeOf (rig.instrument);
    store.getUserRevFXData (1) = fresh.getUserRevFXData (0);
    store.getUserRevFXData (0) = x48305_data::UserRevFXData (unitImageOf (3, "New Room", 16));

    rig.instrument.addRule (nthFromNow (RequestKind::unitSwap, 4), sim::Behaviour::refuse());
    EXPECT_EQ (writeOnThread (store, rig, unitsMatch), MidiCommunicationError::receiveNakOnReceive);
    EXPECT_EQ (untruthfulSlotIndices (store, rig.instrument), "");

    rig.instrument.clearRules();
    EXPECT_EQ (writeOnThread (store, rig, unitsMatch), 0);
    EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
    EXPECT_EQ (store.getUserRevFXData (0).getState(), UnitSlotState::FromFile);
    EXPECT_EQ (rig.instrument.getUnitSlot (revKind, 1).header, headerBytesOf (fresh.getUserRevFXData (0)));
}

TEST_F (WriteUserDataJob, TwoClaimsOnOneSlotAreRefusedBeforeAnythingIsSent)
{
    JobRig rig;
    rig.instrument.setUnitSlot (oscKind, 7, unitSlotOf (4, "Received"));
    auto store = storeOf (rig.instrument);
    // An Alt-copy of the received unit: both objects say it sits in slot 7.
    store.getUserOscData (9) = store.getUserOscData (7);
    const auto before = store;

    for (const bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        rig.instrument.clearLog();
        x48305_midi::WriteUserDataProcess job (store, unitsMatch);
        job.setTaskTimeout (jobTaskTimeoutMs);
        CommunicationDialogView ended;
        ModalDialogScript script;
        script.then ("the refusal", dialogShowsOk(), [&] (juce::Component& window) {
            testsupport::writeSnapshot (window, japanese ? "write-user-units-refused-ja" : "write-user-units-refused-en");
            readAndPressOk (ended) (window);
        });
        EXPECT_EQ (devicetest::runBehindDialog (job), 1);
        ASSERT_TRUE (script.isFinished());

        EXPECT_EQ (ended.status, getLocalizedText ("WriteUserDataErrorConflictingSlots"));
        EXPECT_EQ (ended.detail, getLocalizedText ("WriteUserDataErrorConflictingSlotsDetail"));
        EXPECT_NE (ended.detail, getMidiCommunicationErrorDetailText (MidiCommunicationError::receiveWriteError));
        EXPECT_EQ (kindsOf (rig.instrument), std::vector<RequestKind> { RequestKind::identityRequest });
        EXPECT_EQ (store, before);
    }

    // Every kind is checked; an InSlot object without a slot index, or
    // copies loaded from a package, claim nothing.
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
    {
        UserData claims;
        slotOf (claims, k, 0) = unitInSlot (k, "A", 3);
        slotOf (claims, k, 1) = unitInSlot (k, "B", UserUnitSlotData::noSlot);
        slotOf (claims, k, 2) = unitInSlot (k, "C", UserUnitSlotData::noSlot);
        slotOf (claims, k, 4) = unitFromPackage (k, "D");
        slotOf (claims, k, 5) = unitFromPackage (k, "D");
        EXPECT_FALSE (x48305_midi::WriteUserDataProcess::hasConflictingSlotClaims (claims)) << k;
        slotOf (claims, k, 6) = unitInSlot (k, "E", 3);
        EXPECT_TRUE (x48305_midi::WriteUserDataProcess::hasConflictingSlotClaims (claims)) << k;
    }
}

// A step whose outcome the run never learnt (the instrument swapped, but the
// reply was lost) leaves the store naming the old slot. Whatever the user
// writes next, and when the instrument was changed behind the store's back,
// the write changes nothing and asks for a receive instead of acting on the
// store's guess; so too when two builds of one unit share their header and
// reading the slots cannot tell them apart. Only a receive that succeeds
// lets the user write again.
TEST_F (WriteUserDataJob, AStoreThatNoLongerMatchesTheInstrumentIsNeverActedOn)
{
    struct Lost
    {
        const char* what;
        sim::RequestMatcher when;
        sim::Behaviour behaviour;
        bool twoBuilds;   // slot 1 holds another build of the moved unit
    };
    const auto lateBy = std::chrono::milliseconds (jobTaskTimeoutMs + 300);
    const auto readBack = unitRequest (RequestKind::unitHeaderRequest, oscKind, 1);
    const auto swap = sim::every (RequestKind::unitSwap);
    const Lost losses[] = {
        { "read-back unanswered", readBack, sim::Behaviour::silent(), false },
        { "read-back refused", readBack, sim::Behaviour::refuse(), false },
        { "swap acknowledged late", swap, sim::Behaviour::delayed (lateBy), false },
        { "swap acknowledgement broken", swap, sim::Behaviour::shortened(), false },
        { "two builds, read-back unanswered", readBack, sim::Behaviour::silent(), true },
        { "two builds, read-back refused", readBack, sim::Behaviour::refuse(), true },
        { "two builds, swap acknowledged late", swap, sim::Behaviour::delayed (lateBy), true },
        { "two builds, swap acknowledgement broken", swap, sim::Behaviour::shortened(), true },
        { "the instrument changed", {}, {}, false },
    };
    // Two builds of one unit: one header, different code.
    const auto build = [] (std::uint8_t number) {
        auto slot = unitSlotOf (4, "Kept");
        slot.image = sim::Bytes (16, number);
        return slot;
    };
    for (const auto& lost : losses)
        for (const bool dragBack : { false, true })
        {
            if (dragBack && ! lost.when)
                continue;
            SCOPED_TRACE (std::string (lost.what) + (dragBack ? ", the unit dragged back" : ", the same list again"));
            JobRig rig;
            x48305_data::UserUnitsMatch match;
            rig.instrument.setUnitSlot (oscKind, 0, build (1));
            if (lost.twoBuilds)
                rig.instrument.setUnitSlot (oscKind, 1, build (2));
            auto store = storeOf (rig.instrument);
            if (lost.when)
            {
                // Build 1 dragged to position 1, whatever was there deleted.
                store.getUserOscData (1) = store.getUserOscData (0);
                store.getUserOscData (0) = x48305_data::UserOscData();
                rig.instrument.addRule (lost.when, lost.behaviour, 1);
                ASSERT_NE (writeOnThread (store, rig, match), 0);
                ASSERT_EQ (rig.instrument.getUnitSlot (oscKind, 1).image, build (1).image);
                if (dragBack)
                    std::swap (store.getUserOscData (0), store.getUserOscData (1));
            }
            else
            {
                rig.instrument.setUnitSlot (oscKind, 0, unitSlotOf (4, "Put on the panel"));
                store.getUserOscData (3) = x48305_data::UserOscData (unitImageOf (4, "New", 24));
            }
            const auto before = store;
            const auto held = [&] {
                const auto first = rig.instrument.getUnitSlot (oscKind, 0);
                const auto second = rig.instrument.getUnitSlot (oscKind, 1);
                return std::make_tuple (first.header, first.image, second.header, second.image);
            };
            const auto heldBefore = held();
            const auto refusedUnchanged = [&] {
                rig.instrument.clearLog();
                x48305_midi::WriteUserDataProcess job (store, match);
                job.setTaskTimeout (jobTaskTimeoutMs);
                EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::receiveWriteError);
                EXPECT_EQ (job.getStatusText(), getLocalizedText ("WriteUserDataErrorUnitsChanged"));
                EXPECT_EQ (job.getDetailText(), getLocalizedText ("WriteUserDataErrorUnitsChangedDetail"));
                for (const auto kind : { RequestKind::unitSwap, RequestKind::unitClear, RequestKind::unitDump })
                    EXPECT_TRUE (rig.instrument.getRequestsOfKind (kind).empty());
                EXPECT_EQ (held(), heldBefore);
                EXPECT_EQ (store, before);
            };
            refusedUnchanged();

            rig.instrument.addRule (nthFromNow (RequestKind::unitHeaderRequest, 7), sim::Behaviour::refuse(), 1);
            UserData received;
            x48305_midi::ReceiveUserDataProcess failed (received, match);
            ASSERT_EQ (runOnThread (failed, rig), MidiCommunicationError::receiveNakOnReceive);
            refusedUnchanged();

            x48305_midi::ReceiveUserDataProcess receive (received, match);
            ASSERT_EQ (runOnThread (receive, rig), 0);
            EXPECT_EQ (writeOnThread (received, rig, match), 0);
            EXPECT_EQ (held(), heldBefore);
        }
}

// An instrument that answers every request once never sees a failure, and
// each unit the store places costs at most one header request more than the
// swaps, clears and writes that the list asks for.
TEST_F (WriteUserDataJob, ACorrectInstrumentAnswersTheCheckOfEveryPlacedUnit)
{
    const std::pair<const char*, std::function<UserData (JobRig&)>> cases[] = {
        { "an empty bank", [] (JobRig&) { return UserData(); } },
        { "a full bank, reversed", [] (JobRig& rig) {
              std::mt19937 random (5);
              for (std::size_t k = 0; k < unitKinds().size(); ++k)
                  for (int p = 0; p < (int) unitKinds()[k].slots; ++p)
                      rig.instrument.setUnitSlot (unitKinds()[k].simKind, p,
                                                  unitSlotOf (unitKinds()[k].module, ("Unit " + std::to_string (p)).c_str()));
              auto store = reversedOscillators (rig);
              editAtRandom (store, random, 0);
              return store;
          } },
        { "identical units side by side, two of them swapped", [] (JobRig& rig) {
              for (int p = 0; p < 4; ++p)
                  rig.instrument.setUnitSlot (oscKind, p, unitSlotOf (4, "Twin"));
              auto store = storeOf (rig.instrument);
              std::swap (store.getUserOscData (1), store.getUserOscData (2));
              return store;
          } },
    };
    for (const auto& [what, prepare] : cases)
    {
        SCOPED_TRACE (what);
        JobRig rig;
        auto store = prepare (rig);
        for (int run = 0; run < 2; ++run)
        {
            int placed = 0;
            for (std::size_t k = 0; k < unitKinds().size(); ++k)
                for (std::uint32_t p = 0; p < unitKinds()[k].slots; ++p)
                    placed += slotOf (store, k, p).getState() == UnitSlotState::InSlot ? 1 : 0;
            rig.instrument.clearLog();
            ASSERT_EQ (writeOnThread (store, rig, unitsMatch), 0) << run;
            EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
            std::size_t steps = 0;
            for (const auto kind : { RequestKind::unitSwap, RequestKind::unitClear, RequestKind::unitDump })
                steps += rig.instrument.getRequestsOfKind (kind).size();
            EXPECT_LE (rig.instrument.getRequestsOfKind (RequestKind::unitHeaderRequest).size(), steps + (std::size_t) placed)
                << run;
        }
    }
}
