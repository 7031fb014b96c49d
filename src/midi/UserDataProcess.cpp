#include "midi/UserDataProcess.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"

namespace x48305_midi
{
bool firmwareSupportsUserUnits (const std::array<std::uint32_t, 3>& version)
{
    constexpr std::uint32_t lastPatchWithoutUnits = 12;
    return ! (version[0] == 1 && version[1] == 0 && version[2] <= lastPatchWithoutUnits);
}

UserDataProcess::UserDataProcess (x48305_data::UserData& target, x48305_data::UserUnitsMatch& match,
                                  const char* titleKey, const char* statusKey)
    : TransferProcess (titleKey, statusKey, true), store (&target), unitsMatch (&match)
{
}

bool UserDataProcess::beginUnitTransfer (std::uint32_t& channel, std::int32_t& code)
{
    steps = 0;
    skipped = false;
    lastHeader.reset();

    DeviceInquiry inquiry (getMidi());
    code = beginTransfer (inquiry);
    if (code != MidiCommunicationError::noError)
        return false;

    if (! firmwareSupportsUserUnits (inquiry.getVersion()))
    {
        skipped = true;
        setProgress (1.0f);
        return false;
    }
    channel = inquiry.getChannel();
    return true;
}

std::int32_t UserDataProcess::settleReplies()
{
    DeviceInquiry inquiry (getMidi());
    return identifyInstrument (inquiry);
}

std::int32_t UserDataProcess::countStep()
{
    ++steps;
    setProgress ((float) steps / (float) totalSlots);
    return isCancelRequested() ? endCanceled() : MidiCommunicationError::noError;
}
}
