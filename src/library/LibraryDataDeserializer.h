#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class LibraryData;

// Reads the "slvnLibD" form into a library, which is reset first. Program
// sections fill programs 0, 1, 2, ... in order; a failing section stops the
// reading and leaves what was read before it.
class LibraryDataDeserializer
{
public:
    enum Result
    {
        resultOk = 0,
        resultWrongTag = 1,
        resultBadContainer = 2,
        resultBadProgram = 3,
        resultBadLiveSet = 4
    };

    explicit LibraryDataDeserializer (LibraryData* library) : library (library) {}
    virtual ~LibraryDataDeserializer() {}

    int deserialize (const data::SerializedData& source);

private:
    LibraryData* library;
};
} // namespace x48305_data
