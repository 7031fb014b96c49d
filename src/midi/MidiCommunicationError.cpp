#include "midi/MidiCommunicationError.h"

#include "application/CPXWResource.h"

namespace
{
const char* const titleKeys[MidiCommunicationError::count] = {
    "MidiCommunicationNoError",
    "MidiCommunicationCanceled",
    "MidiCommunicationErrorFailedToOpenDialog",
    "MidiCommunicationErrorTimeout",
    "MidiCommunicationErrorTargetDevice",
    "MidiCommunicationErrorReceiveNakOnReceive",
    "MidiCommunicationErrorReceiveNakOnWrite",
    "MidiCommunicationErrorReceiveWriteError",
    "MidiCommunicationErrorMessageBroken",
    "MidiCommunicationErrorReceiveUserCommErr",
};

const char* const detailKeys[MidiCommunicationError::count] = {
    "MidiCommunicationNoErrorDetail",
    "MidiCommunicationCanceled",
    "MidiCommunicationErrorFailedToOpenDialogDetail",
    "MidiCommunicationErrorTimeoutDetail",
    "MidiCommunicationErrorTargetDeviceDetail",
    "MidiCommunicationErrorReceiveNakOnReceiveDetail",
    "MidiCommunicationErrorReceiveNakOnWriteDetail",
    "MidiCommunicationErrorReceiveWriteErrorDetail",
    "MidiCommunicationErrorMessageBrokenDetail",
    "MidiCommunicationErrorReceiveUserCommErrDetail",
};

bool isKnown (std::int32_t code)
{
    return code >= 0 && code < MidiCommunicationError::count;
}
}

juce::String getMidiCommunicationErrorKey (std::int32_t code)
{
    return isKnown (code) ? juce::String (titleKeys[code]) : juce::String();
}

juce::String getMidiCommunicationErrorDetailKey (std::int32_t code)
{
    return isKnown (code) ? juce::String (detailKeys[code]) : juce::String();
}

juce::String getMidiCommunicationErrorText (std::int32_t code)
{
    return isKnown (code) ? getLocalizedText (titleKeys[code]) : juce::String();
}

juce::String getMidiCommunicationErrorDetailText (std::int32_t code)
{
    return isKnown (code) ? getLocalizedText (detailKeys[code]) : juce::String();
}
