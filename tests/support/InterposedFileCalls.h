#pragma once

#include <juce_core/juce_core.h>

#include <sys/types.h>

#include <functional>

namespace testsupport
{
// The file beside this header defines fsync, fchown and fsetxattr, and a
// definition in the test executable takes the place of the C library's for
// the program's own calls. It is linked into the executables that use one of
// the classes below; outside the life of their objects the calls do what the
// system's do.

// While it lives, every flush of a folder (as a save makes after its rename)
// first calls the hook with that folder; a non-zero result is the errno the
// flush then fails with, without flushing.
class InterposedFolderSync
{
public:
    using Hook = std::function<int (const juce::File& folder)>;

    explicit InterposedFolderSync (Hook hook);
    ~InterposedFolderSync();

    InterposedFolderSync (const InterposedFolderSync&) = delete;
    InterposedFolderSync& operator= (const InterposedFolderSync&) = delete;

private:
    Hook hook;
};

// While it lives, every change of a file's owner and group first calls the
// hook with the owner and group asked for ((uid_t) -1 or (gid_t) -1 for one
// that stays); a non-zero result is the errno the change then fails with, as
// for a user who may not make it (also when the tests run as the superuser).
class InterposedOwnerChange
{
public:
    using Hook = std::function<int (uid_t owner, gid_t group)>;

    explicit InterposedOwnerChange (Hook hook);
    ~InterposedOwnerChange();

    InterposedOwnerChange (const InterposedOwnerChange&) = delete;
    InterposedOwnerChange& operator= (const InterposedOwnerChange&) = delete;

private:
    Hook hook;
};

// While it lives, every setting of an extended attribute on an open file
// first calls the hook with the attribute's name; a non-zero result is the
// errno the setting then fails with, as on a file system that refuses it.
class InterposedAttributeChange
{
public:
    using Hook = std::function<int (const juce::String& name)>;

    explicit InterposedAttributeChange (Hook hook);
    ~InterposedAttributeChange();

    InterposedAttributeChange (const InterposedAttributeChange&) = delete;
    InterposedAttributeChange& operator= (const InterposedAttributeChange&) = delete;

private:
    Hook hook;
};
} // namespace testsupport
