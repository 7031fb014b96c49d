#include "midi/MidiMessageAnalyzer.h"

#include "midi/SevenBitPacking.h"
#include "midi/SysExProtocol.h"
#include "midiport/CPXWMidiMessage.h"

namespace x48305_midi
{
namespace
{
constexpr std::size_t identityReplySize = 15;
constexpr std::size_t minimumMakerMessageSize = 8;
constexpr std::size_t currentProgramDumpSize = 392;
constexpr std::size_t programDumpSize = 394;
constexpr std::size_t livesetDumpSize = 155;
constexpr std::size_t emptyUserHeaderSize = 10;
constexpr std::size_t userHeaderSize = 48;
constexpr std::size_t function51Size = 45;

AnalyzedInformation typeOnly (std::int32_t type)
{
    return AnalyzedInformation (type, 0, {});
}

AnalyzedInformation broken()
{
    return typeOnly (AnalyzedMessageType::broken);
}

// Unpacks count bytes from offset into a type's data, or reports the message
// as broken when it is shorter than its payload needs.
AnalyzedInformation withUnpackedData (std::int32_t type, std::int32_t value, std::size_t count,
                                      const std::uint8_t* bytes, std::size_t length, std::size_t offset)
{
    juce::MemoryBlock data (count, true);

    if (! unpackSevenBit (static_cast<std::uint8_t*> (data.getData()), count, bytes, length, offset))
        return broken();

    return AnalyzedInformation (type, value, data);
}

// The program number of a 0x1C or 0x4C message; a missing byte counts as 0.
std::int32_t programNumberAt (const std::uint8_t* bytes, std::size_t length)
{
    const std::int32_t low = length > 7 ? bytes[7] : 0;
    const std::int32_t high = length > 8 ? bytes[8] : 0;
    return low | (high << 7);
}
}

MidiMessageAnalyzer::MidiMessageAnalyzer (const InstrumentAddress& address)
    : fixedAddress (address)
{
}

std::uint32_t MidiMessageAnalyzer::getFamilyCode() const
{
    return fixedAddress ? fixedAddress->familyCode : getCurrentInstrumentAddress().familyCode;
}

AnalyzedInformation MidiMessageAnalyzer::analyze (const CPXWMidiMessage& message) const
{
    // Every read below is checked against the length the message really has.
    return analyze (message.getBytes(), (std::size_t) message.getLength());
}

AnalyzedInformation MidiMessageAnalyzer::analyze (const std::uint8_t* bytes, std::size_t length) const
{
    if (bytes == nullptr || length < 2)
        return AnalyzedInformation::none();

    if (bytes[1] == sysex::universalNonRealTime)
    {
        if (length == identityReplySize && bytes[3] == 0x06 && bytes[4] == 0x02)
            return AnalyzedInformation (AnalyzedMessageType::identityReply, 0,
                                        juce::MemoryBlock (bytes, identityReplySize));

        return AnalyzedInformation::none();
    }

    if (bytes[1] == sysex::manufacturerId)
        return analyzeMakerMessage (bytes, length);

    return AnalyzedInformation::none();
}

AnalyzedInformation MidiMessageAnalyzer::analyzeMakerMessage (const std::uint8_t* bytes, std::size_t length) const
{
    if (length < minimumMakerMessageSize
        || (bytes[sysex::channelOffset] & 0xF0) != sysex::channelBase)
        return AnalyzedInformation::none();

    const auto family = ((std::uint32_t) bytes[sysex::familyHighOffset] << 8) | bytes[sysex::familyLowOffset];

    if (family != getFamilyCode())
        return AnalyzedInformation::none();

    const auto function = (std::uint8_t) (bytes[sysex::functionOffset] & 0x7F);

    if (function >= SysExFunction::firstUserCommunicationError && function <= SysExFunction::lastUserCommunicationError)
        return typeOnly (AnalyzedMessageType::userCommunicationError);

    switch (function)
    {
        case 0x0E: return typeOnly (AnalyzedMessageType::function0E);
        case 0x10: return typeOnly (AnalyzedMessageType::function10);
        case SysExFunction::livesetDataDumpRequest: return typeOnly (AnalyzedMessageType::livesetDataDumpRequest);

        case SysExFunction::programDataDumpRequest:
            return AnalyzedInformation (AnalyzedMessageType::programDataDumpRequest, programNumberAt (bytes, length), {});

        case SysExFunction::acknowledge: return typeOnly (AnalyzedMessageType::acknowledge);
        case SysExFunction::refusal: return typeOnly (AnalyzedMessageType::refusal);
        case 0x26: return typeOnly (AnalyzedMessageType::function26);

        case SysExFunction::currentProgramDataDump:
            if (length < currentProgramDumpSize)
                return broken();
            return withUnpackedData (AnalyzedMessageType::currentProgramDataDump, 0,
                                     sysex::programRecordSize, bytes, length, sysex::payloadOffset);

        case SysExFunction::livesetDataDump:
            if (length < livesetDumpSize)
                return broken();
            return withUnpackedData (AnalyzedMessageType::livesetDataDump, 0,
                                     sysex::livesetBlockSize, bytes, length, sysex::payloadOffset);

        case 0x47: return typeOnly (AnalyzedMessageType::function47);
        case 0x48: return typeOnly (AnalyzedMessageType::function48);

        case SysExFunction::userDataHeader:
            if (length == emptyUserHeaderSize)
                return AnalyzedInformation (AnalyzedMessageType::userDataHeader, 0,
                                            juce::MemoryBlock (sysex::unitHeaderSummarySize, true));
            if (length < userHeaderSize)
                return broken();
            return withUnpackedData (AnalyzedMessageType::userDataHeader, 0,
                                     sysex::unitHeaderSummarySize, bytes, length, 10);

        case SysExFunction::userDataDump: return typeOnly (AnalyzedMessageType::userDataDump);

        case SysExFunction::programDataDump:
            // The program number is read only once the message is known to be whole.
            if (length < programDumpSize)
                return broken();
            return withUnpackedData (AnalyzedMessageType::programDataDump, programNumberAt (bytes, length),
                                     sysex::programRecordSize, bytes, length, 9);

        case 0x51:
            if (length < function51Size)
                return broken();
            return withUnpackedData (AnalyzedMessageType::function51, 0,
                                     sysex::unitHeaderSummarySize, bytes, length, sysex::payloadOffset);

        default:
            return AnalyzedInformation::none();
    }
}
}
