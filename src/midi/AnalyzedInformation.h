#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

namespace x48305_midi
{
// What the analyzer makes of one incoming System Exclusive message. Types 4,
// 8, 10, 12, 13, 15 and 17 are recognised only so that they are not "none";
// they are named after their function codes.
namespace AnalyzedMessageType
{
enum : std::int32_t
{
    broken = 0,                  // a recognised function whose message is too short
    none = 1,                    // unrecognised, or no reply in time
    identityReply = 3,
    function10 = 4,
    currentProgramDataDump = 5,  // 0x40
    programDataDumpRequest = 6,  // 0x1C
    programDataDump = 7,         // 0x4C
    function0E = 8,
    function51 = 9,
    livesetDataDumpRequest = 10, // 0x16
    livesetDataDump = 11,        // 0x46
    function47 = 12,
    function48 = 13,
    userDataHeader = 14,         // 0x49
    userDataDump = 15,           // 0x4A
    function26 = 17,
    acknowledge = 18,            // 0x23
    refusal = 19,                // 0x24
    userCommunicationError = 22  // 0x27 to 0x2F
};
}

class AnalyzedInformation
{
public:
    AnalyzedInformation() = default;
    AnalyzedInformation (std::int32_t type, std::int32_t value, const juce::MemoryBlock& data);
    AnalyzedInformation (const AnalyzedInformation&) = default;
    AnalyzedInformation (AnalyzedInformation&&) = default;
    // Copies through a fresh block: the framework's block assignment hands a
    // null pointer to memcpy when the source is empty.
    AnalyzedInformation& operator= (const AnalyzedInformation& other);
    AnalyzedInformation& operator= (AnalyzedInformation&&) = default;
    virtual ~AnalyzedInformation() = default;

    // The shared "none" information: type 1, value 0, no data. It is what the
    // analyzer returns for anything it does not recognise and what a wait
    // returns when its time runs out.
    static const AnalyzedInformation& none();

    std::int32_t type = AnalyzedMessageType::none;
    std::int32_t value = 0;        // the program number for types 6 and 7
    juce::MemoryBlock data;        // the decoded payload, empty when none
};
}
