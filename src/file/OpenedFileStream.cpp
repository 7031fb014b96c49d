#include "file/OpenedFileStream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file
{
std::unique_ptr<OpenedFileStream> OpenedFileStream::open (const juce::File& file)
{
    if (file == juce::File())
        return nullptr;

    const int descriptor = ::open (file.getFullPathName().toRawUTF8(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return nullptr;

    struct stat status {};
    if (::fstat (descriptor, &status) != 0 || ! S_ISREG (status.st_mode))
    {
        ::close (descriptor);
        return nullptr;
    }
    return std::unique_ptr<OpenedFileStream> (new OpenedFileStream (descriptor, (juce::int64) status.st_size));
}

bool OpenedFileStream::readWhole (const juce::File& file, juce::MemoryBlock& content)
{
    const auto stream = open (file);
    if (stream == nullptr || stream->getTotalLength() > largestReadableFileSize)
        return false;
    return (juce::int64) stream->readIntoMemoryBlock (content) == stream->getTotalLength();
}

OpenedFileStream::OpenedFileStream (int fd, juce::int64 size) : descriptor (fd), length (size) {}

OpenedFileStream::~OpenedFileStream()
{
    ::close (descriptor);
}

int OpenedFileStream::read (void* destBuffer, int maxBytesToRead)
{
    // The length stands as it was when the file was opened.
    const auto wanted = (int) juce::jmin ((juce::int64) juce::jmax (maxBytesToRead, 0), length - position);
    int total = 0;
    auto* out = static_cast<char*> (destBuffer);
    while (total < wanted)
    {
        const auto got = ::pread (descriptor, out + total, (size_t) (wanted - total), (off_t) position);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        total += (int) got;
        position += got;
    }
    return total;
}

bool OpenedFileStream::setPosition (juce::int64 newPosition)
{
    position = juce::jlimit ((juce::int64) 0, length, newPosition);
    return true;
}
} // namespace file
