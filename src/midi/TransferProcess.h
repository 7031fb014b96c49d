#pragma once

#include "midi/MidiCommunicationProcess.h"

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
    // No progress, the job's status text, no detail.
    void beginTransfer();

private:
    const char* titleKey;
    const char* statusKey;
    bool cancelable;
};
}
