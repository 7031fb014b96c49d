#include "application/ForwardedCommandLine.h"

#include <vector>

namespace x48305_application
{
namespace
{
const std::string magic { "SLVN-CL1" };

bool isAcceptableText (const std::string& field)
{
    for (const char c : field)
    {
        const auto byte = static_cast<unsigned char> (c);
        if (byte < 0x20 || byte == 0x7f)
            return false;
    }
    return juce::CharPointer_UTF8::isValidString (field.data(), (int) field.size());
}

bool isAcceptable (const std::string& folder, const std::string& commandLine, std::size_t totalBytes)
{
    return totalBytes <= ForwardedCommandLine::maxMessageBytes
        && ! folder.empty() && folder.front() == '/' && folder.size() <= ForwardedCommandLine::maxFolderBytes
        && isAcceptableText (folder) && isAcceptableText (commandLine);
}

// The NUL-terminated fields of the bytes; nothing may follow the last NUL.
std::optional<std::vector<std::string>> splitFields (const std::string& bytes)
{
    if (bytes.empty() || bytes.back() != '\0')
        return std::nullopt;

    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < bytes.size())
    {
        const auto end = bytes.find ('\0', start);
        fields.push_back (bytes.substr (start, end - start));
        start = end + 1;
    }
    return fields;
}
} // namespace

std::string ForwardedCommandLine::encode() const
{
    const std::string folderBytes (folder.toRawUTF8(), folder.getNumBytesAsUTF8());
    const std::string lineBytes (commandLine.toRawUTF8(), commandLine.getNumBytesAsUTF8());

    std::string bytes;
    bytes.reserve (magic.size() + folderBytes.size() + lineBytes.size() + 3);
    bytes.append (magic).push_back ('\0');
    bytes.append (folderBytes).push_back ('\0');
    bytes.append (lineBytes).push_back ('\0');

    return isAcceptable (folderBytes, lineBytes, bytes.size()) ? bytes : std::string();
}

std::optional<ForwardedCommandLine> ForwardedCommandLine::decode (const std::string& bytes)
{
    if (bytes.size() > maxMessageBytes)
        return std::nullopt;

    const auto fields = splitFields (bytes);
    if (! fields || fields->size() != 3 || (*fields)[0] != magic)
        return std::nullopt;

    const auto& folderBytes = (*fields)[1];
    const auto& lineBytes = (*fields)[2];
    if (! isAcceptable (folderBytes, lineBytes, bytes.size()))
        return std::nullopt;

    return ForwardedCommandLine { juce::String::fromUTF8 (folderBytes.data(), (int) folderBytes.size()),
                                  juce::String::fromUTF8 (lineBytes.data(), (int) lineBytes.size()) };
}
} // namespace x48305_application
