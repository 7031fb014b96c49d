#pragma once

#include <string>

#include <sys/stat.h>

namespace file
{
// Gives a new file, open on the descriptor and created private by this user,
// what the replaced file at the path (no link) had: its extended attributes
// of the user namespace "user." where the file system takes them, its owner
// and group, or its group alone, where this user may set them, its permission
// bits without the setuid, setgid and sticky bits, and its access control
// list. Nobody may do more with the new file than with the old one: where
// the group cannot be kept, the file's group and everybody else each get only
// what both the old group and everybody else had; where the list cannot be
// carried, the file's group and everybody else get no more than anyone the
// list named. Attributes of the other namespaces stay with the old file: they
// carry privileges, security labels or checksums that the system keeps.
// False when the permission bits cannot be set.
bool carryAccessOver (int descriptor, const std::string& replacedPath, const struct stat& replaced);
} // namespace file
