#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <sys/types.h>

namespace file
{
// A file's POSIX access control list as the system stores it, in the extended
// attribute "system.posix_acl_access". Permissions are read, write and execute
// bits as in one digit of a mode.
class AccessControlList
{
public:
    // The list of the file at the path (a link there is not followed). A file
    // without one, or on a file system without them, has an empty list; a
    // list that cannot be read or understood counts as one that gives
    // everybody but the owner nothing and cannot be carried.
    static AccessControlList of (const std::string& path);

    // What the file's group, everybody else, and the least of what the users
    // and groups the list names, may do, for a file of this mode; without a
    // list, the mode's bits and everything.
    struct Permissions
    {
        mode_t group;
        mode_t others;
        mode_t named;
    };
    Permissions permissions (mode_t mode) const;

    // The file's group and everybody else get at most the given permissions.
    void limitGroupAndOthersTo (mode_t permissions);

    // Gives the list to the file open on the descriptor; true also when there
    // is no list to give.
    bool applyTo (int descriptor) const;

    // Takes from the file open on the descriptor the list it has (as a new
    // file gets one from its folder's default list); true also when it had
    // none or its file system knows none.
    static bool removeFrom (int descriptor);

private:
    struct Entry
    {
        std::uint16_t tag;
        std::uint16_t permissions;
        std::uint32_t id;
    };

    enum class State
    {
        none,
        known,
        unknown
    };

    bool read (const std::vector<char>& stored);

    State state = State::none;
    std::vector<Entry> entries;
};
} // namespace file
