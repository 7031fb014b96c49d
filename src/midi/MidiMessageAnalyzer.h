#pragma once

#include "midi/AnalyzedInformation.h"
#include "midi/InstrumentAddress.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class CPXWMidiMessage;

namespace x48305_midi
{
// Classifies one incoming System Exclusive message. It never reads past the
// message's length: a recognised function whose message is too short for its
// payload is "broken" (type 0), anything it does not recognise is "none".
class MidiMessageAnalyzer
{
public:
    // Compares maker messages with the installed instrument address, read
    // again on every call.
    MidiMessageAnalyzer() = default;

    // Compares maker messages with the given family code (member IDs are not
    // part of a maker message).
    explicit MidiMessageAnalyzer (const InstrumentAddress& address);

    virtual ~MidiMessageAnalyzer() = default;

    AnalyzedInformation analyze (const CPXWMidiMessage& message) const;
    AnalyzedInformation analyze (const std::uint8_t* bytes, std::size_t length) const;

private:
    std::uint32_t getFamilyCode() const;
    AnalyzedInformation analyzeMakerMessage (const std::uint8_t* bytes, std::size_t length) const;

    std::optional<InstrumentAddress> fixedAddress;
};
}
