#include "library/LibraryData.h"

#include "library/LibraryDataDeserializer.h"
#include "library/LibraryDataSerializer.h"

#include "library/ProgramOrSpare.h"

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

namespace
{
const char* const numberErrorMessage = "Program Number Error: %d\n";
} // namespace

ProgramData& LibraryData::getProgram (int number)
{
    return programOrSpare (programs, spare, number, numberErrorMessage);
}

const ProgramData& LibraryData::getProgram (int number) const
{
    return programOrSpare (programs, spare, number, numberErrorMessage);
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
