#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Every file reader fills one object given at construction and is used once,
// on the caller's stack. read returns a ReadResultCode, 0 for success.
//
// The file is opened here, for every reader alike, without waiting: a path
// that does not exist, is no regular file (a folder, a named pipe, a device)
// or cannot be opened for reading gives ReadErrorOpenFile before any reader
// sees it. The reader then reads the opened file's content.
class FileReader
{
public:
    virtual ~FileReader() = default;
    int read (const juce::File& file);
    // Reads content already in hand, such as a file read into memory once.
    int read (juce::InputStream& content);

protected:
    virtual int readContent (juce::InputStream& content) = 0;
};
} // namespace file
