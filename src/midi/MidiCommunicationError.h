#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

// The result codes of the communication tasks and jobs. Each code's name
// doubles as the localisation key of its title text; the detail text's key
// is the name followed by "Detail" (the cancel code uses its own key twice).
namespace MidiCommunicationError
{
enum : std::int32_t
{
    noError = 0,
    canceled = 1,
    failedToOpenDialog = 2,
    timeout = 3,
    targetDevice = 4,
    receiveNakOnReceive = 5,
    receiveNakOnWrite = 6,
    receiveWriteError = 7,
    messageBroken = 8,
    receiveUserCommErr = 9
};

constexpr std::int32_t count = 10;
}

// The keys of a code; empty for a code outside 0 to 9.
juce::String getMidiCommunicationErrorKey (std::int32_t code);
juce::String getMidiCommunicationErrorDetailKey (std::int32_t code);

// The localised texts of a code's keys (empty for an unknown code).
juce::String getMidiCommunicationErrorText (std::int32_t code);
juce::String getMidiCommunicationErrorDetailText (std::int32_t code);
