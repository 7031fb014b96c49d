#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <memory>
#include <vector>

// Collects entries as memory blocks and writes one complete zip archive (local
// headers, central directory, end record) to a stream. Every entry carries the
// fixed time stamp 2013-01-01 00:00:00 so that equal content gives equal bytes.
class MemoryBasedZipBuilder
{
public:
    struct DataEntry
    {
        DataEntry (const juce::String& name, const juce::MemoryBlock& data, int compressionLevel,
                   const juce::String& storedPath);
        virtual ~DataEntry() = default;

        juce::String name;
        juce::MemoryBlock data;
        int compressionLevel; // 1 or more: deflate at that level; 0 or less: stored
        juce::String storedPath;
        uint32_t compressedSize = 0;
        uint32_t headerOffset = 0;
        uint32_t crc32 = 0;
    };

    MemoryBasedZipBuilder() = default;
    virtual ~MemoryBasedZipBuilder() = default;

    void addEntry (const juce::String& name, const juce::MemoryBlock& data, int compressionLevel,
                   const juce::String& storedPath);

    // Writes the whole archive; false when any part of it (an entry, the
    // directory or the end record) cannot be compressed or written, or the
    // archive would not fit the format's 16- and 32-bit fields.
    bool writeToStream (juce::OutputStream& target);

    int getNumEntries() const { return (int) entries.size(); }

private:
    bool writeData (DataEntry& entry, juce::OutputStream& target, juce::int64 archiveStart);
    static bool writeSharedHeaderFields (const DataEntry& entry, juce::OutputStream& target);
    static bool writeDirectoryRecord (const DataEntry& entry, juce::OutputStream& target);

    std::vector<std::unique_ptr<DataEntry>> entries;
};
