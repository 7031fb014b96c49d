#pragma once

#include "file/FileReader.h"
#include "file/FileWriter.h"

namespace x48305_data
{
class ProgramData;
} // namespace x48305_data

namespace x48305_file
{
// Reads a program file into the program given at construction.
class ProgramFileReader : public file::FileReader
{
public:
    explicit ProgramFileReader (x48305_data::ProgramData* target) : target (target) {}
private:
    int readContent (juce::InputStream& content) override;

    x48305_data::ProgramData* target;
};

// Writes the program given at construction as a program file.
class ProgramFileWriter : public file::FileWriter
{
public:
    explicit ProgramFileWriter (const x48305_data::ProgramData* source) : source (source) {}
    int write (const juce::File& file) override;

private:
    const x48305_data::ProgramData* source;
};
} // namespace x48305_file
