#include "support/InterposedFileCalls.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <string>
#include <utility>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace testsupport
{
namespace
{
std::atomic<const InterposedFolderSync::Hook*> folderSyncHook { nullptr };
std::atomic<const InterposedOwnerChange::Hook*> ownerChangeHook { nullptr };
std::atomic<const InterposedAttributeChange::Hook*> attributeChangeHook { nullptr };

// The folder the descriptor is open on; the default juce::File for anything else.
juce::File folderOf (int descriptor)
{
    struct stat status {};
    if (::fstat (descriptor, &status) != 0 || ! S_ISDIR (status.st_mode))
        return {};
    char path[PATH_MAX];
    const auto link = "/proc/self/fd/" + std::to_string (descriptor);
    const auto length = ::readlink (link.c_str(), path, sizeof (path));
    if (length <= 0 || (size_t) length == sizeof (path))
        return {};
    return juce::File (juce::String::fromUTF8 (path, (int) length));
}

int failWith (int error)
{
    errno = error;
    return -1;
}
} // namespace

InterposedFolderSync::InterposedFolderSync (Hook hookIn) : hook (std::move (hookIn))
{
    folderSyncHook = &hook;
}

InterposedFolderSync::~InterposedFolderSync()
{
    folderSyncHook = nullptr;
}

InterposedOwnerChange::InterposedOwnerChange (Hook hookIn) : hook (std::move (hookIn))
{
    ownerChangeHook = &hook;
}

InterposedOwnerChange::~InterposedOwnerChange()
{
    ownerChangeHook = nullptr;
}

InterposedAttributeChange::InterposedAttributeChange (Hook hookIn) : hook (std::move (hookIn))
{
    attributeChangeHook = &hook;
}

InterposedAttributeChange::~InterposedAttributeChange()
{
    attributeChangeHook = nullptr;
}
} // namespace testsupport

extern "C" int fsync (int descriptor)
{
    if (const auto* hook = testsupport::folderSyncHook.load())
        if (const auto folder = testsupport::folderOf (descriptor); folder != juce::File())
            if (const int error = (*hook) (folder); error != 0)
                return testsupport::failWith (error);
    return (int) ::syscall (SYS_fsync, descriptor);
}

extern "C" int fchown (int descriptor, uid_t owner, gid_t group) noexcept
{
    if (const auto* hook = testsupport::ownerChangeHook.load())
        if (const int error = (*hook) (owner, group); error != 0)
            return testsupport::failWith (error);
    return (int) ::syscall (SYS_fchown, descriptor, owner, group);
}

extern "C" int fsetxattr (int descriptor, const char* name, const void* value, size_t size, int flags) noexcept
{
    if (const auto* hook = testsupport::attributeChangeHook.load())
        if (const int error = (*hook) (juce::String::fromUTF8 (name)); error != 0)
            return testsupport::failWith (error);
    return (int) ::syscall (SYS_fsetxattr, descriptor, name, value, size, flags);
}
