// Archives for the in-memory zip reader, written by the program's builder.
#include "SeedWriter.h"

#include "formats/MemoryBasedZipBuilder.h"

namespace seeds
{
namespace
{
juce::MemoryBlock textBlock (const juce::String& text)
{
    return juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

juce::MemoryBlock archive (MemoryBasedZipBuilder& builder)
{
    juce::MemoryOutputStream out;
    builder.writeToStream (out);
    return out.getMemoryBlock();
}
} // namespace

void writeZipSeeds (SeedWriter& writer)
{
    const juce::String target ("fuzz_zip_uncompressor");
    {
        MemoryBasedZipBuilder builder;
        builder.addEntry ("a.txt", textBlock ("abc"), 0, {});
        writer.write (target, "stored", archive (builder));
    }
    {
        // Deflated and stored entries, a folder, a name beyond ASCII, a
        // repeated name and an empty entry.
        juce::String longText;
        for (int i = 0; i < 200; ++i)
            longText << "line " << i << " of a text that compresses well\n";
        MemoryBasedZipBuilder builder;
        builder.addEntry ("unit/", {}, 0, {});
        builder.addEntry ("unit/manifest.json", textBlock ("{\"header\":{}}"), 5, {});
        builder.addEntry ("unit/payload.bin", textBlock (longText), 9, {});
        builder.addEntry (juce::String::fromUTF8 (u8"caf\u00e9.txt"), textBlock ("x"), 1, {});
        builder.addEntry ("a.txt", textBlock ("first"), 5, {});
        builder.addEntry ("a.txt", textBlock ("second"), 0, {});
        builder.addEntry ("empty", {}, 5, {});
        writer.write (target, "mixed", archive (builder));
    }
}
} // namespace seeds
