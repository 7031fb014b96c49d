#pragma once

#include "library/FavoriteData.h"
#include "library/LibraryData.h"
#include "library/PresetData.h"
#include "library/ProgramData.h"

#include <juce_core/juce_core.h>

// Seeds for the fuzz targets, grouped by what makes them.
namespace seeds
{
class SeedWriter
{
public:
    explicit SeedWriter (const juce::File& root) : root (root) {}

    // Writes one seed of a target; a failure is remembered.
    void write (const juce::String& target, const juce::String& name, const juce::MemoryBlock& bytes);
    void write (const juce::String& target, const juce::String& name, const juce::String& text);

    // Reports a seed that could not be made.
    void fail (const juce::String& why);

    bool allWritten() const { return ok; }
    int count() const { return written; }

private:
    juce::File root;
    bool ok = true;
    int written = 0;
};

// Program n of the seeds: its own name, texts (with characters that XML
// escapes and some beyond ASCII) and a few changed parameter bytes.
x48305_data::ProgramData makeProgram (int n);

// A live set with some slots filled and some empty.
x48305_data::FavoriteData makeLiveSet();

// A library whose first programs are made by makeProgram, with makeLiveSet.
x48305_data::LibraryData makeLibrary (int numMadePrograms);

// A preset of a few made programs, and its preset file as the file writer
// writes it (empty when writing failed).
x48305_data::PresetData makePreset (const juce::String& dataID);
juce::MemoryBlock makePresetFile (const juce::String& dataID);

void writeSerialFormSeeds (SeedWriter& writer);
void writeXmlSeeds (SeedWriter& writer);
void writeZipSeeds (SeedWriter& writer);
void writeLibraryFileSeeds (SeedWriter& writer);
void writeRepeatedEntrySeeds (SeedWriter& writer);
void writeUnitSeeds (SeedWriter& writer);
void writePresetStoreSeeds (SeedWriter& writer);
void writeMidiSeeds (SeedWriter& writer);
void writeApplicationFileSeeds (SeedWriter& writer, const juce::File& resourceFolder);
void writeInterfaceSeeds (SeedWriter& writer);
} // namespace seeds
