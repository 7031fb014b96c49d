#pragma once

#include <juce_core/juce_core.h>

#include <memory>

namespace file
{
// No file of the kinds this program reads comes near this size (library and
// preset files are below a megabyte): a larger one is refused before a byte
// of it is read or any memory is set aside for it.
constexpr juce::int64 largestReadableFileSize = 64 * 1024 * 1024;

// A regular file opened for reading, read through its descriptor. Opening
// never waits: the path is opened without blocking (a named pipe with no
// writer, a device) and its type is checked on the opened descriptor, so
// nothing can put another file in its place between the check and the
// reading. A path that does not exist, is no regular file or cannot be opened
// for reading gives no stream.
class OpenedFileStream : public juce::InputStream
{
public:
    static std::unique_ptr<OpenedFileStream> open (const juce::File& file);

    // The whole content of a file that opens and is no larger than
    // largestReadableFileSize; false otherwise.
    static bool readWhole (const juce::File& file, juce::MemoryBlock& content);

    ~OpenedFileStream() override;

    juce::int64 getTotalLength() override { return length; }
    bool isExhausted() override { return position >= length; }
    int read (void* destBuffer, int maxBytesToRead) override;
    juce::int64 getPosition() override { return position; }
    bool setPosition (juce::int64 newPosition) override;

private:
    OpenedFileStream (int descriptor, juce::int64 length);

    int descriptor;
    juce::int64 length;
    juce::int64 position = 0;

    OpenedFileStream (const OpenedFileStream&) = delete;
    OpenedFileStream& operator= (const OpenedFileStream&) = delete;
};
} // namespace file
