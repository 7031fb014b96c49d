#include "SeedWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace seeds
{
void SeedWriter::write (const juce::String& target, const juce::String& name, const juce::MemoryBlock& bytes)
{
    auto folder = root.getChildFile (target);
    if (! folder.createDirectory())
    {
        fail ("cannot create " + folder.getFullPathName());
        return;
    }
    auto file = folder.getChildFile (name);
    file.deleteFile();
    juce::FileOutputStream out (file);
    if (! out.openedOk() || (bytes.getSize() > 0 && ! out.write (bytes.getData(), bytes.getSize())))
    {
        fail ("cannot write " + file.getFullPathName());
        return;
    }
    ++written;
}

void SeedWriter::write (const juce::String& target, const juce::String& name, const juce::String& text)
{
    write (target, name, juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8()));
}

void SeedWriter::fail (const juce::String& why)
{
    std::fprintf (stderr, "fuzz_seed_maker: %s\n", why.toRawUTF8());
    ok = false;
}

x48305_data::ProgramData makeProgram (int n)
{
    x48305_data::ProgramData program;
    program.setName ("Seed " + std::to_string (n) + " <&>");
    // A few parameter bytes past the name, different for every program.
    std::uint8_t record[x48305_data::programRecordSize];
    std::memcpy (record, program.getRawData(), sizeof (record));
    for (int i = 0; i < 8; ++i)
        record[20 + i * 13] = (std::uint8_t) (n * 7 + i * 31);
    program.setRawData (record);
    program.getInformation().setProgrammer ("Programmer " + juce::String (n) + " & \"Co\"");
    program.getInformation().setComment (juce::String::fromUTF8 (u8"Comment <b>") + juce::String (n)
                                         + juce::String::fromUTF8 (u8" caf\u00e9 \u97f3\u8272\n2nd line"));
    return program;
}

x48305_data::FavoriteData makeLiveSet()
{
    x48305_data::FavoriteData liveSet;
    for (int bank = 0; bank < x48305_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < x48305_data::FavoriteData::numSlots; slot += 2)
            liveSet.setProgramNumber (bank, slot, (unsigned) (bank * 100 + slot * 7));
    return liveSet;
}

x48305_data::LibraryData makeLibrary (int numMadePrograms)
{
    x48305_data::LibraryData library;
    for (int i = 0; i < numMadePrograms && i < x48305_data::LibraryData::numPrograms; ++i)
        library.getProgram (i) = makeProgram (i);
    library.getFavoriteData() = makeLiveSet();
    return library;
}
} // namespace seeds
