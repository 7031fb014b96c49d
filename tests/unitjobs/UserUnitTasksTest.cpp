#include "UnitJobRuns.h"

#include "formats/UserUnitBinary.h"
#include "midi/UserDataTasks.h"

#include <gtest/gtest.h>

using namespace unitjobs;

namespace
{
// The classes and numbers of one unit kind.
template <typename R, typename T, typename S, int SimKind, int Module, std::int32_t HeaderUserError>
struct Kind
{
    using Receiver = R;
    using Transmitter = T;
    using Slot = S;
    static constexpr int simKind = SimKind;
    static constexpr int module = Module;
    static constexpr std::int32_t headerUserErrorCode = HeaderUserError;
    static int slotCount() { return sim::InstrumentMemory::getSlotCount (SimKind); }
};

using Osc = Kind<x48305_midi::UserOscDataReceiver, x48305_midi::UserOscDataTransmitter, x48305_data::UserOscData,
                 sim::InstrumentMemory::oscillator, 4, MidiCommunicationError::receiveUserCommErr>;
using ModFX = Kind<x48305_midi::UserModFXDataReceiver, x48305_midi::UserModFXDataTransmitter,
                   x48305_data::UserModFXData, sim::InstrumentMemory::modulationEffect, 1,
                   MidiCommunicationError::messageBroken>;
using DelFX = Kind<x48305_midi::UserDelFXDataReceiver, x48305_midi::UserDelFXDataTransmitter,
                   x48305_data::UserDelFXData, sim::InstrumentMemory::delayEffect, 2,
                   MidiCommunicationError::messageBroken>;
using RevFX = Kind<x48305_midi::UserRevFXDataReceiver, x48305_midi::UserRevFXDataTransmitter,
                   x48305_data::UserRevFXData, sim::InstrumentMemory::reverbEffect, 3,
                   MidiCommunicationError::messageBroken>;

template <typename K>
class UserUnitTasks : public testing::Test
{
};

using AllKinds = testing::Types<Osc, ModFX, DelFX, RevFX>;
TYPED_TEST_SUITE (UserUnitTasks, AllKinds);

template <typename Task>
Task& shortened (Task& task)
{
    task.setTimeout (shortTaskTimeoutMs);
    return task;
}
}

TYPED_TEST (UserUnitTasks, ReceiverReadsOccupiedAndEmptySlots)
{
    using K = TypeParam;
    const int last = K::slotCount() - 1;

    for (bool longEmptyForm : { false, true })
    {
        sim::InstrumentIdentity identity;
        identity.channel = 5;
        identity.longEmptySlotReply = longEmptyForm;
        InstrumentRig rig (identity);
        ASSERT_TRUE (rig.opened);
        rig.instrument.setUnitSlot (K::simKind, last, unitSlotOf (K::module, "Far End"));

        typename K::Receiver receiver (rig.midi(), 5);
        EXPECT_EQ (receiver.getTimeout(), 5000u);
        shortened (receiver);

        ASSERT_EQ (receiver.receive ((std::uint32_t) last), MidiCommunicationError::noError);
        const auto occupied = receiver.getReceived();
        EXPECT_EQ (occupied.getState(), UnitSlotState::InSlot);
        EXPECT_EQ (occupied.getSlotIndex(), (std::uint32_t) last);
        EXPECT_EQ (occupied.getName(), "Far End");
        EXPECT_EQ (occupied.getVersionText(), "1.02-3");
        EXPECT_TRUE (occupied.getImage().isEmpty());
        EXPECT_EQ (headerBytesOf (occupied), rig.instrument.getUnitSlot (K::simKind, last).header);

        // An empty slot, in the 10-byte or in the long form, gives an empty
        // object that still names the slot asked for.
        ASSERT_EQ (receiver.receive (3), MidiCommunicationError::noError);
        EXPECT_EQ (receiver.getReceived().getState(), UnitSlotState::Empty);
        EXPECT_EQ (receiver.getReceived().getSlotIndex(), 3u);
        EXPECT_EQ (receiver.getReceived().getName(), "");

        auto requests = rig.instrument.getRequestsOfKind (sim::RequestKind::unitHeaderRequest);
        ASSERT_EQ (requests.size(), 2u);
        EXPECT_EQ (requests[0].unitKind, K::simKind);
        EXPECT_EQ (requests[0].number, last);
        EXPECT_EQ (requests[1].number, 3);
        EXPECT_EQ (requests[1].bytes[2], 0x35);
    }
}

TYPED_TEST (UserUnitTasks, ReceiverMapsEveryFailureAndKeepsItsSlotObject)
{
    using K = TypeParam;
    InstrumentRig rig;
    rig.instrument.setUnitSlot (K::simKind, 1, unitSlotOf (K::module, "Kept"));

    typename K::Receiver receiver (rig.midi(), 0);
    shortened (receiver);
    ASSERT_EQ (receiver.receive (1), MidiCommunicationError::noError);
    const auto good = receiver.getReceived();

    struct Case
    {
        sim::Behaviour behaviour;
        std::int32_t code;
    };
    const auto protocol = rig.protocol();
    const std::vector<Case> cases {
        { sim::Behaviour::refuse(), MidiCommunicationError::receiveNakOnReceive },
        { sim::Behaviour::userUnitError (0x27), K::headerUserErrorCode },
        { sim::Behaviour::userUnitError (0x2F), K::headerUserErrorCode },
        { sim::Behaviour::silent(), MidiCommunicationError::timeout },
        // A header reply cut short (47 bytes) is broken.
        { sim::Behaviour::shortened (1), MidiCommunicationError::messageBroken },
        { sim::Behaviour::custom (protocol.makerMessage (0x49, { (std::uint8_t) K::simKind, 1, 0, 0 })),
          MidiCommunicationError::messageBroken },
    };

    for (std::size_t i = 0; i < cases.size(); ++i)
    {
        rig.instrument.addRule (sim::nth (sim::RequestKind::unitHeaderRequest, i + 1), cases[i].behaviour, 1);
        EXPECT_EQ (receiver.receive (2), cases[i].code) << "case " << i;
        EXPECT_EQ (receiver.getReceived(), good) << "case " << i;
    }
}

TYPED_TEST (UserUnitTasks, TransmitterWritesSwapsAndClears)
{
    using K = TypeParam;
    InstrumentRig rig;
    const int last = K::slotCount() - 1;

    typename K::Transmitter transmitter (rig.midi(), 0);
    EXPECT_EQ (transmitter.getTimeout(), 5000u);
    shortened (transmitter);

    const typename K::Slot unit (unitImageOf (K::module, "Written", 40));
    ASSERT_EQ (unit.getState(), UnitSlotState::FromFile);
    ASSERT_EQ (transmitter.transmit (2, unit), MidiCommunicationError::noError);
    EXPECT_EQ (rig.instrument.getUnitSlot (K::simKind, 2).image, bytesOf (unit.getImage()));
    EXPECT_EQ (rig.instrument.getUnitSlot (K::simKind, 2).header, headerBytesOf (unit));

    ASSERT_EQ (transmitter.swapSlots (2, (std::uint32_t) last), MidiCommunicationError::noError);
    EXPECT_TRUE (rig.instrument.getUnitSlot (K::simKind, 2).isEmpty());
    EXPECT_EQ (rig.instrument.getUnitSlot (K::simKind, last).header, headerBytesOf (unit));

    ASSERT_EQ (transmitter.clearSlot ((std::uint32_t) last), MidiCommunicationError::noError);
    EXPECT_TRUE (rig.instrument.getUnitSlot (K::simKind, last).isEmpty());

    const auto requests = rig.instrument.getRequests();
    ASSERT_EQ (requests.size(), 3u);
    EXPECT_EQ (requests[0].kind, sim::RequestKind::unitDump);
    EXPECT_EQ (requests[1].kind, sim::RequestKind::unitSwap);
    EXPECT_EQ (requests[1].number, 2);
    EXPECT_EQ (requests[1].secondSlot, last);
    EXPECT_EQ (requests[2].kind, sim::RequestKind::unitClear);
    for (const auto& request : requests)
        EXPECT_EQ (request.unitKind, K::simKind);
}

TYPED_TEST (UserUnitTasks, TransmitterMapsEveryReply)
{
    using K = TypeParam;
    InstrumentRig rig;
    typename K::Transmitter transmitter (rig.midi(), 0);
    shortened (transmitter);
    const typename K::Slot unit (unitImageOf (K::module, "Mapped", 8));

    const auto protocol = rig.protocol();
    const std::vector<std::pair<sim::Behaviour, std::int32_t>> replies {
        // A refused swap, write or clear is 5, not the program dumps' 6.
        { sim::Behaviour::refuse(), MidiCommunicationError::receiveNakOnReceive },
        { sim::Behaviour::userUnitError (0x27), MidiCommunicationError::receiveUserCommErr },
        { sim::Behaviour::userUnitError (0x2F), MidiCommunicationError::receiveUserCommErr },
        { sim::Behaviour::silent(), MidiCommunicationError::timeout },
        { sim::Behaviour::custom (protocol.makerMessage (0x4C, { 1, 0, 0, 0 })), MidiCommunicationError::messageBroken },
    };
    const std::vector<std::pair<const char*, std::function<std::int32_t()>>> operations {
        { "swap", [&] { return transmitter.swapSlots (0, 1); } },
        { "write", [&] { return transmitter.transmit (0, unit); } },
        { "clear", [&] { return transmitter.clearSlot (1); } },
    };

    for (const auto& reply : replies)
    {
        rig.instrument.setDefaultBehaviour (reply.first);
        for (const auto& operation : operations)
            EXPECT_EQ (operation.second(), reply.second) << operation.first;
    }

    // The instrument itself refuses a slot it does not have, and a unit of
    // another kind is a user-unit error.
    rig.instrument.setDefaultBehaviour ({});
    EXPECT_EQ (transmitter.clearSlot ((std::uint32_t) K::slotCount()), MidiCommunicationError::receiveNakOnReceive);
    const typename K::Slot foreign (unitImageOf (K::module == 4 ? 1 : 4, "Foreign", 8));
    EXPECT_EQ (transmitter.transmit (0, foreign), MidiCommunicationError::receiveUserCommErr);
    EXPECT_TRUE (rig.instrument.getUnitSlot (K::simKind, 0).isEmpty());
}

// Paced as the ALSA backend paces (256 bytes/ms), at production time-outs: the
// acknowledgement is awaited from the last byte sent, and the rest answered.
TEST (UserUnitTasksLarge, TheLargestUnitThatAPackageMayHoldArrivesWhole)
{
    JobRig rig;
    const auto backend = JobRig::applicationBackend();
    rig.instrument.setUnitSlot (sim::InstrumentMemory::modulationEffect, 0, unitSlotOf (1, "Cleared after"));
    x48305_data::UserData store;
    slotOf (store, 0, 15) = unitFromPackage (0, "Huge", UnitImageLayout::maxPayloadSize - 4);
    const auto image = bytesOf (slotOf (store, 0, 15).getImage());
    ASSERT_EQ (image.size(), UnitImageLayout::maxPayloadSize + UnitImageLayout::overhead);

    backend->setSysExPacing (256, std::chrono::milliseconds (1));
    x48305_data::UserUnitsMatch unitsMatch;
    x48305_midi::WriteUserDataProcess job (store, unitsMatch);
    EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::noError);
    backend->setSysExPacing (0, {});

    EXPECT_TRUE (rig.instrument.getUnitSlot (sim::InstrumentMemory::oscillator, 15).image == image);
    EXPECT_EQ (countOccupied (rig.instrument), 1);
}
