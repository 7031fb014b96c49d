#pragma once

#include "data/SerializedData.h"

namespace x48305_data
{
class ProgramData;

// Writes a program in the "slvnProg" form: a "slvnPrgD" section with the
// record, then a "slvnPrgI" section with the information document text and
// a terminating zero byte.
class ProgramDataSerializer
{
public:
    explicit ProgramDataSerializer (const ProgramData* program) : program (program) {}
    virtual ~ProgramDataSerializer() {}

    data::SerializedData serialize() const;

private:
    const ProgramData* program;
};
} // namespace x48305_data
