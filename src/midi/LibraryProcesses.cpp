#include "midi/LibraryProcesses.h"

#include "midi/DeviceInquiry.h"
#include "midi/LivesetBlock.h"
#include "midi/LivesetDataTasks.h"
#include "midi/MidiCommunicationError.h"
#include "midi/ProgramDataTasks.h"

namespace x48305_midi
{
namespace
{
constexpr std::size_t numPrograms = x48305_data::LibraryData::numPrograms;

// Receiving counts the live set as one more item: the last program brings
// 499 / 501 and the live set 1.0.
constexpr float receiveSteps = (float) (numPrograms + 1);
constexpr float writeSteps = (float) numPrograms;
}

ReceiveLibraryProcess::ReceiveLibraryProcess (x48305_data::LibraryData& target)
    : TransferProcess ("ConnectionReceiveLibraryTitle", "CommunicationProcessReceiveLibrary", true),
      library (&target)
{
}

std::int32_t ReceiveLibraryProcess::run()
{
    DeviceInquiry inquiry (getMidi());
    if (const auto code = beginTransfer (inquiry))
        return code;

    if (const auto code = receivePrograms (inquiry.getChannel()))
        return code;
    if (const auto code = receiveLiveset (inquiry.getChannel()))
        return code;

    setProgress (1.0f);
    return MidiCommunicationError::noError;
}

std::int32_t ReceiveLibraryProcess::receivePrograms (std::uint32_t channel)
{
    ProgramDataReceiver receiver (getMidi(), channel);
    prepareTask (receiver);

    return forEachItem (numPrograms, receiveSteps, [&] (std::size_t n) {
        const auto code = receiver.receive ((std::uint32_t) n);
        if (code == MidiCommunicationError::noError)
            library->getProgram ((int) n) = receiver.getReceived();
        return code;
    });
}

std::int32_t ReceiveLibraryProcess::receiveLiveset (std::uint32_t channel)
{
    LivesetDataReceiver receiver (getMidi(), channel);
    prepareTask (receiver);

    if (const auto code = receiver.receive())
        return endWithError (code);

    // Stored as received: 500 is an empty slot.
    const LivesetBlock block (receiver.getBlock());
    auto& liveset = library->getFavoriteData();
    for (int bank = 0; bank < LivesetBlock::numBanks; ++bank)
        for (int slot = 0; slot < LivesetBlock::numSlots; ++slot)
            liveset.setProgramNumber (bank, slot, block.getProgramNumber (bank, slot));
    return MidiCommunicationError::noError;
}

WriteLibraryProcess::WriteLibraryProcess (x48305_data::LibraryData& source)
    : TransferProcess ("ConnectionWriteLibraryTitle", "CommunicationProcessWriteLibrary", true), library (&source)
{
}

std::int32_t WriteLibraryProcess::run()
{
    DeviceInquiry inquiry (getMidi());
    if (const auto code = beginTransfer (inquiry))
        return code;

    if (const auto code = writePrograms (inquiry.getChannel()))
        return code;
    return writeLiveset (inquiry.getChannel());
}

std::int32_t WriteLibraryProcess::writePrograms (std::uint32_t channel)
{
    ProgramDataTransmitter transmitter (getMidi(), channel);
    prepareTask (transmitter);

    return forEachItem (numPrograms, writeSteps, [&] (std::size_t n) {
        return transmitter.transmit ((std::uint32_t) n, library->getProgram ((int) n));
    });
}

std::int32_t WriteLibraryProcess::writeLiveset (std::uint32_t channel)
{
    // The block holds more than the program numbers: fetch the instrument's
    // own and change only the numbers in it.
    LivesetDataReceiver receiver (getMidi(), channel);
    prepareTask (receiver);
    if (const auto code = receiver.receive())
        return endWithError (code);
    if (isCancelRequested())
        return endCanceled();

    LivesetBlock block (receiver.getBlock());
    const auto& liveset = library->getFavoriteData();
    for (int bank = 0; bank < LivesetBlock::numBanks; ++bank)
        for (int slot = 0; slot < LivesetBlock::numSlots; ++slot)
            block.setProgramNumber (bank, slot, liveset.getProgramNumber (bank, slot));

    LivesetDataTransmitter transmitter (getMidi(), channel);
    prepareTask (transmitter);
    if (const auto code = transmitter.transmit (block.getBytes()))
        return endWithError (code);
    return MidiCommunicationError::noError;
}
}
