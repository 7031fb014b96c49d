#include "midi/TransferProcess.h"

#include "application/CPXWResource.h"
#include "midi/MidiCommunicationError.h"

namespace x48305_midi
{
TransferProcess::TransferProcess (const char* title, const char* status, bool canCancel)
    : titleKey (title), statusKey (status), cancelable (canCancel)
{
}

bool TransferProcess::isSuccess (std::int32_t code)
{
    return code == MidiCommunicationError::noError;
}

juce::String TransferProcess::getTitle()
{
    return getLocalizedText (titleKey);
}

bool TransferProcess::isCancelable()
{
    return cancelable;
}

std::int32_t TransferProcess::beginTransfer (DeviceInquiry& inquiry)
{
    beginRun (getLocalizedText (statusKey));
    return identifyInstrument (inquiry);
}
}
