#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class ProgramData;

// Reads the "slvnProg" form into a program. The record is reset first; a
// failure in a later section leaves what earlier sections wrote.
class ProgramDataDeserializer
{
public:
    enum Result
    {
        resultOk = 0,
        resultWrongTag = 1,
        resultBadContainer = 2,
        resultBadInformation = 3
    };

    explicit ProgramDataDeserializer (ProgramData* program) : program (program) {}
    virtual ~ProgramDataDeserializer() {}

    int deserialize (const data::SerializedData& source);

private:
    int readSections (const data::SerializedData& source);

    ProgramData* program;
};
} // namespace x48305_data
