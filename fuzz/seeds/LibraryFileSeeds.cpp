// Library, program and preset files as the program's file writers write them.
#include "SeedWriter.h"

#include "file/FileWriter.h"
#include "formats/LibraryFile.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "library/PresetData.h"

namespace seeds
{
namespace
{
// Writes through the writer into a temporary file and keeps the bytes.
juce::MemoryBlock writeWith (SeedWriter& writer, file::FileWriter&& fileWriter, const juce::String& target,
                             const juce::String& name)
{
    const juce::TemporaryFile temporary (".seed");
    juce::MemoryBlock bytes;
    if (fileWriter.write (temporary.getFile()) != 0 || ! temporary.getFile().loadFileAsData (bytes))
    {
        writer.fail ("the file writer failed for " + target + "/" + name);
        return {};
    }
    writer.write (target, name, bytes);
    return bytes;
}
} // namespace

x48305_data::PresetData makePreset (const juce::String& dataID)
{
    x48305_data::PresetData preset;
    for (int i = 0; i < 6; ++i)
        preset.getProgram (i) = makeProgram (10 + i);
    auto& information = preset.getInformation();
    information.DataID = dataID;
    information.Name = "Seed preset " + dataID;
    information.Author = "Seed author & co";
    information.Copyright = juce::String::fromUTF8 (u8"\u00a9 2026");
    information.Date = "2026/12/07";
    information.Prefix = "SP";
    information.Version = 1;
    return preset;
}

juce::MemoryBlock makePresetFile (const juce::String& dataID)
{
    const auto preset = makePreset (dataID);
    const juce::TemporaryFile temporary (".slvnpreset");
    juce::MemoryBlock bytes;
    if (x48305_file::PresetFileWriter (&preset).write (temporary.getFile()) != 0
        || ! temporary.getFile().loadFileAsData (bytes))
        return {};
    return bytes;
}

void writeLibraryFileSeeds (SeedWriter& writer)
{
    const auto library = makeLibrary (6);
    writeWith (writer, x48305_file::LibraryFileWriter (&library), "fuzz_library_file", "library");

    const auto program = makeProgram (5);
    // A real archive for the zip reader as well.
    writer.write ("fuzz_zip_uncompressor", "program-file",
                  writeWith (writer, x48305_file::ProgramFileWriter (&program), "fuzz_program_file", "program"));
    const x48305_data::ProgramData initial;
    writeWith (writer, x48305_file::ProgramFileWriter (&initial), "fuzz_program_file", "program-initial");

    const auto preset = makePreset ("SEED-0002");
    writeWith (writer, x48305_file::PresetFileWriter (&preset), "fuzz_preset_file", "preset");
}
} // namespace seeds
