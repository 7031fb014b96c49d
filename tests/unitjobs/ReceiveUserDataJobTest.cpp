#include "UnitJobRuns.h"

#include "support/midi/JobRig.h"

#include "midi/MidiCommunicationError.h"

#include <algorithm>

using namespace unitjobs;
using sim::RequestKind;
using x48305_data::UserData;

namespace
{
using ReceiveUserDataJob = UnitJobTest;

// A store whose every slot holds something the receive must overwrite.
UserData storeFullOfMarkers()
{
    UserData store;
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
        for (std::uint32_t p = 0; p < unitKinds()[k].slots; ++p)
            slotOf (store, k, p) = unitInSlot (k, "Marker", 99);
    return store;
}
}

TEST_F (ReceiveUserDataJob, ReadsEveryHeaderInOrderBehindTheDialog)
{
    JobRig rig;
    std::mt19937 random (4711);
    fillInstrumentAtRandom (rig.instrument, random);
    // The first and last slot of every kind: one occupied, one empty.
    for (const auto& kind : unitKinds())
    {
        rig.instrument.setUnitSlot (kind.simKind, 0, unitSlotOf (kind.module, "First"));
        rig.instrument.setUnitSlot (kind.simKind, (int) kind.slots - 1, {});
    }
    ASSERT_GT (countOccupied (rig.instrument), 8);
    ASSERT_LT (countOccupied (rig.instrument), 44);

    auto store = storeFullOfMarkers();
    devicetest::ObservedJob<x48305_midi::ReceiveUserDataProcess> job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);
    devicetest::ProgressAtRequests progress (rig.instrument, job);

    EXPECT_EQ (job.getTitle(), getLocalizedText ("ConnectionReceiveUserDataTitle"));
    EXPECT_TRUE (job.isCancelable());
    EXPECT_EQ (runBehindDialogUntilDone (job), 0);
    EXPECT_EQ (job.record.threadName, "MidiCommunicationThread");
    EXPECT_FALSE (job.record.onMessageThread);
    EXPECT_FALSE (job.wasSkipped());

    // Every slot as the instrument holds it: names, versions and slot
    // indices of the occupied ones, Empty objects for the others.
    EXPECT_TRUE (store == storeOf (rig.instrument));
    EXPECT_EQ (store.getUserOscData (0).getName(), "First");
    EXPECT_EQ (store.getUserRevFXData (0).getVersionText(), "1.02-3");
    EXPECT_EQ (store.getUserModFXData (15).getState(), UnitSlotState::Empty);
    EXPECT_EQ (store.getUserModFXData (15).getSlotIndex(), 15u);
    for (std::size_t k = 0; k < unitKinds().size(); ++k)
        for (std::uint32_t p = 0; p < unitKinds()[k].slots; ++p)
            EXPECT_TRUE (slotOf (store, k, p).getImage().isEmpty());

    // The identity request, then 16 oscillator, 16 modulation, 8 delay and 8
    // reverb requests, each kind from slot 0 up; a slot whose header repeats
    // the one before is asked again, after another identity request.
    const auto asked = headerRequestsOfAReceive (rig.instrument);
    const auto repeats = asked.size() - 48;
    EXPECT_GT (repeats, 0u);
    auto kinds = kindsOf (rig.instrument);
    ASSERT_EQ (kinds.size(), 1 + asked.size() + repeats);
    EXPECT_EQ (kinds.front(), RequestKind::identityRequest);
    EXPECT_EQ (unitRequests (rig.instrument, RequestKind::unitHeaderRequest), asked);

    // Progress k / 48 when a request for the (k + 1)-th slot goes out; the
    // last slot brings 48 / 48.
    const auto order = everySlotInJobOrder();
    const auto atRequests = progress.of (RequestKind::unitHeaderRequest);
    ASSERT_EQ (atRequests.size(), asked.size());
    for (std::size_t j = 0; j < asked.size(); ++j)
        EXPECT_EQ (atRequests[j], (float) (std::find (order.begin(), order.end(), asked[j]) - order.begin()) / 48.0f) << j;
    EXPECT_EQ (job.getProgress(), 1.0f);
}

TEST_F (ReceiveUserDataJob, AFailureStopsAtItsSlotAndLeavesTheRestAlone)
{
    JobRig rig;
    rig.instrument.setUnitSlot (sim::InstrumentMemory::modulationEffect, 2, unitSlotOf (1, "Chorus"));

    struct Case
    {
        sim::Behaviour behaviour;
        std::int32_t code;
    };
    // Modulation slot 4 is the 21st slot asked for.
    const std::vector<Case> cases {
        { sim::Behaviour::refuse(), MidiCommunicationError::receiveNakOnReceive },
        { sim::Behaviour::userUnitError (0x2B), MidiCommunicationError::messageBroken },
        { sim::Behaviour::silent(), MidiCommunicationError::timeout },
    };
    for (const auto& c : cases)
    {
        rig.instrument.clearRules();
        rig.instrument.clearLog();
        rig.instrument.addRule (
            unitRequest (RequestKind::unitHeaderRequest, sim::InstrumentMemory::modulationEffect, 4), c.behaviour);

        auto store = storeFullOfMarkers();
        const auto before = store;
        x48305_midi::ReceiveUserDataProcess job (store, unitsMatch);
        // Twenty answered exchanges come first: a short time-out would let a
        // loaded machine fail one of them instead of the silent slot.
        job.setTaskTimeout (jobTaskTimeoutMs);
        EXPECT_EQ (runOnThread (job, rig), c.code);
        EXPECT_EQ (job.getStatusText(), getMidiCommunicationErrorText (c.code));
        EXPECT_EQ (job.getDetailText(), getMidiCommunicationErrorDetailText (c.code));
        EXPECT_EQ (job.getProgress(), 20.0f / 48.0f);

        EXPECT_EQ (store.getUserOscData (15), storeOf (rig.instrument).getUserOscData (15));
        EXPECT_EQ (store.getUserModFXData (2).getName(), "Chorus");
        EXPECT_EQ (store.getUserModFXData (3).getState(), UnitSlotState::Empty);
        EXPECT_EQ (store.getUserModFXData (4), before.getUserModFXData (4));
        EXPECT_EQ (store.getUserRevFXData (7), before.getUserRevFXData (7));
        EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitHeaderRequest).size(),
                   headerRequestsOfAReceive (rig.instrument, 20).size() + 1);
    }
}

TEST_F (ReceiveUserDataJob, ACancelEndsAfterTheSlotInHand)
{
    JobRig rig;
    auto store = storeFullOfMarkers();
    const auto before = store;
    x48305_midi::ReceiveUserDataProcess job (store, unitsMatch);
    job.setTaskTimeout (jobTaskTimeoutMs);

    // Asked while the request for delay slot 1 (the 34th slot) is answered.
    EXPECT_EQ (runOnThread (job, rig,
                            unitRequest (RequestKind::unitHeaderRequest, sim::InstrumentMemory::delayEffect, 1)),
               MidiCommunicationError::canceled);
    EXPECT_EQ (job.getStatusText(), getMidiCommunicationErrorText (MidiCommunicationError::canceled));
    EXPECT_EQ (job.getProgress(), 34.0f / 48.0f);
    EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitHeaderRequest).size(),
               headerRequestsOfAReceive (rig.instrument, 34).size());
    EXPECT_EQ (store.getUserDelFXData (1).getSlotIndex(), 1u);
    EXPECT_EQ (store.getUserDelFXData (2), before.getUserDelFXData (2));
}
