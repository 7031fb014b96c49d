#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <string>

namespace x48305_application
{
// What a second launch hands to the running instance: the folder it was
// started in (relative file paths on its command line mean files there) and
// its arguments, each exactly as the system handed it to the process.
//
// On the wire: "SLVN-CL2", a NUL, the folder, a NUL, then each argument
// followed by a NUL, all UTF-8. The receiver treats the bytes as outside
// input: decode accepts only a message of at most maxMessageBytes made of
// these fields, valid UTF-8, an absolute folder of at most maxFolderBytes,
// and no control characters.
struct ForwardedCommandLine
{
    juce::String folder;
    juce::StringArray arguments;

    static constexpr std::size_t maxMessageBytes = 64 * 1024;
    static constexpr std::size_t maxFolderBytes = 4096;

    // The message's bytes; empty when the result would not pass decode
    // (too long, a relative folder, a control character).
    std::string encode() const;

    static std::optional<ForwardedCommandLine> decode (const std::string& bytes);
};
} // namespace x48305_application
