#pragma once

#include "data/Data.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"

#include <vector>

namespace x48305_data
{
// One installed preset: 500 programs and its information.
class PresetData : public data::Data
{
public:
    static constexpr int numPrograms = 500;

    PresetData();
    ~PresetData() override {}

    // Programs and information; a copy gets a spare program of its own.
    PresetData (const PresetData& other);
    PresetData& operator= (const PresetData& other);

    // Programs 0-499. Any other number prints an error line and gives the
    // spare program.
    ProgramData& getProgram (int number);
    const ProgramData& getProgram (int number) const;

    PresetInformation& getInformation() { return information; }
    const PresetInformation& getInformation() const { return information; }

    // Every record back to the initial image (the texts stay) and the
    // information cleared.
    void reset();

private:
    std::vector<ProgramData> programs;
    PresetInformation information;
    ProgramData spare;
};
} // namespace x48305_data
