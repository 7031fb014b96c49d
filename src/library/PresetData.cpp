#include "library/PresetData.h"

#include <cstdio>

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

bool PresetData::isValidNumber (int number)
{
    return number >= 0 && number < numPrograms;
}

ProgramData& PresetData::getProgram (int number)
{
    if (isValidNumber (number))
        return programs[(std::size_t) number];
    std::printf ("Preset Program Number Error: %d\n", number);
    return spare;
}

const ProgramData& PresetData::getProgram (int number) const
{
    if (isValidNumber (number))
        return programs[(std::size_t) number];
    std::printf ("Preset Program Number Error: %d\n", number);
    return spare;
}

void PresetData::reset()
{
    for (auto& program : programs)
        program.reset();
    information.reset();
}
} // namespace x48305_data
