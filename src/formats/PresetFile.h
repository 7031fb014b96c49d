#pragma once

#include "file/FileReader.h"
#include "file/FileWriter.h"

namespace x48305_data
{
class PresetData;
} // namespace x48305_data

namespace x48305_file
{
// Reads a preset file into the preset given at construction.
class PresetFileReader : public file::FileReader
{
public:
    explicit PresetFileReader (x48305_data::PresetData* target) : target (target) {}
private:
    int readContent (juce::InputStream& content) override;

    x48305_data::PresetData* target;
};

// Writes the preset given at construction as a preset file.
class PresetFileWriter : public file::FileWriter
{
public:
    explicit PresetFileWriter (const x48305_data::PresetData* source) : source (source) {}
    int write (const juce::File& file) override;

private:
    const x48305_data::PresetData* source;
};
} // namespace x48305_file
