#include "file/FileReplacer.h"

#include "file/FileResultCodes.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file
{
namespace
{
constexpr int maxLinkHops = 40;

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

// Links are followed to the file at the end of the chain: that file is the
// one replaced, and every link stays. A chain longer than the system follows
// itself gives no file.
juce::File finalTarget (juce::File target)
{
    for (int hops = 0; target.isSymbolicLink(); ++hops)
    {
        if (hops == maxLinkHops)
            return {};
        target = target.getLinkedTarget();
    }
    return target;
}

bool writeAll (int descriptor, const void* data, size_t numBytes)
{
    const auto* bytes = static_cast<const char*> (data);
    while (numBytes > 0)
    {
        const auto written = ::write (descriptor, bytes, numBytes);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        numBytes -= (size_t) written;
    }
    return ::fsync (descriptor) == 0;
}

// The new file takes over the replaced file's owner and group (where this
// user may set them) and its permission bits; it is private until it has
// them. A file that is new gets the mode the umask leaves of 0666.
int writeWhole (const juce::File& destination, const void* data, size_t numBytes, const struct stat* replaced)
{
    const int descriptor = ::open (destination.getFullPathName().toRawUTF8(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                                   replaced != nullptr ? 0600 : 0666);
    if (descriptor < 0)
        return WriteErrorOpenFile;

    if (replaced != nullptr)
    {
        if (::fchown (descriptor, replaced->st_uid, replaced->st_gid) != 0)
        {
            // Not this user's to give: the new file stays this user's.
        }
        if (::fchmod (descriptor, replaced->st_mode & 07777) != 0)
        {
            ::close (descriptor);
            return WriteErrorOpenFile;
        }
    }
    const bool written = writeAll (descriptor, data, numBytes);
    return ::close (descriptor) == 0 && written ? WriteErrorNoError : WriteErrorWriteData;
}
} // namespace

bool existingFileCannotBeReplaced (const juce::File& requestedTarget)
{
    const auto target = finalTarget (requestedTarget);
    if (target.isDirectory())
        return true;

    // Asked of the system itself: the framework's own check says yes to the
    // superuser even for a folder on a read-only disk or marked immutable.
    const auto folder = target.getParentDirectory().getFullPathName();
    return target.existsAsFile() && ::access (folder.toRawUTF8(), W_OK | X_OK) != 0;
}

int replaceFileContent (const juce::File& requestedTarget, const void* data, size_t numBytes)
{
    const auto target = finalTarget (requestedTarget);
    if (target == juce::File())
        return WriteErrorOpenFile;
    if (existingFileCannotBeReplaced (target))
        return WriteErrorDeleteFile;

    struct stat replaced {};
    const bool exists = ::stat (target.getFullPathName().toRawUTF8(), &replaced) == 0;
    TemporarySibling temporary (target);
    const int result = writeWhole (temporary.getFile(), data, numBytes, exists ? &replaced : nullptr);
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
