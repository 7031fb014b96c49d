#include "library/PresetData.h"

#include "library/ProgramOrSpare.h"

namespace x48305_data
{
PresetData::PresetData() : programs ((std::size_t) numPrograms) {}

PresetData::PresetData (const PresetData& other)
    : data::Data(), programs (other.programs), information (other.information)
{
}

PresetData& PresetData::operator= (const PresetData& other)
{
    if (this != &other)
    {
        programs = other.programs;
        information = other.information;
    }
    return *this;
}

namespace
{
const char* const numberErrorMessage = "Preset Program Number Error: %d\n";
} // namespace

ProgramData& PresetData::getProgram (int number)
{
    return programOrSpare (programs, spare, number, numberErrorMessage);
}

const ProgramData& PresetData::getProgram (int number) const
{
    return programOrSpare (programs, spare, number, numberErrorMessage);
}

void PresetData::reset()
{
    for (auto& program : programs)
        program.reset();
    information.reset();
}
} // namespace x48305_data
