#pragma once

#include "file/FileReader.h"
#include "file/FileWriter.h"

namespace x48305_data
{
class LibraryData;
} // namespace x48305_data

namespace x48305_file
{
// Reads a library file into the library given at construction.
class LibraryFileReader : public file::FileReader
{
public:
    explicit LibraryFileReader (x48305_data::LibraryData* target) : target (target) {}
private:
    int readContent (juce::InputStream& content) override;

    x48305_data::LibraryData* target;
};

// Writes the library given at construction as a library file.
class LibraryFileWriter : public file::FileWriter
{
public:
    explicit LibraryFileWriter (const x48305_data::LibraryData* source) : source (source) {}
    int write (const juce::File& file) override;

private:
    const x48305_data::LibraryData* source;
};
} // namespace x48305_file
