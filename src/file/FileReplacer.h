#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Saves a complete file image without ever leaving the user without a file:
// the bytes go to a new temporary file beside the target (hidden, named
// "." + the target's name + ".saving", shortened to fit the folder's limit
// for names, or a variant with a random tag when that name is held), are
// flushed to the disk, and only then does the temporary file take the
// target's place in one rename, after which the folder is flushed too. On
// every failure before the rename the temporary file is removed and the
// previous target is left as it was. The target is the file that opening the
// path reaches, links resolved as the system resolves them, with its
// protection of shared folders (the links stay); the new file keeps the
// replaced one's access as far as this user may set it, and gives nobody more
// than the old one did (see carryAccessOver).
//
// Returns a WriteResultCode: WriteErrorDeleteFile when an existing target
// cannot be replaced (it is a folder, a device or a pipe, its folder is not
// writable, or the final rename fails), WriteErrorOpenFile when the
// temporary file cannot be created or the links run in a loop, further than
// the system follows them, or through a link in a shared folder that the
// system would refuse to follow, WriteErrorWriteData when writing or flushing
// it fails, or when the folder cannot be flushed after the rename: the
// target then holds the new content, but a crash could still bring the old
// one back, so the save is not reported as done.
int replaceFileContent (const juce::File& target, const void* data, size_t numBytes);
int replaceFileContent (const juce::File& target, const juce::MemoryBlock& content);

// What replaceFileContent did, for callers that must know whether a failed
// save already put the new content in the target's place (only the folder's
// flush after the rename failed).
struct Replacement
{
    int result;
    bool contentInPlace;
};
Replacement replaceFile (const juce::File& target, const void* data, size_t numBytes);

// True when replaceFileContent would refuse an existing target up front.
bool existingFileCannotBeReplaced (const juce::File& target);
} // namespace file
