#include "formats/MemoryBasedZipBuilder.h"

#include "formats/ZipFormat.h"

#include <zlib.h>

#include <limits>

MemoryBasedZipBuilder::DataEntry::DataEntry (const juce::String& n, const juce::MemoryBlock& d, int level,
                                             const juce::String& path)
    : name (n), data (d), compressionLevel (level), storedPath (path.isNotEmpty() ? path : n)
{
}

void MemoryBasedZipBuilder::addEntry (const juce::String& name, const juce::MemoryBlock& data,
                                      int compressionLevel, const juce::String& storedPath)
{
    entries.push_back (std::make_unique<DataEntry> (name, data, compressionLevel, storedPath));
}

bool MemoryBasedZipBuilder::writeToStream (juce::OutputStream& target)
{
    // The end record counts entries in 16 bits; more would give an archive
    // that no reader can open completely.
    if (entries.size() > std::numeric_limits<uint16_t>::max())
        return false;

    const auto archiveStart = target.getPosition();

    for (auto& entry : entries)
        if (! writeData (*entry, target, archiveStart))
            return false;

    const auto directoryStart = target.getPosition();
    for (auto& entry : entries)
        if (! writeDirectoryRecord (*entry, target))
            return false;
    const auto directoryEnd = target.getPosition();

    const auto directorySize = directoryEnd - directoryStart;
    const auto directoryOffset = directoryStart - archiveStart;
    if (directoryEnd > archiveStart + (juce::int64) std::numeric_limits<uint32_t>::max())
        return false;

    const auto count = (short) entries.size();
    return target.writeInt ((int) zipformat::endRecordSignature)
           && target.writeShort (0)
           && target.writeShort (0)
           && target.writeShort (count)
           && target.writeShort (count)
           && target.writeInt ((int) directorySize)
           && target.writeInt ((int) directoryOffset)
           && target.writeShort (0);
}

bool MemoryBasedZipBuilder::writeData (DataEntry& entry, juce::OutputStream& target, juce::int64 archiveStart)
{
    constexpr size_t maxField = std::numeric_limits<uint32_t>::max();
    if (entry.data.getSize() > maxField
        || entry.storedPath.getNumBytesAsUTF8() > std::numeric_limits<uint16_t>::max())
        return false;

    juce::MemoryOutputStream compressed (256);
    {
        std::unique_ptr<juce::GZIPCompressorOutputStream> deflater;
        juce::OutputStream* sink = &compressed;
        if (entry.compressionLevel >= 1)
        {
            deflater = std::make_unique<juce::GZIPCompressorOutputStream> (
                compressed, entry.compressionLevel, juce::GZIPCompressorOutputStream::windowBitsRaw);
            sink = deflater.get();
        }

        uLong crc = ::crc32 (0L, Z_NULL, 0);
        juce::MemoryInputStream source (entry.data, false);
        char block[2048];
        for (;;)
        {
            const int numRead = source.read (block, (int) sizeof (block));
            if (numRead <= 0)
                break;
            crc = ::crc32 (crc, reinterpret_cast<const Bytef*> (block), (uInt) numRead);
            if (! sink->write (block, (size_t) numRead))
                return false;
        }
        entry.crc32 = (uint32_t) crc;
        // The deflater finishes its stream when it is destroyed here.
    }

    const auto headerOffset = target.getPosition() - archiveStart;
    if (compressed.getDataSize() > maxField || headerOffset > (juce::int64) maxField)
        return false;
    entry.compressedSize = (uint32_t) compressed.getDataSize();
    entry.headerOffset = (uint32_t) headerOffset;

    return target.writeInt ((int) zipformat::localHeaderSignature)
           && writeSharedHeaderFields (entry, target)
           && target.write (entry.storedPath.toRawUTF8(), entry.storedPath.getNumBytesAsUTF8())
           && target.write (compressed.getData(), compressed.getDataSize());
}

bool MemoryBasedZipBuilder::writeSharedHeaderFields (const DataEntry& entry, juce::OutputStream& target)
{
    return target.writeShort ((short) zipformat::versionNeeded)
           && target.writeShort (0) // flags: names are written without the UTF-8 flag
           && target.writeShort ((short) (entry.compressionLevel >= 1 ? zipformat::methodDeflate : zipformat::methodStored))
           && target.writeShort ((short) zipformat::fixedTime)
           && target.writeShort ((short) zipformat::fixedDate)
           && target.writeInt ((int) entry.crc32)
           && target.writeInt ((int) entry.compressedSize)
           && target.writeInt ((int) entry.data.getSize())
           && target.writeShort ((short) entry.storedPath.getNumBytesAsUTF8())
           && target.writeShort (0); // extra field length
}

bool MemoryBasedZipBuilder::writeDirectoryRecord (const DataEntry& entry, juce::OutputStream& target)
{
    return target.writeInt ((int) zipformat::directoryRecordSignature)
           && target.writeShort ((short) zipformat::versionMadeBy)
           && writeSharedHeaderFields (entry, target)
           && target.writeShort (0) // comment length
           && target.writeShort (0) // disk number start
           && target.writeShort (0) // internal attributes
           && target.writeInt (0)   // external attributes
           && target.writeInt ((int) entry.headerOffset)
           && target.write (entry.storedPath.toRawUTF8(), entry.storedPath.getNumBytesAsUTF8());
}
