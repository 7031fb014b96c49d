#include "formats/MemoryBasedZipUncompressor.h"

#include "formats/RawInflater.h"
#include "formats/Utf8Text.h"
#include "formats/ZipFormat.h"

#include <zlib.h>

#include <algorithm>

namespace
{
// How far before the end of the file the end record is looked for: its own
// size plus the longest comment that this reader accepts.
constexpr juce::int64 endRecordSearchSpan = 1024 + zipformat::endRecordSize;

// Deflate never expands more than about 1032 to 1, which bounds what a
// compressed entry can honestly claim before any byte is inflated.
constexpr juce::int64 maxDeflateRatio = 1032;

bool readFully (juce::InputStream& in, void* dest, int numBytes)
{
    return in.read (dest, numBytes) == numBytes;
}
} // namespace

//==============================================================================
MemoryBasedZipUncompressor::ZipInputStream::ZipInputStream (juce::InputSource& source, const ZipEntry& entry)
    : input (source.createInputStream()), length (entry.compressedSize)
{
    if (input == nullptr || ! input->setPosition (entry.headerOffset))
        return;

    juce::uint8 header[zipformat::localHeaderSize];
    if (! readFully (*input, header, (int) sizeof (header))
        || zipformat::readUInt32 (header) != zipformat::localHeaderSignature)
        return;

    dataStart = (juce::int64) entry.headerOffset + zipformat::localHeaderSize
                + zipformat::readUInt16 (header + 26) + zipformat::readUInt16 (header + 28);

    // The stored bytes must lie wholly inside the file.
    headerValid = dataStart + length <= input->getTotalLength() && input->setPosition (dataStart);
}

juce::int64 MemoryBasedZipUncompressor::ZipInputStream::getTotalLength()
{
    return length;
}

bool MemoryBasedZipUncompressor::ZipInputStream::isExhausted()
{
    return ! headerValid || position >= length;
}

int MemoryBasedZipUncompressor::ZipInputStream::read (void* destBuffer, int maxBytesToRead)
{
    if (isExhausted() || maxBytesToRead <= 0)
        return 0;

    const auto wanted = (int) std::min ((juce::int64) maxBytesToRead, length - position);
    if (! input->setPosition (dataStart + position))
        return 0;
    const int numRead = input->read (destBuffer, wanted);
    if (numRead > 0)
        position += numRead;
    return std::max (numRead, 0);
}

juce::int64 MemoryBasedZipUncompressor::ZipInputStream::getPosition()
{
    return position;
}

bool MemoryBasedZipUncompressor::ZipInputStream::setPosition (juce::int64 newPosition)
{
    position = juce::jlimit ((juce::int64) 0, length, newPosition);
    return true;
}

//==============================================================================
MemoryBasedZipUncompressor::MemoryBasedZipUncompressor (juce::InputStream& content)
{
    init (content);
}

const MemoryBasedZipUncompressor::ZipEntry* MemoryBasedZipUncompressor::getEntry (int index) const
{
    return juce::isPositiveAndBelow (index, (int) entries.size()) ? entries[(size_t) index].get() : nullptr;
}

int MemoryBasedZipUncompressor::getIndexOfFileName (const juce::String& name) const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i]->name == name)
            return (int) i;
    return -1;
}

bool MemoryBasedZipUncompressor::findEndRecord (uint16_t& count, uint32_t& directoryOffset) const
{
    const auto* bytes = static_cast<const juce::uint8*> (archiveBytes.bytes.getData());
    const auto length = (juce::int64) archiveBytes.bytes.getSize();
    const auto searchStart = std::max ((juce::int64) 0, length - endRecordSearchSpan);

    // The last signature wins: it is the one nearest to the end of the file.
    for (auto pos = length - zipformat::endRecordSize; pos >= searchStart; --pos)
    {
        const auto* record = bytes + pos;
        if (zipformat::readUInt32 (record) == zipformat::endRecordSignature)
        {
            count = zipformat::readUInt16 (record + 10);
            directoryOffset = zipformat::readUInt32 (record + 16);
            return true;
        }
    }
    return false;
}

void MemoryBasedZipUncompressor::init (juce::InputStream& in)
{
    archiveLength = in.getTotalLength();
    if (archiveLength < zipformat::endRecordSize)
        return;
    if (archiveLength > maxArchiveSize)
    {
        directoryProblem = "The archive is larger than any file this program writes";
        return;
    }

    archiveBytes.bytes.setSize ((size_t) archiveLength);
    if (in.read (archiveBytes.bytes.getData(), (int) archiveLength) != (int) archiveLength)
    {
        archiveBytes.bytes.reset();
        return;
    }

    uint16_t count = 0;
    uint32_t directoryOffset = 0;
    if (! findEndRecord (count, directoryOffset) || (juce::int64) directoryOffset >= archiveLength || count == 0)
        return;

    const auto* directory = static_cast<const juce::uint8*> (archiveBytes.bytes.getData()) + directoryOffset;
    const auto directorySize = (size_t) (archiveLength - directoryOffset);
    size_t pos = 0;
    for (int i = 0; i < count; ++i)
    {
        const auto* record = directory + pos;
        if (directorySize - pos < (size_t) zipformat::directoryRecordSize
            || zipformat::readUInt32 (record) != zipformat::directoryRecordSignature)
        {
            directoryProblem = "The central directory is shorter than its entry count";
            return;
        }

        const size_t nameLength = zipformat::readUInt16 (record + 28);
        if (nameLength > directorySize - pos - zipformat::directoryRecordSize)
        {
            directoryProblem = "An entry name runs past the central directory";
            return;
        }

        auto entry = std::make_unique<ZipEntry>();
        entry->name = formats::nameFromBytes (record + zipformat::directoryRecordSize, nameLength);
        entry->flags = zipformat::readUInt16 (record + 8);
        entry->method = zipformat::readUInt16 (record + 10);
        entry->compressed = entry->method != zipformat::methodStored;
        entry->crc32 = zipformat::readUInt32 (record + 16);
        entry->compressedSize = zipformat::readUInt32 (record + 20);
        entry->uncompressedSize = zipformat::readUInt32 (record + 24);
        entry->headerOffset = zipformat::readUInt32 (record + 42);
        entries.push_back (std::move (entry));

        pos += zipformat::directoryRecordSize + nameLength + zipformat::readUInt16 (record + 30)
               + zipformat::readUInt16 (record + 32);
        if (pos > directorySize)
            pos = directorySize;
    }
}

std::unique_ptr<juce::InputStream> MemoryBasedZipUncompressor::createStreamForEntry (int index)
{
    const auto* entry = getEntry (index);
    if (entry == nullptr)
        return nullptr;

    std::unique_ptr<juce::InputStream> stream = std::make_unique<ZipInputStream> (archiveBytes, *entry);
    if (entry->compressed)
        stream = std::make_unique<juce::GZIPDecompressorInputStream> (
            stream.release(), true, juce::GZIPDecompressorInputStream::deflateFormat,
            (juce::int64) entry->uncompressedSize);

    return std::make_unique<juce::BufferedInputStream> (stream.release(), 32768, true);
}

const juce::uint8* MemoryBasedZipUncompressor::findStoredBytes (const ZipEntry& entry) const
{
    const auto* bytes = static_cast<const juce::uint8*> (archiveBytes.bytes.getData());
    const auto length = (juce::int64) archiveBytes.bytes.getSize();
    if ((juce::int64) entry.headerOffset + zipformat::localHeaderSize > length)
        return nullptr;

    const auto* header = bytes + entry.headerOffset;
    if (zipformat::readUInt32 (header) != zipformat::localHeaderSignature)
        return nullptr;

    const auto dataStart = (juce::int64) entry.headerOffset + zipformat::localHeaderSize
                           + zipformat::readUInt16 (header + 26) + zipformat::readUInt16 (header + 28);
    return dataStart + entry.compressedSize <= length ? bytes + dataStart : nullptr;
}

juce::int64 MemoryBasedZipUncompressor::unpackEntryData (const ZipEntry& entry, formats::RawInflater& inflater,
                                                         void* output, juce::int64 capacity) const
{
    // Like the entry's stream: without its local header, or with stored
    // bytes running past the file, an entry unpacks to nothing.
    const auto* stored = findStoredBytes (entry);
    if (stored == nullptr)
        return 0;

    if (entry.compressed)
        return inflater.inflate (stored, entry.compressedSize, output, (size_t) capacity);

    const auto numBytes = std::min (capacity, (juce::int64) entry.compressedSize);
    std::memcpy (output, stored, (size_t) numBytes);
    return numBytes;
}

juce::Result MemoryBasedZipUncompressor::uncompressEntry (const ZipEntry& entry, formats::RawInflater& inflater,
                                                          juce::MemoryBlock& result) const
{
    if ((entry.flags & zipformat::flagEncrypted) != 0)
        return juce::Result::fail ("The entry " + entry.name + " is encrypted");
    if (entry.method != zipformat::methodStored && entry.method != zipformat::methodDeflate)
        return juce::Result::fail ("The entry " + entry.name + " uses an unknown compression method");
    if ((juce::int64) entry.uncompressedSize > maxEntrySize)
        return juce::Result::fail ("The entry " + entry.name + " is too large");

    if ((juce::int64) entry.headerOffset + entry.compressedSize > archiveLength)
        return juce::Result::fail ("The entry " + entry.name + " runs past the end of the archive");

    const juce::int64 declared = entry.uncompressedSize;
    const juce::int64 plausible = entry.compressed ? (juce::int64) entry.compressedSize * maxDeflateRatio + 64
                                                   : (juce::int64) entry.compressedSize;
    if (declared > plausible || (! entry.compressed && entry.compressedSize != entry.uncompressedSize))
        return juce::Result::fail ("The sizes of the entry " + entry.name + " do not match");

    // Room beyond the declared size, so that an entry that unpacks to more
    // than it claims is noticed without unpacking it all.
    const auto capacity = declared + formats::RawInflater::outputReserve;
    result.setSize ((size_t) capacity, false);
    const auto total = unpackEntryData (entry, inflater, result.getData(), capacity);
    if (total < 0)
        return juce::Result::fail ("The entry " + entry.name + " is damaged (broken deflate stream)");
    if (total != declared)
        return juce::Result::fail ("The entry " + entry.name + " does not unpack to its declared size");
    result.setSize ((size_t) total);

    const auto crc = ::crc32 (::crc32 (0L, Z_NULL, 0), static_cast<const Bytef*> (result.getData()), (uInt) total);
    if ((uint32_t) crc != entry.crc32)
        return juce::Result::fail ("The entry " + entry.name + " is damaged (CRC-32 mismatch)");

    return juce::Result::ok();
}

juce::Result MemoryBasedZipUncompressor::uncompressAll()
{
    if (directoryProblem.isNotEmpty())
        return juce::Result::fail (directoryProblem);

    juce::int64 totalSize = 0;
    for (const auto& entry : entries)
        totalSize += entry->uncompressedSize;
    if (totalSize > maxArchiveSize)
        return juce::Result::fail ("The archive unpacks to more than any file this program writes");

    // One inflater for every entry.
    formats::RawInflater inflater;
    for (const auto& entryPointer : entries)
    {
        const auto& entry = *entryPointer;
        if (entry.name.endsWithChar ('/'))
            continue;

        juce::MemoryBlock data;
        const auto result = uncompressEntry (entry, inflater, data);
        if (result.failed())
            return result;

        // With two entries of one name the first one's data stays. Names
        // mostly come in order, so the end is tried first.
        unpacked.emplace_hint (unpacked.end(), entry.name, std::move (data));
    }
    return juce::Result::ok();
}

bool MemoryBasedZipUncompressor::hasData (const juce::String& name) const
{
    return unpacked.find (name) != unpacked.end();
}

const juce::MemoryBlock& MemoryBasedZipUncompressor::getData (const juce::String& name) const
{
    static const juce::MemoryBlock none;
    const auto* data = findData (name);
    return data != nullptr ? *data : none;
}

const juce::MemoryBlock* MemoryBasedZipUncompressor::findData (const juce::String& name) const
{
    const auto found = unpacked.find (name);
    return found != unpacked.end() ? &found->second : nullptr;
}
