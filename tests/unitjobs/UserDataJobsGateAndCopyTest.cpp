#include "UnitJobRuns.h"

#include "library/DataCenter.h"
#include "midi/MidiCommunicationError.h"

using namespace unitjobs;
using sim::RequestKind;
using x48305_data::UserData;

namespace
{
using UserDataJobs = UnitJobTest;
}

TEST_F (UserDataJobs, FirmwareWithoutUserUnitsIsSkippedByBothJobs)
{
    struct Version
    {
        std::uint8_t major, minor, patch;
        bool skipped;
    };
    const Version versions[] { { 1, 0, 12, true },  { 1, 0, 0, true },   { 1, 0, 13, false },
                               { 1, 1, 0, false },  { 2, 0, 5, false },  { 0, 9, 1, false } };

    JobRig rig;
    for (const auto& v : versions)
    {
        SCOPED_TRACE (std::to_string (v.major) + "." + std::to_string (v.minor) + "." + std::to_string (v.patch));
        EXPECT_EQ (x48305_midi::firmwareSupportsUserUnits ({ v.major, v.minor, v.patch }), ! v.skipped);
        auto identity = rig.instrument.getIdentity();
        identity.versionMajor = v.major;
        identity.versionMinor = v.minor;
        identity.versionPatch = v.patch;
        rig.instrument.setIdentity (identity);
        rig.instrument.setUnitSlot (sim::InstrumentMemory::delayEffect, 4, unitSlotOf (2, "Kept"));

        // Receiving: a skipped run says so and leaves the store alone.
        UserData received;
        received.getUserOscData (0) = x48305_data::UserOscData (unitImageOf (4, "Mine"));
        const auto before = received;
        rig.instrument.clearLog();
        x48305_midi::ReceiveUserDataProcess receive (received, unitsMatch);
        receive.setTaskTimeout (jobTaskTimeoutMs);
        EXPECT_EQ (runOnThread (receive, rig), 0);
        EXPECT_EQ (receive.getProgress(), 1.0f);
        EXPECT_EQ (receive.wasSkipped(), v.skipped);
        if (v.skipped)
        {
            EXPECT_EQ (kindsOf (rig.instrument), std::vector<RequestKind> { RequestKind::identityRequest });
            EXPECT_TRUE (received == before);
        }
        else
        {
            EXPECT_EQ (unitRequests (rig.instrument, RequestKind::unitHeaderRequest),
                       headerRequestsOfAReceive (rig.instrument));
            EXPECT_EQ (received.getUserDelFXData (4).getName(), "Kept");
        }

        // Writing an empty store: nothing is cleared on old firmware.
        UserData empty;
        rig.instrument.clearLog();
        x48305_midi::WriteUserDataProcess write (empty, unitsMatch);
        write.setTaskTimeout (jobTaskTimeoutMs);
        EXPECT_EQ (runOnThread (write, rig), 0);
        EXPECT_EQ (write.getProgress(), 1.0f);
        EXPECT_EQ (write.wasSkipped(), v.skipped);
        EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitClear).size(), v.skipped ? 0u : 48u);
        EXPECT_EQ (rig.instrument.getUnitSlot (sim::InstrumentMemory::delayEffect, 4).isEmpty(), ! v.skipped);
    }
}

TEST_F (UserDataJobs, TheWriteWorksOnACopyThatReplacesTheStoreOnceTheDialogHasReturned)
{
    JobRig rig;
    for (int p = 0; p < 8; ++p)
        rig.instrument.setUnitSlot (sim::InstrumentMemory::delayEffect, p, unitSlotOf (2, ("Echo " + std::to_string (p)).c_str()));
    const auto received = storeOf (rig.instrument);

    // The data store's own store, as the lists read it: the delay units in
    // reverse, and two units from packages.
    auto& shared = x48305_data::DataCenter::getInstance()->getUserData();
    shared = received;
    for (std::uint32_t p = 0; p < 8; ++p)
        shared.getUserDelFXData (p) = received.getUserDelFXData (7 - p);
    shared.getUserOscData (0) = x48305_data::UserOscData (unitImageOf (4, "Osc File", 8));
    shared.getUserModFXData (3) = x48305_data::UserModFXData (unitImageOf (1, "Mod File", 8));

    CommunicationDialogView ended;
    auto writeBehindDialog = [this, &ended] (UserData& copy) {
        x48305_midi::WriteUserDataProcess job (copy, unitsMatch);
        job.setTaskTimeout (jobTaskTimeoutMs);
        return runBehindDialogUntilDone (job, &ended);
    };

    // A run that succeeds: the store is untouched while the job runs and
    // takes the written state afterwards.
    {
        const auto before = shared;
        rig.instrument.addRule (nthFromNow (RequestKind::unitSwap, 1), sim::Behaviour::delayed (std::chrono::milliseconds (300)));
        bool untouchedWhileRunning = false;
        ModalDialogScript script;
        script.then ("a swap under way",
                     testsupport::when ([&] { return rig.instrument.getRequestsOfKind (RequestKind::unitSwap).size() == 2; }),
                     [&] (juce::Component&) { untouchedWhileRunning = shared == before; });
        EXPECT_EQ (x48305_midi::WriteUserDataProcess::runOnCopy (shared, writeBehindDialog), 0);
        EXPECT_TRUE (script.isFinished());
        EXPECT_TRUE (untouchedWhileRunning);
        EXPECT_EQ (differencesAfterWrite (shared, rig.instrument), "");
        EXPECT_EQ (shared.getUserOscData (0).getState(), UnitSlotState::InSlot);
        EXPECT_EQ (shared.getUserDelFXData (0).getSlotIndex(), 0u);
    }

    // A run that fails halfway: the store takes what the instrument now
    // holds, so a second write completes it.
    {
        rig.instrument.clearRules();
        rig.instrument.clearLog();
        for (std::uint32_t p = 0; p < 8; ++p)
            std::swap (shared.getUserDelFXData (p), shared.getUserDelFXData ((p + 3) % 8));
        shared.getUserRevFXData (2) = x48305_data::UserRevFXData (unitImageOf (3, "Rev File", 8));
        const auto before = shared;
        rig.instrument.addRule (nthFromNow (RequestKind::unitSwap, 2), sim::Behaviour::refuse());

        EXPECT_EQ (x48305_midi::WriteUserDataProcess::runOnCopy (shared, writeBehindDialog), 1);
        EXPECT_EQ (ended.status, getMidiCommunicationErrorText (MidiCommunicationError::receiveNakOnReceive));
        EXPECT_FALSE (shared == before);
        EXPECT_EQ (untruthfulSlotIndices (shared, rig.instrument), "");

        rig.instrument.clearRules();
        EXPECT_EQ (x48305_midi::WriteUserDataProcess::runOnCopy (shared, writeBehindDialog), 0);
        EXPECT_EQ (differencesAfterWrite (shared, rig.instrument), "");
    }
    shared = UserData();
}
