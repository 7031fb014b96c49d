#include "file/FileReplacer.h"

#include "file/AccessCarryOver.h"
#include "file/FileResultCodes.h"
#include "file/LinkResolution.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file
{
namespace
{
// Random names are tried until one is free; the bound only ends the search on
// a file system that calls every name taken.
constexpr int maxTemporaryNames = 1000;
const juce::String temporaryExtension { ".saving" };

// The longest name the folder takes.
size_t longestNameIn (const juce::File& folder)
{
    const auto limit = ::pathconf (folder.getFullPathName().toRawUTF8(), _PC_NAME_MAX);
    return limit > 0 ? (size_t) limit : NAME_MAX;
}

// "." + the target's name + the tag + ".saving", the target's name shortened
// (by whole characters) where the whole would not fit the folder.
juce::String temporaryName (const juce::File& target, const juce::String& tag)
{
    const auto longest = longestNameIn (target.getParentDirectory());
    const auto added = 1 + tag.getNumBytesAsUTF8() + temporaryExtension.getNumBytesAsUTF8();
    auto name = target.getFileName();
    while (name.isNotEmpty() && name.getNumBytesAsUTF8() + added > longest)
        name = name.dropLastCharacters (1);
    return "." + name + tag + temporaryExtension;
}

// A new file beside the target, made by this save alone: the name is claimed
// and the file created in one step, so a name that another program holds, or
// that a save cut off by a crash left behind, is passed over and never
// touched. The file is removed again unless it took the target's place.
class TemporaryFile
{
public:
    TemporaryFile (const juce::File& target, mode_t mode)
    {
        std::random_device randomSource;
        for (int attempt = 0; attempt < maxTemporaryNames; ++attempt)
        {
            // Every random tag has the same eight digits, so every name is
            // shortened alike.
            const auto random = juce::String::toHexString ((juce::int64) randomSource()).paddedLeft ('0', 8);
            const auto tag = attempt == 0 ? juce::String() : "-" + random;
            path = target.getSiblingFile (temporaryName (target, tag)).getFullPathName();
            descriptor = ::open (path.toRawUTF8(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
            if (descriptor >= 0 || errno != EEXIST)
                break;
        }
        created = descriptor >= 0;
    }

    ~TemporaryFile()
    {
        close();
        if (created && ! handedOver)
            ::unlink (path.toRawUTF8());
    }

    TemporaryFile (const TemporaryFile&) = delete;
    TemporaryFile& operator= (const TemporaryFile&) = delete;

    bool wasCreated() const { return created; }
    int getDescriptor() const { return descriptor; }

    bool close()
    {
        const bool closed = descriptor < 0 || ::close (descriptor) == 0;
        descriptor = -1;
        return closed;
    }

    // rename replaces an existing file in one step, so the target is at every
    // moment either the old file or the complete new one.
    bool takePlaceOf (const juce::File& target)
    {
        handedOver = std::rename (path.toRawUTF8(), target.getFullPathName().toRawUTF8()) == 0;
        return handedOver;
    }

private:
    juce::String path;
    int descriptor = -1;
    bool created = false;
    bool handedOver = false;
};

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

// Makes the folder's changed entry durable, so that a crash after a reported
// success cannot bring the old file back. Only a failure that the system
// reports for the sync itself counts: a folder this user may not open for
// reading, or a file system that cannot sync folders, leaves nothing more to do.
bool syncFolderOf (const juce::File& file)
{
    const int descriptor = ::open (file.getParentDirectory().getFullPathName().toRawUTF8(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == EACCES;
    const bool synced = ::fsync (descriptor) == 0 || errno == EINVAL;
    ::close (descriptor);
    return synced;
}
} // namespace

bool existingFileCannotBeReplaced (const juce::File& requestedTarget)
{
    const auto target = fileReachedBy (requestedTarget);
    struct stat status {};
    if (target == juce::File() || ::stat (target.getFullPathName().toRawUTF8(), &status) != 0)
        return false;

    // A folder, a device or a pipe is no file to save into: it keeps its place.
    if (! S_ISREG (status.st_mode))
        return true;

    // Asked of the system itself: the framework's own check says yes to the
    // superuser even for a folder on a read-only disk or marked immutable.
    const auto folder = target.getParentDirectory().getFullPathName();
    return ::access (folder.toRawUTF8(), W_OK | X_OK) != 0;
}

Replacement replaceFile (const juce::File& requestedTarget, const void* data, size_t numBytes)
{
    const auto target = fileReachedBy (requestedTarget);
    if (target == juce::File())
        return { WriteErrorOpenFile, false };
    if (existingFileCannotBeReplaced (target))
        return { WriteErrorDeleteFile, false };

    // A file that is new gets the mode the umask leaves of 0666.
    struct stat replaced {};
    const bool exists = ::stat (target.getFullPathName().toRawUTF8(), &replaced) == 0;
    TemporaryFile temporary (target, exists ? 0600 : 0666);
    if (! temporary.wasCreated()
        || (exists && ! carryAccessOver (temporary.getDescriptor(), target.getFullPathName().toStdString(), replaced)))
        return { WriteErrorOpenFile, false };

    const bool written = writeAll (temporary.getDescriptor(), data, numBytes);
    if (! temporary.close() || ! written)
        return { WriteErrorWriteData, false };
    if (! temporary.takePlaceOf (target))
        return { WriteErrorDeleteFile, false };
    return { syncFolderOf (target) ? WriteErrorNoError : WriteErrorWriteData, true };
}

int replaceFileContent (const juce::File& target, const void* data, size_t numBytes)
{
    return replaceFile (target, data, numBytes).result;
}

int replaceFileContent (const juce::File& target, const juce::MemoryBlock& content)
{
    return replaceFile (target, content.getData(), content.getSize()).result;
}
} // namespace file
