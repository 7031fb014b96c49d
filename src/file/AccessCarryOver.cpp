#include "file/AccessCarryOver.h"

#include "file/AccessControlList.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <sys/xattr.h>
#include <unistd.h>

namespace file
{
namespace
{
// The value of one attribute, or nothing when it cannot be read.
bool readAttribute (const std::string& path, const char* name, std::vector<char>& value)
{
    const auto size = ::lgetxattr (path.c_str(), name, nullptr, 0);
    value.resize ((size_t) std::max<ssize_t> (size, 0));
    return size >= 0 && ::lgetxattr (path.c_str(), name, value.data(), value.size()) == size;
}

// Copies the attributes of the user namespace; one that cannot be read or
// that the file system refuses is left out.
void copyUserAttributes (const std::string& path, int descriptor)
{
    const auto size = ::llistxattr (path.c_str(), nullptr, 0);
    std::vector<char> names ((size_t) std::max<ssize_t> (size, 0) + 1, '\0');
    if (size <= 0 || ::llistxattr (path.c_str(), names.data(), names.size() - 1) != size)
        return;

    // The list holds names each ended by a zero, the last followed by the
    // zero added above.
    std::vector<char> value;
    for (const char* name = names.data(); *name != '\0'; name += std::strlen (name) + 1)
        if (std::strncmp (name, "user.", 5) == 0 && readAttribute (path, name, value))
            ::fsetxattr (descriptor, name, value.data(), value.size(), 0);
}

// The new file takes over the replaced file's owner and group, or its group
// alone, where this user may set them. True when its group is the old one's.
bool keepsGroupOf (int descriptor, const struct stat& replaced)
{
    if (::fchown (descriptor, replaced.st_uid, replaced.st_gid) != 0)
        ::fchown (descriptor, (uid_t) -1, replaced.st_gid);
    struct stat created {};
    return ::fstat (descriptor, &created) == 0 && created.st_gid == replaced.st_gid;
}
} // namespace

bool carryAccessOver (int descriptor, const std::string& replacedPath, const struct stat& replaced)
{
    // Before the mode: the file must still be writable for this user.
    copyUserAttributes (replacedPath, descriptor);
    // A list that the new file took from its folder's default list may name
    // users whom the old file did not: it goes, and only the old one counts.
    if (! AccessControlList::removeFrom (descriptor))
        return false;
    const bool groupKept = keepsGroupOf (descriptor, replaced);

    // First the bits that hold should the list not be carried; the list,
    // once given, sets the bits from its own entries.
    auto list = AccessControlList::of (replacedPath);
    const auto permissions = list.permissions (replaced.st_mode);
    auto group = permissions.group & permissions.named;
    auto others = permissions.others & permissions.named;
    if (! groupKept)
    {
        group = others = group & others;
        list.limitGroupAndOthersTo (group);
    }
    if (::fchmod (descriptor, (replaced.st_mode & 0700) | (group << 3) | others) != 0)
        return false;
    list.applyTo (descriptor);
    return true;
}
} // namespace file
