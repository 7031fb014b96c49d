#include "UnitJobRuns.h"

#include "support/MessageLoop.h"

#include "action/DataChangeBroadcaster.h"
#include "library/DataCenter.h"
#include "midi/MidiCommunicationManager.h"

using namespace unitjobs;
using x48305_data::UserData;

namespace
{
using ManagerUserData = UnitJobTest;

struct DataNotices : data::DataChangeObserver
{
    DataNotices() { data::DataChangeBroadcaster::getInstance()->addListener (this); }
    ~DataNotices() override { data::DataChangeBroadcaster::getInstance()->removeListener (this); }
    void dataChanged() override { ++count; }
    int count = 0;
};

void setFirmware (sim::SimulatedInstrument& instrument, std::uint8_t major, std::uint8_t minor, std::uint8_t patch)
{
    auto identity = instrument.getIdentity();
    identity.versionMajor = major;
    identity.versionMinor = minor;
    identity.versionPatch = patch;
    instrument.setIdentity (identity);
}
}

// The two user-unit operations of the manager, behind the real dialog: a
// receive fills the store (and says when old firmware skipped it), a write
// replaces the data store's units by what the instrument now holds and tells
// the views.
TEST_F (ManagerUserData, ReceiveSaysWhenSkippedAndWriteReplacesTheSharedStore)
{
    JobRig rig;
    std::mt19937 random (2024);
    fillInstrumentAtRandom (rig.instrument, random);
    auto& manager = *x48305_midi::MidiCommunicationManager::getInstance();

    UserData received;
    EXPECT_EQ (manager.receiveUserData (received, unitsMatch), 0);
    EXPECT_FALSE (manager.wasUserDataReceiveSkipped());
    EXPECT_TRUE (received == storeOf (rig.instrument));
    EXPECT_FALSE (manager.isBusy());

    setFirmware (rig.instrument, 1, 0, 12);
    UserData untouched;
    untouched.getUserOscData (0) = x48305_data::UserOscData (unitImageOf (4, "Mine"));
    const auto before = untouched;
    EXPECT_EQ (manager.receiveUserData (untouched, unitsMatch), 0);
    EXPECT_TRUE (manager.wasUserDataReceiveSkipped());
    EXPECT_TRUE (untouched == before);

    setFirmware (rig.instrument, 1, 1, 0);
    auto& shared = x48305_data::DataCenter::getInstance()->getUserData();
    shared = received;
    editAtRandom (shared, random, 0);
    DataNotices notices;
    EXPECT_EQ (manager.writeUserData (shared, unitsMatch), 0);
    EXPECT_EQ (differencesAfterWrite (shared, rig.instrument), "");
    EXPECT_EQ (untruthfulSlotIndices (shared, rig.instrument), "");
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return notices.count > 0; }));
    shared = UserData();
}
