#include "support/midi/TaskRig.h"

#include "midi/ProgramDataTasks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace devicetest;
using namespace std::chrono_literals;

namespace
{
template <typename Task>
void shorten (Task& task)
{
    task.setTimeout (shortTimeout);
}

// The instrument's reply to a request, as it would send it.
sim::Bytes answerTo (TaskRig& rig, const sim::Bytes& request)
{
    sim::InstrumentMemory memory;
    auto protocol = rig.protocol();
    return protocol.respond (protocol.classify (request), memory);
}
}

TEST (ProgramTasks, ReceiverGetsTheInstrumentsProgram)
{
    sim::InstrumentIdentity identity;
    identity.channel = 3;
    TaskRig rig (identity);
    ASSERT_TRUE (rig.opened);

    x48305_midi::ProgramDataReceiver receiver (rig.midi(), 3);
    shorten (receiver);
    for (int number : { 0, 128, 499 })
    {
        EXPECT_EQ (receiver.receive ((std::uint32_t) number), MidiCommunicationError::noError);
        EXPECT_EQ (recordOf (receiver.getReceived()), rig.instrument.getProgram (number)) << number;
    }

    auto requests = rig.instrument.getRequestsOfKind (sim::RequestKind::programDumpRequest);
    ASSERT_EQ (requests.size(), 3u);
    EXPECT_EQ (requests[2].number, 499);
    EXPECT_EQ (requests[2].bytes[2], 0x33);   // on the instrument's channel
}

TEST (ProgramTasks, ReceiverRefusalShortReplyAndTimeOut)
{
    TaskRig rig;
    x48305_midi::ProgramDataReceiver receiver (rig.midi(), 0);
    shorten (receiver);
    auto before = recordOf (receiver.getReceived());

    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 37), sim::Behaviour::refuse());
    EXPECT_EQ (receiver.receive (37), MidiCommunicationError::receiveNakOnReceive);

    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 38), sim::Behaviour::shortened (1));
    EXPECT_EQ (receiver.receive (38), MidiCommunicationError::messageBroken);

    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 39), sim::Behaviour::silent());
    auto start = juce::Time::currentTimeMillis();
    EXPECT_EQ (receiver.receive (39), MidiCommunicationError::timeout);
    EXPECT_GE (millisecondsSince (start), (std::int64_t) shortTimeout - 5);

    // None of the failures touched the received program.
    EXPECT_EQ (recordOf (receiver.getReceived()), before);

    // A program dump of another family, or a garbled one, is no answer.
    sim::InstrumentIdentity cousin;
    cousin.familyCode = 344;
    sim::Protocol cousinProtocol (cousin);
    sim::InstrumentMemory memory;
    auto foreignDump = cousinProtocol.respond (cousinProtocol.classify (cousinProtocol.makerMessage (0x1C, { 40, 0 })), memory);
    ASSERT_GT (foreignDump.size(), 300u);
    auto garbage = foreignDump;
    garbage[1] = 0x7E;
    garbage.insert (garbage.end(), foreignDump.begin(), foreignDump.end());
    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 40), sim::Behaviour::custom (garbage));
    EXPECT_EQ (receiver.receive (40), MidiCommunicationError::timeout);
}

TEST (ProgramTasks, AnAcknowledgeWhileADumpIsAwaitedIsDropped)
{
    TaskRig rig;
    x48305_midi::ProgramDataReceiver receiver (rig.midi(), 0);
    shorten (receiver);

    auto dump = answerTo (rig, rig.protocol().makerMessage (0x1C, { 12, 0 }));
    auto reply = rig.protocol().acknowledge();
    reply.insert (reply.end(), dump.begin(), dump.end());
    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 12), sim::Behaviour::custom (reply));

    EXPECT_EQ (receiver.receive (12), MidiCommunicationError::noError);
    EXPECT_EQ (recordOf (receiver.getReceived()), rig.instrument.getProgram (12));
    EXPECT_EQ (receiver.getQueuedMessageCount(), 0u);

    // Also when the acknowledge comes on its own while the dump is delayed.
    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDumpRequest, 13), sim::Behaviour::delayed (150ms));
    std::thread stray ([&] {
        std::this_thread::sleep_for (40ms);
        rig.instrument.sendRaw (rig.protocol().acknowledge());
    });
    EXPECT_EQ (receiver.receive (13), MidiCommunicationError::noError);
    stray.join();
    EXPECT_EQ (recordOf (receiver.getReceived()), rig.instrument.getProgram (13));
}

TEST (ProgramTasks, RepliesCutIntoOneBytePacketsWithTimingBytes)
{
    TaskRig rig;
    rig.instrument.setDefaultBehaviour (sim::Behaviour::inPackets (1, 3));

    x48305_midi::ProgramDataReceiver receiver (rig.midi(), 0);
    shorten (receiver);
    EXPECT_EQ (receiver.receive (321), MidiCommunicationError::noError);
    EXPECT_EQ (recordOf (receiver.getReceived()), rig.instrument.getProgram (321));

    x48305_midi::ProgramDataTransmitter transmitter (rig.midi(), 0);
    shorten (transmitter);
    auto program = programNamed ("Packets", 9);
    EXPECT_EQ (transmitter.transmit (7, program), MidiCommunicationError::noError);
    EXPECT_EQ (rig.instrument.getProgram (7), recordOf (program));
}

TEST (ProgramTasks, TransmitterWritesAndMapsEveryReply)
{
    TaskRig rig;
    x48305_midi::ProgramDataTransmitter transmitter (rig.midi(), 0);
    shorten (transmitter);

    auto program = programNamed ("Written", 3);
    EXPECT_EQ (transmitter.transmit (250, program), MidiCommunicationError::noError);
    EXPECT_EQ (rig.instrument.getProgram (250), recordOf (program));

    // The instrument refuses a number out of its range.
    EXPECT_EQ (transmitter.transmit (500, program), MidiCommunicationError::receiveNakOnWrite);

    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDump, 251), sim::Behaviour::refuse());
    EXPECT_EQ (transmitter.transmit (251, program), MidiCommunicationError::receiveNakOnWrite);
    EXPECT_NE (rig.instrument.getProgram (251), recordOf (program));

    // A dump too short for its function is broken.
    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDump, 252),
                            sim::Behaviour::custom (rig.protocol().makerMessage (0x4C, { 1, 0, 0, 0 })));
    EXPECT_EQ (transmitter.transmit (252, program), MidiCommunicationError::messageBroken);

    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDump, 253), sim::Behaviour::silent());
    EXPECT_EQ (transmitter.transmit (253, program), MidiCommunicationError::timeout);

    // An acknowledge cut short is no acknowledge: the wait runs out.
    rig.instrument.addRule (sim::withNumber (sim::RequestKind::programDump, 254), sim::Behaviour::shortened (1));
    EXPECT_EQ (transmitter.transmit (254, program), MidiCommunicationError::timeout);
}

TEST (ProgramTasks, CurrentProgramTransmitterMapsEveryReply)
{
    TaskRig rig;
    x48305_midi::CurrentProgramTransmitter transmitter (rig.midi(), 0);
    EXPECT_EQ (transmitter.getTimeout(), 5000u);
    shorten (transmitter);

    auto program = programNamed ("Current", 5);
    EXPECT_EQ (transmitter.transmit (program), MidiCommunicationError::noError);
    EXPECT_EQ (rig.instrument.getCurrentProgram(), recordOf (program));

    rig.instrument.setDefaultBehaviour (sim::Behaviour::refuse());
    EXPECT_EQ (transmitter.transmit (program), MidiCommunicationError::receiveNakOnWrite);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::custom (rig.protocol().makerMessage (0x40, { 1, 2, 3 })));
    EXPECT_EQ (transmitter.transmit (program), MidiCommunicationError::messageBroken);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());
    EXPECT_EQ (transmitter.transmit (program), MidiCommunicationError::timeout);
}

TEST (ProgramTasks, TwoTasksAliveAtOnceEachGetEveryMessage)
{
    TaskRig rig;
    x48305_midi::ProgramDataReceiver first (rig.midi(), 0);
    x48305_midi::ProgramDataReceiver second (rig.midi(), 0);
    shorten (first);
    shorten (second);

    EXPECT_EQ (first.receive (1), MidiCommunicationError::noError);
    // The reply to the first request reaches the second task's queue too
    // (the wrapper hands it to the listeners one after the other); it came
    // before the second task's request and is dropped as that goes out.
    auto deadline = std::chrono::steady_clock::now() + 2s;
    while (second.getQueuedMessageCount() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for (1ms);
    EXPECT_EQ (second.getQueuedMessageCount(), 1u);
    EXPECT_EQ (second.receive (2), MidiCommunicationError::noError);
    EXPECT_EQ (recordOf (second.getReceived()), rig.instrument.getProgram (2));
}

TEST (ProgramTasks, TasksComeAndGoWhileMessagesStreamIn)
{
    TaskRig rig;
    const auto acknowledge = rig.protocol().acknowledge();
    std::atomic<bool> stop { false };
    std::thread stream ([&] {
        while (! stop)
        {
            rig.instrument.sendRaw (acknowledge);
            std::this_thread::sleep_for (100us);
        }
    });

    // Tasks are made and destroyed while the port thread delivers to them.
    int answered = 0;
    for (int i = 0; i < 200; ++i)
    {
        x48305_midi::ProgramDataReceiver receiver (rig.midi(), 0);
        x48305_midi::CurrentProgramTransmitter transmitter (rig.midi(), 0);
        auto information = transmitter.waitForMessage ({ x48305_midi::AnalyzedMessageType::acknowledge }, 2000);
        answered += information.type == x48305_midi::AnalyzedMessageType::acknowledge ? 1 : 0;
    }
    stop = true;
    stream.join();
    rig.virtualBackend->waitUntilDelivered();
    EXPECT_EQ (answered, 200);
}
