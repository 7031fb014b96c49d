#include "support/midi/TaskRig.h"

#include "midi/LivesetDataTasks.h"

#include <gtest/gtest.h>

using namespace devicetest;

namespace
{
sim::Bytes bytesOf (const juce::MemoryBlock& block)
{
    auto* data = static_cast<const std::uint8_t*> (block.getData());
    return { data, data + block.getSize() };
}
}

TEST (LivesetTasks, ReceiverGetsTheBlockAndMapsEveryReply)
{
    TaskRig rig;
    x48305_midi::LivesetDataReceiver receiver (rig.midi(), 0);
    EXPECT_EQ (receiver.getTimeout(), 5000u);
    receiver.setTimeout (shortTimeout);

    EXPECT_EQ (receiver.receive(), MidiCommunicationError::noError);
    EXPECT_EQ (bytesOf (receiver.getBlock()), rig.instrument.getLiveset());
    EXPECT_EQ (bytesOf (receiver.getBlock()), sim::InstrumentMemory::defaultLiveset());

    rig.instrument.setDefaultBehaviour (sim::Behaviour::refuse());
    EXPECT_EQ (receiver.receive(), MidiCommunicationError::receiveNakOnReceive);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::shortened (3));
    EXPECT_EQ (receiver.receive(), MidiCommunicationError::messageBroken);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());
    EXPECT_EQ (receiver.receive(), MidiCommunicationError::timeout);

    // The failures kept the block of the last success.
    EXPECT_EQ (bytesOf (receiver.getBlock()), sim::InstrumentMemory::defaultLiveset());

    rig.instrument.setDefaultBehaviour (sim::Behaviour::inPackets (1, 4));
    EXPECT_EQ (receiver.receive(), MidiCommunicationError::noError);
}

TEST (LivesetTasks, TransmitterWritesTheBlockAndMapsEveryReply)
{
    TaskRig rig;
    x48305_midi::LivesetDataTransmitter transmitter (rig.midi(), 0);
    EXPECT_EQ (transmitter.getTimeout(), 3000u);
    transmitter.setTimeout (shortTimeout);

    auto block = sim::InstrumentMemory::defaultLiveset();
    block[4] = 0xF4;   // bank 0 slot 0 := 500, an empty slot
    block[5] = 0x01;
    block[127] = 0x80;
    EXPECT_EQ (transmitter.transmit (juce::MemoryBlock (block.data(), block.size())), MidiCommunicationError::noError);
    EXPECT_EQ (rig.instrument.getLiveset(), block);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::refuse());
    EXPECT_EQ (transmitter.transmit (juce::MemoryBlock (block.data(), block.size())),
               MidiCommunicationError::receiveNakOnWrite);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::custom (rig.protocol().makerMessage (0x46, { 0, 1, 2 })));
    EXPECT_EQ (transmitter.transmit (juce::MemoryBlock (block.data(), block.size())),
               MidiCommunicationError::messageBroken);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());
    EXPECT_EQ (transmitter.transmit (juce::MemoryBlock (block.data(), block.size())), MidiCommunicationError::timeout);
}
