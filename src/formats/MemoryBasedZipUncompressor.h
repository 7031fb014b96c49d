#pragma once

#include "file/OpenedFileStream.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace formats
{
class RawInflater;
}

// Opens a zip archive file, reads its central directory and unpacks every
// entry into memory. Nothing read from the file is trusted: sizes, offsets and
// counts are checked against the bytes that are there, every entry and the
// whole archive have a size cap, and each unpacked entry must have exactly
// the length and CRC-32 that the central directory declares.
class MemoryBasedZipUncompressor
{
public:
    // Entries above this size are refused; real entries are a few kilobytes.
    static constexpr juce::int64 maxEntrySize = 16 * 1024 * 1024;
    // Cap on the archive file and on the sum of its unpacked entries.
    static constexpr juce::int64 maxArchiveSize = file::largestReadableFileSize;

    struct ZipEntry
    {
        juce::String name;
        uint32_t uncompressedSize = 0;
        uint32_t compressedSize = 0;
        uint32_t headerOffset = 0;
        bool compressed = false;
        uint16_t method = 0;
        uint16_t flags = 0;
        uint32_t crc32 = 0;
    };

    // A stream over one entry's stored bytes, found through its local header.
    class ZipInputStream : public juce::InputStream
    {
    public:
        ZipInputStream (juce::InputSource& source, const ZipEntry& entry);

        juce::int64 getTotalLength() override;
        bool isExhausted() override;
        int read (void* destBuffer, int maxBytesToRead) override;
        juce::int64 getPosition() override;
        bool setPosition (juce::int64 newPosition) override;

    private:
        std::unique_ptr<juce::InputStream> input;
        juce::int64 dataStart = 0;
        juce::int64 length = 0;
        juce::int64 position = 0;
        bool headerValid = false;
    };

    // The archive's bytes from a stream (read once, to its end; an archive
    // above the cap is refused unread).
    explicit MemoryBasedZipUncompressor (juce::InputStream& content);
    virtual ~MemoryBasedZipUncompressor() = default;

    int getNumEntries() const { return (int) entries.size(); }
    const ZipEntry* getEntry (int index) const;
    int getIndexOfFileName (const juce::String& name) const;

    // The entry's content as a stream (inflated for a deflated entry); null
    // for an index outside the entries.
    std::unique_ptr<juce::InputStream> createStreamForEntry (int index);

    // Unpacks every entry (folders excepted) into memory, straight from the
    // archive's bytes with one inflater for all of them (the same bytes as
    // the entry streams give). Fails when the directory was damaged or an
    // entry is encrypted, uses an unknown method, exceeds a cap, has a broken
    // deflate stream, or does not unpack to its declared length and CRC-32.
    juce::Result uncompressAll();

    bool hasData (const juce::String& name) const;
    const juce::MemoryBlock& getData (const juce::String& name) const;

    // The unpacked data of the name, or null: one look-up where hasData and
    // getData take two.
    const juce::MemoryBlock* findData (const juce::String& name) const;

private:
    // The archive's bytes, read from the file once: entry streams read from
    // here, so that unpacking opens the file once rather than once an entry,
    // and every entry comes from the same bytes as the directory.
    class ArchiveBytesSource : public juce::InputSource
    {
    public:
        juce::MemoryBlock bytes;

        juce::InputStream* createInputStream() override { return new juce::MemoryInputStream (bytes, false); }
        juce::InputStream* createInputStreamFor (const juce::String&) override { return nullptr; }
        juce::int64 hashCode() const override { return (juce::int64) bytes.getSize(); }
    };

    void init (juce::InputStream& in);
    bool findEndRecord (uint16_t& count, uint32_t& directoryOffset) const;
    juce::Result uncompressEntry (const ZipEntry& entry, formats::RawInflater& inflater, juce::MemoryBlock& result) const;
    juce::int64 unpackEntryData (const ZipEntry& entry, formats::RawInflater& inflater, void* output,
                                 juce::int64 capacity) const;
    const juce::uint8* findStoredBytes (const ZipEntry& entry) const;

    std::vector<std::unique_ptr<ZipEntry>> entries;
    ArchiveBytesSource archiveBytes;
    // Byte order of the UTF-8 names: the same order as by code points, but
    // without decoding every character of every comparison.
    struct NameOrder
    {
        bool operator() (const juce::String& a, const juce::String& b) const
        {
            return std::strcmp (a.toRawUTF8(), b.toRawUTF8()) < 0;
        }
    };

    std::map<juce::String, juce::MemoryBlock, NameOrder> unpacked;
    juce::int64 archiveLength = 0;
    juce::String directoryProblem;
};
