// The in-memory zip reader on an archive's bytes, as the library, program and
// preset files and the user-unit packages are read once opened.
#include "FuzzSupport.h"

#include "formats/MemoryBasedZipUncompressor.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    juce::MemoryInputStream content (data, size, false);
    MemoryBasedZipUncompressor zip (content);
    const auto result = zip.uncompressAll();

    juce::int64 unpacked = 0;
    for (int i = 0; i < zip.getNumEntries(); ++i)
    {
        const auto* entry = zip.getEntry (i);
        if (entry == nullptr || zip.getIndexOfFileName (entry->name) < 0)
            __builtin_trap();
        if (result.wasOk() && zip.hasData (entry->name))
            unpacked += (juce::int64) zip.getData (entry->name).getSize();
    }
    // Whatever the directory claims, the unpacked total stays under the cap.
    if (unpacked > MemoryBasedZipUncompressor::maxArchiveSize)
        __builtin_trap();
    return 0;
}
