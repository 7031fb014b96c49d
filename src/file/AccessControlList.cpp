#include "file/AccessControlList.h"

#include <algorithm>
#include <cerrno>

#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <sys/xattr.h>

namespace file
{
namespace
{
const char* const attributeName = "system.posix_acl_access";
constexpr size_t headerSize = 4;
constexpr size_t entrySize = 8;
constexpr mode_t everything = 07;

// The stored form is little-endian whatever the machine.
std::uint32_t littleEndian (const std::vector<char>& bytes, size_t offset, size_t size)
{
    std::uint32_t value = 0;
    for (size_t index = size; index-- > 0;)
        value = (value << 8) | (unsigned char) bytes[offset + index];
    return value;
}

void putLittleEndian (std::vector<char>& bytes, std::uint32_t value, size_t size)
{
    for (size_t index = 0; index < size; ++index, value >>= 8)
        bytes.push_back ((char) (value & 0xff));
}
} // namespace

AccessControlList AccessControlList::of (const std::string& path)
{
    AccessControlList list;
    const auto size = ::lgetxattr (path.c_str(), attributeName, nullptr, 0);
    if (size < 0 && (errno == ENODATA || errno == ENOTSUP))
        return list;

    std::vector<char> stored ((size_t) std::max<ssize_t> (size, 0));
    const bool read = size > 0 && ::lgetxattr (path.c_str(), attributeName, stored.data(), stored.size()) == size
                      && list.read (stored);
    list.state = read ? State::known : State::unknown;
    return list;
}

bool AccessControlList::read (const std::vector<char>& stored)
{
    if (stored.size() < headerSize || (stored.size() - headerSize) % entrySize != 0
        || littleEndian (stored, 0, 4) != POSIX_ACL_XATTR_VERSION)
        return false;
    for (size_t offset = headerSize; offset < stored.size(); offset += entrySize)
        entries.push_back ({ (std::uint16_t) littleEndian (stored, offset, 2),
                             (std::uint16_t) (littleEndian (stored, offset + 2, 2) & everything),
                             littleEndian (stored, offset + 4, 4) });
    return true;
}

AccessControlList::Permissions AccessControlList::permissions (mode_t mode) const
{
    if (state == State::none)
        return { (mode >> 3) & everything, mode & everything, everything };
    if (state == State::unknown)
        return { 0, 0, 0 };

    // The mask bounds what the file's group and every named user and group
    // may do; a list without one names nobody.
    mode_t mask = everything, group = 0, others = 0, named = everything;
    for (const auto& entry : entries)
        if (entry.tag == ACL_MASK)
            mask = entry.permissions;
    for (const auto& entry : entries)
    {
        if (entry.tag == ACL_GROUP_OBJ)
            group = entry.permissions & mask;
        else if (entry.tag == ACL_OTHER)
            others = entry.permissions;
        else if (entry.tag == ACL_USER || entry.tag == ACL_GROUP)
            named &= entry.permissions & mask;
    }
    return { group, others, named };
}

void AccessControlList::limitGroupAndOthersTo (mode_t permissions)
{
    for (auto& entry : entries)
        if (entry.tag == ACL_GROUP_OBJ || entry.tag == ACL_OTHER)
            entry.permissions &= (std::uint16_t) permissions;
}

bool AccessControlList::applyTo (int descriptor) const
{
    if (state != State::known)
        return state == State::none;
    std::vector<char> stored;
    putLittleEndian (stored, POSIX_ACL_XATTR_VERSION, 4);
    for (const auto& entry : entries)
    {
        putLittleEndian (stored, entry.tag, 2);
        putLittleEndian (stored, entry.permissions, 2);
        putLittleEndian (stored, entry.id, 4);
    }
    return ::fsetxattr (descriptor, attributeName, stored.data(), stored.size(), 0) == 0;
}

bool AccessControlList::removeFrom (int descriptor)
{
    return ::fremovexattr (descriptor, attributeName) == 0 || errno == ENODATA || errno == ENOTSUP;
}
} // namespace file
