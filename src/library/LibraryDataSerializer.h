#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class LibraryData;

// Writes the library in the "slvnLibD" form: one "slvnLibP" section per
// program (each a complete program form), then the live set's form as
// "slvnLibF".
class LibraryDataSerializer
{
public:
    explicit LibraryDataSerializer (const LibraryData* library) : library (library) {}
    virtual ~LibraryDataSerializer() {}

    data::SerializedData serialize() const;

private:
    const LibraryData* library;
};
} // namespace x48305_data
