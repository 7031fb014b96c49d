#include "library/ProgramData.h"

#include "library/ProgramDataDeserializer.h"
#include "library/ProgramDataSerializer.h"

#include <juce_cryptography/juce_cryptography.h>

#include <cstdio>
#include <cstring>

namespace x48305_data
{
namespace
{
juce::String digestOf (const uint8_t* record)
{
    return juce::MD5 (record, programRecordSize).toHexString();
}

// Every new or reset program holds the initial record, so its digest is
// worked out once; reading a library makes and resets a thousand programs.
const juce::String& getInitialDigest()
{
    static const juce::String digest = [] {
        uint8_t initial[programRecordSize];
        copyInitialProgram (initial);
        return digestOf (initial);
    }();
    return digest;
}
} // namespace

ProgramData::ProgramData()
    : digest (getInitialDigest())
{
    copyInitialProgram (record);
}

void ProgramData::reset()
{
    copyInitialProgram (record);
    digest = getInitialDigest();
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
    digest = digestOf (record);
}
} // namespace x48305_data
