// Reading and writing a full library file (500 programs and the live set),
// beside the bare zlib work on the same entries: deflating and inflating each
// entry on its own in raw mode, with its CRC-32, as any zip of them needs.

#include "formats/LibraryFile.h"
#include "formats/MemoryBasedZipUncompressor.h"
#include "formats/ZipLibraryFileWriter.h"
#include "library/LibraryData.h"

#include <benchmark/benchmark.h>
#include <juce_core/juce_core.h>
#include <zlib.h>

#include <cstring>
#include <vector>

namespace
{
// A library whose records and texts vary like real ones: parameter bytes
// in their small ranges, names and texts per program.
x48305_data::LibraryData makeLibrary()
{
    x48305_data::LibraryData library;
    juce::Random random (42);
    for (int i = 0; i < x48305_data::LibraryData::numPrograms; ++i)
    {
        auto& program = library.getProgram (i);
        uint8_t record[x48305_data::programRecordSize];
        std::memcpy (record, program.getRawData(), sizeof (record));
        for (size_t b = 16; b < sizeof (record) - 4; ++b)
            if (random.nextInt (3) == 0)
                record[b] = (uint8_t) random.nextInt (128);
        program.setRawData (record);
        program.setName (juce::String::formatted ("Sound %03d", i).toStdString());
        program.getInformation().setProgrammer ("Sound designer " + juce::String (i % 7));
        program.getInformation().setComment ("Warm pad with slow attack, layer " + juce::String (i));
    }
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            library.getFavoriteData().setProgramNumber (bank, slot, (unsigned) (bank * 8 + slot));
    return library;
}

struct Fixture
{
    Fixture()
    {
        folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                     .getNonexistentChildFile ("slvn-benchmark", "", false);
        folder.createDirectory();
        file = folder.getChildFile ("Bench.slvnlib");
        library = makeLibrary();
        x48305_file::LibraryFileWriter (&library).write (file);

        // The entries exactly as the file holds them, and their raw deflate.
        const auto content = file::OpenedFileStream::open (file);
        MemoryBasedZipUncompressor zip (*content);
        zip.uncompressAll();
        for (int i = 0; i < zip.getNumEntries(); ++i)
            entries.push_back (zip.getData (zip.getEntry (i)->name));
        for (const auto& entry : entries)
            compressed.push_back (deflateEntry (entry));
    }

    ~Fixture() { folder.deleteRecursively(); }

    static std::vector<unsigned char> deflateEntry (const juce::MemoryBlock& entry)
    {
        z_stream stream {};
        deflateInit2 (&stream, 5, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        std::vector<unsigned char> out (deflateBound (&stream, (uLong) entry.getSize()));
        stream.next_in = (Bytef*) entry.getData();
        stream.avail_in = (uInt) entry.getSize();
        stream.next_out = out.data();
        stream.avail_out = (uInt) out.size();
        deflate (&stream, Z_FINISH);
        out.resize (stream.total_out);
        deflateEnd (&stream);
        return out;
    }

    juce::File folder, file;
    x48305_data::LibraryData library;
    std::vector<juce::MemoryBlock> entries;
    std::vector<std::vector<unsigned char>> compressed;
};

Fixture& fixture()
{
    static Fixture instance;
    return instance;
}

void setCounters (benchmark::State& state)
{
    size_t bytes = 0;
    for (const auto& entry : fixture().entries)
        bytes += entry.getSize();
    state.SetBytesProcessed ((int64_t) (state.iterations() * bytes));
    state.counters["entries"] = (double) fixture().entries.size();
}

void WriteLibraryFile (benchmark::State& state)
{
    auto& f = fixture();
    const auto target = f.folder.getChildFile ("Written.slvnlib");
    for (auto _ : state)
        benchmark::DoNotOptimize (x48305_file::LibraryFileWriter (&f.library).write (target));
    setCounters (state);
}

void BuildLibraryArchiveInMemory (benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        x48305_file::ZipLibraryFileWriter writer;
        writer.addFavoriteData (f.library.getFavoriteData());
        for (int i = 0; i < x48305_data::LibraryData::numPrograms; ++i)
            writer.addProgramData (f.library.getProgram (i));
        juce::MemoryBlock archive;
        benchmark::DoNotOptimize (writer.buildArchive (archive));
    }
    setCounters (state);
}

void ReadLibraryFile (benchmark::State& state)
{
    auto& f = fixture();
    x48305_data::LibraryData target;
    for (auto _ : state)
        benchmark::DoNotOptimize (x48305_file::LibraryFileReader (&target).read (f.file));
    setCounters (state);
}

void UnpackLibraryArchive (benchmark::State& state)
{
    auto& f = fixture();
    for (auto _ : state)
    {
        const auto content = file::OpenedFileStream::open (f.file);
        MemoryBasedZipUncompressor zip (*content);
        benchmark::DoNotOptimize (zip.uncompressAll().wasOk());
    }
    setCounters (state);
}

// zlib alone: one raw deflate stream per entry (the state is reset, not
// rebuilt, between entries) and the CRC-32 of each entry.
void ZlibDeflateEntries (benchmark::State& state)
{
    auto& f = fixture();
    std::vector<unsigned char> out (1 << 16);
    z_stream stream {};
    deflateInit2 (&stream, 5, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    for (auto _ : state)
    {
        for (const auto& entry : f.entries)
        {
            benchmark::DoNotOptimize (crc32 (0, (const Bytef*) entry.getData(), (uInt) entry.getSize()));
            deflateReset (&stream);
            stream.next_in = (Bytef*) entry.getData();
            stream.avail_in = (uInt) entry.getSize();
            stream.next_out = out.data();
            stream.avail_out = (uInt) out.size();
            deflate (&stream, Z_FINISH);
        }
    }
    deflateEnd (&stream);
    setCounters (state);
}

void ZlibInflateEntries (benchmark::State& state)
{
    auto& f = fixture();
    std::vector<unsigned char> out (1 << 16);
    z_stream stream {};
    inflateInit2 (&stream, -15);
    for (auto _ : state)
    {
        for (const auto& entry : f.compressed)
        {
            inflateReset (&stream);
            stream.next_in = (Bytef*) entry.data();
            stream.avail_in = (uInt) entry.size();
            stream.next_out = out.data();
            stream.avail_out = (uInt) out.size();
            inflate (&stream, Z_FINISH);
            benchmark::DoNotOptimize (crc32 (0, out.data(), (uInt) stream.total_out));
        }
    }
    inflateEnd (&stream);
    setCounters (state);
}
} // namespace

BENCHMARK (WriteLibraryFile)->Unit (benchmark::kMillisecond);
BENCHMARK (BuildLibraryArchiveInMemory)->Unit (benchmark::kMillisecond);
BENCHMARK (ZlibDeflateEntries)->Unit (benchmark::kMillisecond);
BENCHMARK (ReadLibraryFile)->Unit (benchmark::kMillisecond);
BENCHMARK (UnpackLibraryArchive)->Unit (benchmark::kMillisecond);
BENCHMARK (ZlibInflateEntries)->Unit (benchmark::kMillisecond);

BENCHMARK_MAIN();
