#pragma once

#include "library/ProgramData.h"
#include "midi/TransferProcess.h"

namespace x48305_midi
{
// Makes a program the instrument's current one without storing it. Not
// cancelable: it is one short exchange after the inquiry.
class TransmitCurrentProgramProcess : public TransferProcess
{
public:
    explicit TransmitCurrentProgramProcess (const x48305_data::ProgramData& program);

    std::int32_t run() override;

private:
    const x48305_data::ProgramData* program;
};
}
