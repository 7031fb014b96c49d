#pragma once

#include "data/Data.h"
#include "data/SerializableData.h"
#include "library/InitialProgram.h"
#include "library/ProgramInformation.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>

namespace x48305_data
{
// One program: the 336-byte record, its descriptive texts and the MD5 hex
// digest of the record. The digest follows every change of the record and
// ignores the texts.
class ProgramData : public data::Data, private data::SerializableData
{
public:
    ProgramData();
    ~ProgramData() override {}

    ProgramData (const ProgramData&) = default;
    ProgramData& operator= (const ProgramData&) = default;

    // Back to the initial record; the texts stay.
    void reset();

    // The name bytes up to the first zero, where any byte of 0x80 or above
    // counts as zero. Trailing spaces are kept.
    std::string getName() const;

    // Stores the first 12 characters, padded with spaces.
    void setName (const std::string& name);

    const uint8_t* getRawData() const { return record; }

    // Copies exactly programRecordSize bytes.
    void setRawData (const void* bytes);

    // Copies the block's first programRecordSize bytes; a shorter block
    // leaves the rest of the record zero.
    void setRawData (const juce::MemoryBlock& block);

    const ProgramInformation& getInformation() const { return information; }
    ProgramInformation& getInformation() { return information; }
    void setInformation (const ProgramInformation& info) { information = info; }

    const juce::String& getDigest() const { return digest; }

    // The "slvnProg" serial form.
    data::SerializedData serialize() const override;

    // Reads the "slvnProg" serial form; true when it was read completely.
    bool deserialize (const data::SerializedData& source) override;

    // Recomputes the digest; the deserializer calls it when it is done.
    void updateDigest();

private:
    uint8_t record[programRecordSize];
    ProgramInformation information;
    juce::String digest;
};
} // namespace x48305_data
