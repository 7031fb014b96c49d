#include "ZipTestSupport.h"

#include "file/OpenedFileStream.h"
#include "formats/MemoryBasedZipBuilder.h"
#include "formats/MemoryBasedZipUncompressor.h"

#include <gtest/gtest.h>

#include <zlib.h>

using namespace ziptest;

namespace
{
std::vector<juce::uint8> bytesOfBlock (const juce::MemoryBlock& block)
{
    auto p = static_cast<const juce::uint8*> (block.getData());
    return { p, p + block.getSize() };
}

// Unpacks an archive image; the result says whether unpacking succeeded.
struct Unpacked
{
    explicit Unpacked (const juce::MemoryBlock& archive)
        : bytes (archive), content (bytes, false), zip (content), result (zip.uncompressAll())
    {
    }

    juce::MemoryBlock bytes;
    juce::MemoryInputStream content;
    MemoryBasedZipUncompressor zip;
    juce::Result result;

    bool succeededWithEntries() const { return result.wasOk() && zip.getNumEntries() > 0; }
};

const Entries& sampleEntries()
{
    static const Entries entries {
        { "FileInformation.xml", bytesOf ("<?xml version=\"1.0\"?>\n<Root>text text text text</Root>\n") },
        { "Prog_000.prog_bin", randomBytes (336, 1) },
        { "empty.bin", {} },
        { "Prog_000.prog_info", bytesOf (juce::String::repeatedString ("abc", 200)) },
    };
    return entries;
}
} // namespace

TEST (InMemoryZip, OneStoredEntryIsLaidOutByteForByte)
{
    const auto archive = buildArchive ({ { "a.txt", bytesOf ("abc") } }, 0);

    const std::vector<juce::uint8> expected {
        // local header
        0x50, 0x4B, 0x03, 0x04, 10, 0, 0, 0, 0, 0, 0, 0, 0x21, 0x42,
        0xC2, 0x41, 0x24, 0x35, 3, 0, 0, 0, 3, 0, 0, 0, 5, 0, 0, 0,
        'a', '.', 't', 'x', 't', 'a', 'b', 'c',
        // central directory record
        0x50, 0x4B, 0x01, 0x02, 20, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0x21, 0x42,
        0xC2, 0x41, 0x24, 0x35, 3, 0, 0, 0, 3, 0, 0, 0, 5, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        'a', '.', 't', 'x', 't',
        // end record: one entry, directory of 51 bytes at offset 38
        0x50, 0x4B, 0x05, 0x06, 0, 0, 0, 0, 1, 0, 1, 0, 51, 0, 0, 0, 38, 0, 0, 0, 0, 0,
    };
    ASSERT_EQ (expected.size(), 111u);
    EXPECT_EQ (bytesOfBlock (archive), expected);
}

TEST (InMemoryZip, DeflatedEntryCarriesRawDeflateAndTheFixedDate)
{
    const auto text = juce::String::repeatedString ("solivane ", 100);
    const auto archive = buildArchive ({ { "t.xml", bytesOf (text) } }, 5);

    EXPECT_EQ (getUInt32 (archive, 0), 0x04034B50u);
    EXPECT_EQ ((int) archive[8], 8);                           // deflate
    EXPECT_EQ (getUInt32 (archive, 10), 16929u << 16);         // time 0, date 16929
    const auto compressedSize = getUInt32 (archive, 18);
    EXPECT_EQ (getUInt32 (archive, 22), (uint32_t) text.length());
    EXPECT_LT (compressedSize, (uint32_t) text.length());

    // The stored bytes inflate with zlib's raw mode (no header) to the text.
    z_stream stream {};
    ASSERT_EQ (inflateInit2 (&stream, -15), Z_OK);
    std::vector<char> out ((size_t) text.length() + 16);
    stream.next_in = reinterpret_cast<Bytef*> (const_cast<char*> (static_cast<const char*> (archive.getData())) + 30 + 5);
    stream.avail_in = compressedSize;
    stream.next_out = reinterpret_cast<Bytef*> (out.data());
    stream.avail_out = (uInt) out.size();
    EXPECT_EQ (inflate (&stream, Z_FINISH), Z_STREAM_END);
    EXPECT_EQ (stream.total_out, (uLong) text.length());
    inflateEnd (&stream);
    EXPECT_EQ (juce::String::fromUTF8 (out.data(), (int) text.length()), text);
}

TEST (InMemoryZip, EntriesRoundTripStoredAndDeflated)
{
    for (int level : { 0, 1, 5, 9 })
    {
        Unpacked unpacked (buildArchive (sampleEntries(), level));
        ASSERT_TRUE (unpacked.result.wasOk()) << unpacked.result.getErrorMessage();
        ASSERT_EQ (unpacked.zip.getNumEntries(), (int) sampleEntries().size());
        for (const auto& [name, data] : sampleEntries())
        {
            ASSERT_TRUE (unpacked.zip.hasData (name)) << name;
            EXPECT_EQ (raw (unpacked.zip.getData (name)), raw (data)) << name << " at level " << level;
        }
        EXPECT_EQ (unpacked.zip.getIndexOfFileName ("Prog_000.prog_bin"), 1);
        EXPECT_EQ (unpacked.zip.getIndexOfFileName ("prog_000.prog_bin"), -1);
        EXPECT_EQ (unpacked.zip.getEntry (4), nullptr);
        EXPECT_EQ (unpacked.zip.getEntry (-1), nullptr);
        EXPECT_EQ (unpacked.zip.createStreamForEntry (4), nullptr);
        EXPECT_FALSE (unpacked.zip.hasData ("missing"));
    }
}

// Unpacking inflates from the archive's bytes with one inflater for every
// entry; the entry streams go through the framework's streams. Both give the
// same bytes, for entries of every size.
TEST (InMemoryZip, UnpackingAndEntryStreamsGiveTheSameBytes)
{
    Entries entries;
    for (size_t size : { 0, 1, 335, 336, 4096, 32767, 32768, 32769, 100000 })
        entries.push_back ({ "e" + juce::String ((int) size), randomBytes (size, (juce::int64) size) });
    entries.push_back ({ "text", bytesOf (juce::String::repeatedString ("<Comment>pad</Comment>", 3000)) });

    for (int level : { 0, 5 })
    {
        Unpacked unpacked (buildArchive (entries, level));
        ASSERT_TRUE (unpacked.result.wasOk()) << unpacked.result.getErrorMessage();
        for (int i = 0; i < (int) entries.size(); ++i)
        {
            const auto& [name, data] = entries[(size_t) i];
            juce::MemoryBlock streamed;
            auto stream = unpacked.zip.createStreamForEntry (i);
            ASSERT_NE (stream, nullptr);
            stream->readIntoMemoryBlock (streamed);
            ASSERT_NE (unpacked.zip.findData (name), nullptr) << name;
            EXPECT_EQ (raw (*unpacked.zip.findData (name)), raw (data)) << name << " at level " << level;
            EXPECT_EQ (raw (streamed), raw (data)) << name << " at level " << level;
        }
        EXPECT_EQ (unpacked.zip.findData ("E1"), nullptr);
    }
}

namespace
{
std::vector<juce::uint8> deflateRaw (const juce::MemoryBlock& content, int flush)
{
    z_stream stream {};
    deflateInit2 (&stream, 5, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::vector<juce::uint8> out (deflateBound (&stream, (uLong) content.getSize()) + 16);
    stream.next_in = static_cast<Bytef*> (const_cast<void*> (content.getData()));
    stream.avail_in = (uInt) content.getSize();
    stream.next_out = out.data();
    stream.avail_out = (uInt) out.size();
    deflate (&stream, flush);
    out.resize (stream.total_out);
    deflateEnd (&stream);
    return out;
}

// One entry "d" whose stored bytes are the given deflate stream, declared
// with the content's length and CRC-32.
juce::MemoryBlock archiveWithStream (const std::vector<juce::uint8>& stream, const juce::MemoryBlock& content)
{
    auto archive = buildArchive ({ { "d", juce::MemoryBlock (stream.data(), stream.size()) } }, 0);
    const auto record = directoryOffsetOf (archive);
    putUInt16 (archive, 8, 8);
    putUInt16 (archive, record + 10, 8);
    putUInt32 (archive, record + 16, (uint32_t) crc32 (0, static_cast<const Bytef*> (content.getData()),
                                                       (uInt) content.getSize()));
    putUInt32 (archive, record + 24, (uint32_t) content.getSize());
    return archive;
}
} // namespace

// Only a stream that gives the declared bytes and nothing zlib calls damaged
// unpacks; bytes after the stream's end are not read.
TEST (InMemoryZip, DeflateStreamsAreJudgedWhole)
{
    for (size_t size : { 3000, 70000 })
    {
        const auto content = bytesOf (juce::String::repeatedString ("solivane ", (int) size / 8));
        const auto finished = deflateRaw (content, Z_FINISH);
        const auto flushed = deflateRaw (content, Z_SYNC_FLUSH);

        auto withTrailer = finished;
        withTrailer.insert (withTrailer.end(), { 'j', 'u', 'n', 'k' });
        auto brokenTail = flushed;
        brokenTail.push_back (0x07); // a last block of the reserved type
        const std::vector<juce::uint8> cut (finished.begin(), finished.end() - 4);

        const struct
        {
            const char* what;
            const std::vector<juce::uint8>& stream;
            bool unpacks;
        } cases[] = {
            { "finished", finished, true },
            { "finished, then other bytes", withTrailer, true },
            { "flushed without a last block", flushed, true },
            { "flushed, then a damaged block", brokenTail, false },
            { "cut short", cut, false },
        };
        for (const auto& c : cases)
        {
            Unpacked unpacked (archiveWithStream (c.stream, content));
            EXPECT_EQ (unpacked.result.wasOk(), c.unpacks) << c.what << ", " << size << " bytes";
            if (c.unpacks)
            {
                EXPECT_EQ (raw (unpacked.zip.getData ("d")), raw (content)) << c.what;
            }
        }
    }
}

TEST (InMemoryZip, NamesAreUtf8WithoutTheUtf8FlagAndStoredPathWins)
{
    const auto name = juce::String (juce::CharPointer_UTF8 ("\xe9\x9f\xb3\xe8\x89\xb2.txt"));
    MemoryBasedZipBuilder builder;
    builder.addEntry (name, bytesOf ("x"), 5, {});
    builder.addEntry ("ignored", bytesOf ("y"), 5, "folder/kept.txt");
    juce::MemoryOutputStream out;
    ASSERT_TRUE (builder.writeToStream (out));
    const auto archive = out.getMemoryBlock();
    EXPECT_EQ ((int) archive[6], 0);
    EXPECT_EQ ((int) archive[26], 10); // UTF-8 byte count of the name

    Unpacked unpacked (archive);
    ASSERT_TRUE (unpacked.result.wasOk());
    EXPECT_EQ (raw (unpacked.zip.getData (name)), raw (bytesOf ("x")));
    EXPECT_EQ (raw (unpacked.zip.getData ("folder/kept.txt")), raw (bytesOf ("y")));
    EXPECT_FALSE (unpacked.zip.hasData ("ignored"));
}

TEST (InMemoryZip, DuplicateNamesKeepTheFirstAndFoldersAreListedNotUnpacked)
{
    Unpacked unpacked (buildArchive ({ { "dir/", {} }, { "same", bytesOf ("first") }, { "same", bytesOf ("second") } }, 5));
    ASSERT_TRUE (unpacked.result.wasOk());
    EXPECT_EQ (unpacked.zip.getNumEntries(), 3);
    EXPECT_FALSE (unpacked.zip.hasData ("dir/"));
    EXPECT_EQ (raw (unpacked.zip.getData ("same")), raw (bytesOf ("first")));
}

TEST (InMemoryZip, ArchivesWithoutADirectoryOpenEmpty)
{
    juce::MemoryInputStream nothing (nullptr, 0, false);
    MemoryBasedZipUncompressor empty (nothing);
    EXPECT_EQ (empty.getNumEntries(), 0);
    EXPECT_TRUE (empty.uncompressAll().wasOk());

    EXPECT_EQ (Unpacked (bytesOf ("PK\x05\x06 short")).zip.getNumEntries(), 0);

    // An end record followed by more than 1024 bytes of trailing data is too
    // far from the end to be looked for.
    auto archive = buildArchive ({ { "a", bytesOf ("abc") } }, 0);
    archive.append (juce::MemoryBlock (1025, true).getData(), 1025);
    EXPECT_EQ (Unpacked (archive).zip.getNumEntries(), 0);
}

TEST (InMemoryZip, DirectoryValuesWinOverZeroedLocalHeaders)
{
    // Other tools stream entries with zero sizes and CRC in the local header
    // and a data descriptor after the data; the directory holds the truth.
    auto archive = buildArchive (sampleEntries(), 5);
    for (size_t offset = 0; offset < directoryOffsetOf (archive);)
    {
        ASSERT_EQ (getUInt32 (archive, offset), 0x04034B50u);
        const auto compressed = getUInt32 (archive, offset + 18);
        const size_t nameLength = (juce::uint8) archive[offset + 26];
        putUInt16 (archive, offset + 6, 0x0008);
        putUInt32 (archive, offset + 14, 0);
        putUInt32 (archive, offset + 18, 0);
        putUInt32 (archive, offset + 22, 0);
        offset += 30 + nameLength + compressed;
    }

    Unpacked unpacked (archive);
    ASSERT_TRUE (unpacked.result.wasOk()) << unpacked.result.getErrorMessage();
    for (const auto& [name, data] : sampleEntries())
        EXPECT_EQ (raw (unpacked.zip.getData (name)), raw (data)) << name;
}

namespace
{
// Field offsets of the first central-directory record, from its start.
size_t firstRecord (const juce::MemoryBlock& archive)
{
    return directoryOffsetOf (archive);
}
} // namespace

TEST (InMemoryZip, DamagedEntriesFail)
{
    const auto good = buildArchive ({ { "data.bin", randomBytes (3000, 7) } }, 5);
    const auto record = firstRecord (good);

    auto crc = good;
    putUInt32 (crc, record + 16, getUInt32 (good, record + 16) ^ 1);
    EXPECT_TRUE (Unpacked (crc).result.failed()) << "CRC-32 mismatch";

    auto longer = good;
    putUInt32 (longer, record + 24, 2999);
    EXPECT_TRUE (Unpacked (longer).result.failed()) << "inflates to more than declared";

    auto shorter = good;
    putUInt32 (shorter, record + 24, 3001);
    EXPECT_TRUE (Unpacked (shorter).result.failed()) << "inflates to less than declared";

    auto method = good;
    putUInt16 (method, record + 10, 12);
    EXPECT_TRUE (Unpacked (method).result.failed()) << "unknown method";

    auto encrypted = good;
    putUInt16 (encrypted, record + 8, 1);
    EXPECT_TRUE (Unpacked (encrypted).result.failed()) << "encrypted";

    auto badOffset = good;
    putUInt32 (badOffset, record + 42, 7);
    EXPECT_TRUE (Unpacked (badOffset).result.failed()) << "no local header at the offset";

    auto pastEnd = good;
    putUInt32 (pastEnd, record + 20, (uint32_t) good.getSize());
    EXPECT_TRUE (Unpacked (pastEnd).result.failed()) << "compressed size runs past the file";

    auto corrupt = good;
    for (size_t i = 40; i < 60; ++i)
        corrupt[i] = (char) (corrupt[i] ^ 0x5a);
    EXPECT_TRUE (Unpacked (corrupt).result.failed()) << "corrupt deflate stream";

    auto storedSizes = buildArchive ({ { "s", bytesOf ("stored bytes") } }, 0);
    putUInt32 (storedSizes, firstRecord (storedSizes) + 24, 5);
    EXPECT_TRUE (Unpacked (storedSizes).result.failed()) << "stored entry with differing sizes";

    auto count = good;
    putUInt16 (count, count.getSize() - 22 + 10, 2);
    EXPECT_TRUE (Unpacked (count).result.failed()) << "directory shorter than its count";

    EXPECT_TRUE (Unpacked (good).result.wasOk());
}

TEST (InMemoryZip, OversizedEntriesAndArchivesFailBeforeAnythingIsAllocated)
{
    // A bomb: a tiny entry that claims to unpack to 17 MiB.
    auto bomb = buildArchive ({ { "bomb", juce::MemoryBlock (1000, true) } }, 9);
    putUInt32 (bomb, firstRecord (bomb) + 24, 17u * 1024 * 1024);
    EXPECT_TRUE (Unpacked (bomb).result.failed());

    // A claim far beyond what its compressed bytes could hold.
    auto claim = buildArchive ({ { "claim", bytesOf ("x") } }, 5);
    putUInt32 (claim, firstRecord (claim) + 24, 10u * 1024 * 1024);
    EXPECT_TRUE (Unpacked (claim).result.failed());

    // Many entries that together claim more than the archive cap.
    Entries many;
    for (int i = 0; i < 5; ++i)
        many.push_back ({ "e" + juce::String (i), juce::MemoryBlock (20000, true) });
    auto manyArchive = buildArchive (many, 9);
    auto offset = firstRecord (manyArchive);
    for (int i = 0; i < 5; ++i)
    {
        putUInt32 (manyArchive, offset + 24, 15u * 1024 * 1024);
        offset += 46 + 2;
    }
    EXPECT_TRUE (Unpacked (manyArchive).result.failed());

    // A file beyond the archive cap is refused without being read.
    ScratchFolder folder;
    auto huge = folder.file ("huge.zip");
    {
        juce::FileOutputStream out (huge);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (out.setPosition (MemoryBasedZipUncompressor::maxArchiveSize));
        const auto tail = buildArchive ({ { "a", bytesOf ("abc") } }, 0);
        out.write (tail.getData(), tail.getSize());
    }
    const auto content = file::OpenedFileStream::open (huge);
    ASSERT_NE (content, nullptr);
    MemoryBasedZipUncompressor hugeZip (*content);
    EXPECT_TRUE (hugeZip.uncompressAll().failed());
}

TEST (InMemoryZip, TruncatedAndGarbledArchivesNeverYieldDamagedData)
{
    const auto good = buildArchive (sampleEntries(), 5);

    for (size_t length = 0; length < good.getSize(); length += 7)
    {
        Unpacked unpacked (juce::MemoryBlock (good.getData(), length));
        EXPECT_FALSE (unpacked.succeededWithEntries()) << "truncated to " << length;
    }

    // A gap cut out of the middle keeps the end record but shifts everything.
    for (size_t cut = 10; cut + 40 < good.getSize(); cut += 37)
    {
        juce::MemoryBlock gapped (good.getData(), cut);
        gapped.append (static_cast<const char*> (good.getData()) + cut + 9, good.getSize() - cut - 9);
        Unpacked unpacked (gapped);
        EXPECT_FALSE (unpacked.succeededWithEntries()) << "gap at " << cut;
    }

    // Any single damaged byte either fails or still gives the original data
    // (when it hit a field that reading does not depend on, or a name).
    for (size_t at = 0; at < good.getSize(); ++at)
    {
        auto damaged = good;
        damaged[at] = (char) (damaged[at] ^ 0xA5);
        Unpacked unpacked (damaged);
        if (unpacked.result.failed())
            continue;
        for (int i = 0; i < unpacked.zip.getNumEntries(); ++i)
        {
            const auto& name = unpacked.zip.getEntry (i)->name;
            if (! unpacked.zip.hasData (name))
                continue;
            const auto& data = unpacked.zip.getData (name);
            const bool matchesAnOriginal = std::any_of (sampleEntries().begin(), sampleEntries().end(),
                                                        [&] (const auto& e) { return raw (e.second) == raw (data); });
            EXPECT_TRUE (matchesAnOriginal) << "byte " << at << " damaged " << name;
        }
    }

    for (juce::int64 seed = 1; seed <= 50; ++seed)
    {
        auto garbage = randomBytes ((size_t) (20 + seed * 13), seed);
        if (seed % 2 == 0)
            garbage.append ("PK\x05\x06\x00\x00\x00\x00\x05\x00\x05\x00\x10\x00\x00\x00\x02\x00\x00\x00\x00\x00", 22);
        Unpacked unpacked (garbage);
        EXPECT_FALSE (unpacked.succeededWithEntries()) << "garbage seed " << seed;
    }
}

namespace
{
// Takes a given number of bytes, then refuses every write, as a full disk.
class FillingStream : public juce::OutputStream
{
public:
    explicit FillingStream (size_t capacity) : room (capacity) {}

    void flush() override {}
    bool setPosition (juce::int64) override { return false; }
    juce::int64 getPosition() override { return (juce::int64) written; }

    bool write (const void*, size_t numBytes) override
    {
        if (numBytes > room - written)
            return false;
        written += numBytes;
        return true;
    }

private:
    size_t room;
    size_t written = 0;
};
} // namespace

TEST (InMemoryZip, AWriteThatFailsAnywhereFailsTheArchive)
{
    MemoryBasedZipBuilder builder;
    builder.addEntry ("a.txt", bytesOf ("abc"), 0, {});
    builder.addEntry ("b.bin", randomBytes (600, 3), 5, {});
    juce::MemoryOutputStream whole;
    ASSERT_TRUE (builder.writeToStream (whole));
    const auto size = whole.getDataSize();

    // Every cut, including inside the directory and the end record.
    for (size_t capacity = 0; capacity < size; ++capacity)
    {
        FillingStream full (capacity);
        EXPECT_FALSE (builder.writeToStream (full)) << "room for " << capacity << " of " << size << " bytes";
    }
    FillingStream enough (size);
    EXPECT_TRUE (builder.writeToStream (enough));
}
