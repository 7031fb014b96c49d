#include "library/LibraryData.h"

#include "library/LibraryDataDeserializer.h"
#include "library/LibraryDataSerializer.h"

#include <cstdio>

namespace x48305_data
{
LibraryData::LibraryData() : programs ((std::size_t) numPrograms) {}

LibraryData& LibraryData::operator= (const LibraryData& other)
{
    if (this != &other)
    {
        for (int i = 0; i < numPrograms; ++i)
            programs[(std::size_t) i] = other.programs[(std::size_t) i];
        favorites = other.favorites;
    }
    return *this;
}

bool LibraryData::isValidNumber (int number)
{
    return number >= 0 && number < numPrograms;
}

ProgramData& LibraryData::getProgram (int number)
{
    if (isValidNumber (number))
        return programs[(std::size_t) number];
    std::printf ("Program Number Error: %d\n", number);
    return spare;
}

const ProgramData& LibraryData::getProgram (int number) const
{
    if (isValidNumber (number))
        return programs[(std::size_t) number];
    std::printf ("Program Number Error: %d\n", number);
    return spare;
}

void LibraryData::reset()
{
    for (auto& program : programs)
        program.reset();
    favorites.reset();
}

data::SerializedData LibraryData::serialize() const
{
    return LibraryDataSerializer (this).serialize();
}

bool LibraryData::deserialize (const data::SerializedData& source)
{
    return LibraryDataDeserializer (this).deserialize (source) == LibraryDataDeserializer::resultOk;
}
} // namespace x48305_data
