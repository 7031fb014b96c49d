// Writes the seed corpus of every fuzz target, each input made by the
// program's own writers and builders: fuzz_seed_maker OUTPUT_FOLDER
// RESOURCE_FOLDER. The corpus of a target goes into OUTPUT_FOLDER/<target>.
#include "SeedWriter.h"

#include <cstdio>

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf (stderr, "usage: %s OUTPUT_FOLDER RESOURCE_FOLDER\n", argv[0]);
        return 2;
    }

    const juce::File output (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const juce::File resources (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));
    seeds::SeedWriter writer (output);

    seeds::writeSerialFormSeeds (writer);
    seeds::writeXmlSeeds (writer);
    seeds::writeZipSeeds (writer);
    seeds::writeLibraryFileSeeds (writer);
    seeds::writeRepeatedEntrySeeds (writer);
    seeds::writeUnitSeeds (writer);
    seeds::writePresetStoreSeeds (writer);
    seeds::writeMidiSeeds (writer);
    seeds::writeApplicationFileSeeds (writer, resources);
    seeds::writeInterfaceSeeds (writer);

    if (! writer.allWritten())
    {
        std::fprintf (stderr, "fuzz_seed_maker: some seeds could not be written\n");
        return 1;
    }
    std::printf ("fuzz_seed_maker: %d seeds in %s\n", writer.count(), output.getFullPathName().toRawUTF8());
    return 0;
}
