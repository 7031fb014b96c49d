#pragma once

#include "formats/MemoryBasedZipUncompressor.h"
#include "formats/UnitHeaderRecord.h"

#include <juce_core/juce_core.h>

namespace x48305_file
{
// The working object of one package read: unpacks the archive, finds the
// manifest and the payload in the package folder (the first entry's first
// path component), turns the manifest into a header record and keeps a copy
// of the payload.
class ZipUserUnitFileReader
{
public:
    explicit ZipUserUnitFileReader (juce::InputStream& content);
    virtual ~ZipUserUnitFileReader() = default;

    ZipUserUnitFileReader (const ZipUserUnitFileReader&) = delete;
    ZipUserUnitFileReader& operator= (const ZipUserUnitFileReader&) = delete;

    // A ReadResultCode: 0, or 14 and 26-29.
    int read();

    const UnitHeaderRecord& getHeaderRecord() const { return headerRecord; }
    const juce::MemoryBlock& getPayload() const { return payload; }
    // The manifest reader's error text, or its warnings after a success.
    const juce::String& getStatusText() const { return statusText; }

private:
    int findEntries();
    int parseManifest();

    UnitHeaderRecord headerRecord;
    juce::MemoryBlock payload;
    juce::String manifestEntryName;
    juce::String payloadEntryName;
    juce::String statusText { "Unitialized." };
    MemoryBasedZipUncompressor zip;
};
} // namespace x48305_file
