#include "library/ProgramData.h"

#include "library/ProgramDataDeserializer.h"
#include "library/ProgramDataSerializer.h"

#include <juce_cryptography/juce_cryptography.h>

#include <cstdio>
#include <cstring>

namespace x48305_data
{
ProgramData::ProgramData()
{
    copyInitialProgram (record);
    updateDigest();
}

void ProgramData::reset()
{
    copyInitialProgram (record);
    updateDigest();
}

std::string ProgramData::getName() const
{
    std::string name;
    for (std::size_t i = 0; i < programNameLength; ++i)
    {
        const auto byte = record[programNameOffset + i];
        if (byte == 0 || byte >= 0x80)
            break;
        name.push_back ((char) byte);
    }
    return name;
}

void ProgramData::setName (const std::string& name)
{
    char buffer[programNameLength + 1];
    std::snprintf (buffer, sizeof (buffer), "%-12.12s", name.c_str());
    std::memcpy (record + programNameOffset, buffer, programNameLength);
    updateDigest();
}

void ProgramData::setRawData (const void* bytes)
{
    std::memcpy (record, bytes, programRecordSize);
    updateDigest();
}

void ProgramData::setRawData (const juce::MemoryBlock& block)
{
    block.copyTo (record, 0, programRecordSize);
    updateDigest();
}

data::SerializedData ProgramData::serialize() const
{
    return ProgramDataSerializer (this).serialize();
}

bool ProgramData::deserialize (const data::SerializedData& source)
{
    return ProgramDataDeserializer (this).deserialize (source) == ProgramDataDeserializer::resultOk;
}

void ProgramData::updateDigest()
{
    digest = juce::MD5 (record, programRecordSize).toHexString();
}
} // namespace x48305_data
