#pragma once

#include "midi/MidiCommunicationError.h"
#include "midi/MidiCommunicationProcess.h"

#include <cstddef>

namespace x48305_midi
{
// What the transfer jobs share: a title and a status text by localisation
// key, success as code 0, and whether the user may cancel.
class TransferProcess : public midi::MidiCommunicationProcess
{
public:
    TransferProcess (const char* titleKey, const char* statusKey, bool cancelable);

    bool isSuccess (std::int32_t code) override;
    juce::String getTitle() override;
    bool isCancelable() override;

protected:
    // No progress, the job's status text, no detail; then the identity
    // inquiry, which gives the instrument's channel. 0, or the code the run
    // ended with.
    std::int32_t beginTransfer (DeviceInquiry& inquiry);

    // The loop of a job's items: for k = 0 to count - 1, after a cancel
    // point, step (k) exchanges item k and gives its code; then the progress
    // becomes k / divisor. A failing item ends the run with its code. When a
    // cancel was asked for (an item under way is finished first), the run
    // ends as cancelled. 0 when every item went through.
    template <typename Step>
    std::int32_t forEachItem (std::size_t count, float divisor, Step&& step)
    {
        for (std::size_t k = 0; k < count && ! isCancelRequested(); ++k)
        {
            if (const auto code = step (k))
                return endWithError (code);
            setProgress ((float) k / divisor);
        }
        return isCancelRequested() ? endCanceled() : MidiCommunicationError::noError;
    }

private:
    const char* titleKey;
    const char* statusKey;
    bool cancelable;
};
}
