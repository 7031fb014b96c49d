#include "application/ForwardedCommandLine.h"

#include "formats/Utf8Text.h"

#include <vector>

namespace x48305_application
{
namespace
{
const std::string magic { "SLVN-CL2" };

bool isAcceptableText (const std::string& field)
{
    for (const char c : field)
    {
        const auto byte = static_cast<unsigned char> (c);
        if (byte < 0x20 || byte == 0x7f)
            return false;
    }
    return formats::isWellFormedUtf8 (field.data(), field.size());
}

bool isAcceptable (const std::string& folder, const std::vector<std::string>& arguments, std::size_t totalBytes)
{
    if (totalBytes > ForwardedCommandLine::maxMessageBytes || folder.empty() || folder.front() != '/'
        || folder.size() > ForwardedCommandLine::maxFolderBytes || ! isAcceptableText (folder))
        return false;
    for (const auto& argument : arguments)
        if (! isAcceptableText (argument))
            return false;
    return true;
}

std::string bytesOf (const juce::String& text)
{
    return std::string (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

juce::String textOf (const std::string& bytes)
{
    return juce::String::fromUTF8 (bytes.data(), (int) bytes.size());
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
    const auto folderBytes = bytesOf (folder);
    std::vector<std::string> argumentBytes;
    for (const auto& argument : arguments)
        argumentBytes.push_back (bytesOf (argument));

    std::string bytes;
    bytes.append (magic).push_back ('\0');
    bytes.append (folderBytes).push_back ('\0');
    for (const auto& argument : argumentBytes)
        bytes.append (argument).push_back ('\0');

    return isAcceptable (folderBytes, argumentBytes, bytes.size()) ? bytes : std::string();
}

std::optional<ForwardedCommandLine> ForwardedCommandLine::decode (const std::string& bytes)
{
    if (bytes.size() > maxMessageBytes)
        return std::nullopt;

    const auto fields = splitFields (bytes);
    if (! fields || fields->size() < 2 || (*fields)[0] != magic)
        return std::nullopt;

    const auto& folderBytes = (*fields)[1];
    const std::vector<std::string> argumentBytes (fields->begin() + 2, fields->end());
    if (! isAcceptable (folderBytes, argumentBytes, bytes.size()))
        return std::nullopt;

    ForwardedCommandLine decoded { textOf (folderBytes), {} };
    for (const auto& argument : argumentBytes)
        decoded.arguments.add (textOf (argument));
    return decoded;
}
} // namespace x48305_application
