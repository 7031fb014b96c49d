#include "file/FileReader.h"

#include "file/FileResultCodes.h"
#include "file/OpenedFileStream.h"

namespace file
{
int FileReader::read (const juce::File& file)
{
    const auto content = OpenedFileStream::open (file);
    if (content == nullptr)
        return ReadErrorOpenFile;
    return readContent (*content);
}

int FileReader::read (juce::InputStream& content)
{
    return readContent (content);
}
} // namespace file
