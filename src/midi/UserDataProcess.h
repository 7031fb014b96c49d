#pragma once

#include "library/UserData.h"
#include "midi/TransferProcess.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace x48305_midi
{
// Firmware before 1.0.13 (1.0.0 to 1.0.12) knows no user units.
bool firmwareSupportsUserUnits (const std::array<std::uint32_t, 3>& version);

// What the two user-unit jobs share: the store they work on (not owned), the
// firmware gate and the progress over the 48 slots of the four kinds.
class UserDataProcess : public TransferProcess
{
public:
    static constexpr int totalSlots = (int) (x48305_data::UserData::numOscSlots + x48305_data::UserData::numModFXSlots
                                             + x48305_data::UserData::numDelFXSlots
                                             + x48305_data::UserData::numRevFXSlots);

    // True after a run that found firmware without user units: the run
    // ended with success at once and left the store as it was, so the store
    // says nothing about the instrument's units.
    bool wasSkipped() const { return skipped.load(); }

protected:
    UserDataProcess (x48305_data::UserData& store, const char* titleKey, const char* statusKey);

    // The start of both runs: the status text, the identity inquiry and the
    // firmware gate. True when the run goes on, on the instrument's channel;
    // false when it ends here with `code`: the inquiry's failure, or 0 for
    // firmware without user units (the run is then marked skipped and its
    // progress is complete).
    bool beginUnitTransfer (std::uint32_t& channel, std::int32_t& code);

    // One slot more done: progress steps / 48.
    void countStep();

    x48305_data::UserData* store;

private:
    int steps = 0;
    std::atomic<bool> skipped { false };
};
}
