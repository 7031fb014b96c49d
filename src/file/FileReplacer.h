#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Saves a complete file image without ever leaving the user without a file:
// the bytes go to a new temporary file beside the target (hidden, named
// "." + the target's name + ".saving", or a numbered variant when another
// program holds that name), are flushed to the disk, and only then does the
// temporary file take the target's place in one rename. On every failure the
// temporary file is removed and the previous target is left as it was. The
// target is the file that opening the path reaches, links resolved as the
// system resolves them (the links stay); the new file keeps the replaced
// one's permission bits, and its owner and group where this user may set them.
//
// Returns a WriteResultCode: WriteErrorDeleteFile when an existing target
// cannot be replaced (it is a folder, its folder is not writable, or the
// final rename fails), WriteErrorOpenFile when the temporary file cannot be
// created or the links run in a loop, WriteErrorWriteData when writing or
// flushing it fails.
int replaceFileContent (const juce::File& target, const void* data, size_t numBytes);
int replaceFileContent (const juce::File& target, const juce::MemoryBlock& content);

// True when replaceFileContent would refuse an existing target up front.
bool existingFileCannotBeReplaced (const juce::File& target);
} // namespace file
