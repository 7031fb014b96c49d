#include "file/FileReplacer.h"

#include "file/FileResultCodes.h"

#include <cstdio>

#include <unistd.h>

namespace file
{
namespace
{
// Removes the temporary file unless it was handed over to the target.
class TemporarySibling
{
public:
    explicit TemporarySibling (const juce::File& target)
        : file (target.getSiblingFile ("." + target.getFileName() + ".saving")
                    .getNonexistentSibling (false))
    {
    }

    ~TemporarySibling()
    {
        if (! handedOver)
            file.deleteFile();
    }

    const juce::File& getFile() const { return file; }
    void markHandedOver() { handedOver = true; }

private:
    juce::File file;
    bool handedOver = false;
};

int writeWhole (const juce::File& destination, const void* data, size_t numBytes)
{
    juce::FileOutputStream out (destination);
    if (out.failedToOpen())
        return WriteErrorOpenFile;

    const bool written = numBytes == 0 || out.write (data, numBytes);
    out.flush(); // also syncs the bytes to the disk
    if (! written || out.getStatus().failed())
        return WriteErrorWriteData;
    return WriteErrorNoError;
}
} // namespace

bool existingFileCannotBeReplaced (const juce::File& target)
{
    if (target.isDirectory())
        return true;

    // Asked of the system itself: the framework's own check says yes to the
    // superuser even for a folder on a read-only disk or marked immutable.
    const auto folder = target.getParentDirectory().getFullPathName();
    return target.existsAsFile() && ::access (folder.toRawUTF8(), W_OK | X_OK) != 0;
}

int replaceFileContent (const juce::File& requestedTarget, const void* data, size_t numBytes)
{
    // Saving through a symbolic link updates the file it points to and keeps
    // the link.
    const auto target = requestedTarget.isSymbolicLink() ? requestedTarget.getLinkedTarget() : requestedTarget;
    if (existingFileCannotBeReplaced (target))
        return WriteErrorDeleteFile;

    TemporarySibling temporary (target);
    const int result = writeWhole (temporary.getFile(), data, numBytes);
    if (result != WriteErrorNoError)
        return result;

    // rename replaces an existing file in one step, so the target is at every
    // moment either the old file or the complete new one.
    if (std::rename (temporary.getFile().getFullPathName().toRawUTF8(),
                     target.getFullPathName().toRawUTF8()) != 0)
        return WriteErrorDeleteFile;

    temporary.markHandedOver();
    return WriteErrorNoError;
}

int replaceFileContent (const juce::File& target, const juce::MemoryBlock& content)
{
    return replaceFileContent (target, content.getData(), content.getSize());
}
} // namespace file
