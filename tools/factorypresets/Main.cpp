// Builds the factory preset library at build time: writes it as a preset
// file with the project's own writer, then turns that file into a C++ source
// that the application embeds.
//
//   slvn_make_factory_presets <preset file> <C++ source>

#include "FactoryPresetLibrary.h"

#include "EmbeddedSource.h"
#include "formats/PresetFile.h"

#include <cstdio>

namespace
{
juce::String makeSource (const juce::MemoryBlock& bytes)
{
    juce::MemoryOutputStream out;
    out << "// Made by slvn_make_factory_presets; do not edit.\n"
           "#include \"resources/FactoryPresetLibrary.h\"\n\n"
           "namespace\n{\nconst unsigned char factoryPresetLibrary[] = {\n"
        << slvntools::byteArrayInitialiser (bytes.getData(), bytes.getSize())
        << "\n};\n} // namespace\n\n"
           "namespace x48305_file\n{\n"
           "const unsigned char* getFactoryPresetLibraryData()\n{\n    return factoryPresetLibrary;\n}\n\n"
           "std::size_t getFactoryPresetLibrarySize()\n{\n    return sizeof (factoryPresetLibrary);\n}\n"
           "} // namespace x48305_file\n";
    return out.toString();
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::fprintf (stderr, "usage: %s <preset file> <C++ source>\n", argv[0]);
        return 2;
    }

    const juce::File presetFile (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const juce::File sourceFile (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));

    x48305_data::PresetData preset;
    if (! factorypresets::buildFactoryPresetLibrary (preset))
        return 1;

    x48305_file::PresetFileWriter writer (&preset);
    if (const int result = writer.write (presetFile); result != 0)
    {
        std::fprintf (stderr, "writing %s failed (%d)\n", argv[1], result);
        return 1;
    }

    juce::MemoryBlock bytes;
    if (! presetFile.loadFileAsData (bytes))
    {
        std::fprintf (stderr, "reading %s back failed\n", argv[1]);
        return 1;
    }

    return slvntools::writeSourceIfChanged (sourceFile, makeSource (bytes)) ? 0 : 1;
}
