#include "application/ProgramClipboard.h"

#include "application/CPXWClipboard.h"
#include "data/SerializedSectionDataReader.h"
#include "library/ProgramData.h"
#include "library/SerialFormTags.h"

namespace x48305_application
{
namespace
{
// The deserialiser takes a record section of any length (a short one leaves
// the rest zero) and several of them (the last wins): a pasted item must hold
// one whole record.
bool holdsOneWholeRecord (const data::SerializedData& serial)
{
    data::SerializedSectionDataReader reader (serial);
    if (! reader.read() || reader.getTag() != x48305_data::tags::program)
        return false;

    int records = 0;
    for (const auto& section : reader.getSections())
    {
        if (section.tag != x48305_data::tags::programRecord)
            continue;
        if (section.data.getSize() != x48305_data::programRecordSize)
            return false;
        ++records;
    }
    return records == 1;
}
} // namespace

bool ProgramClipboard::copy (const x48305_data::ProgramData& program) const
{
    return CPXWClipboard().setData (programDataType, program.serialize().getBlock());
}

bool ProgramClipboard::paste (x48305_data::ProgramData& program) const
{
    juce::MemoryBlock bytes;
    if (! CPXWClipboard().getData (programDataType, bytes))
        return false;
    return readProgram (bytes, program);
}

bool ProgramClipboard::readProgram (const juce::MemoryBlock& bytes, x48305_data::ProgramData& program)
{
    const data::SerializedData serial (bytes.getData(), bytes.getSize());
    if (! holdsOneWholeRecord (serial))
        return false;

    x48305_data::ProgramData pasted;
    if (! pasted.deserialize (serial))
        return false;

    program = pasted;
    return true;
}
} // namespace x48305_application
