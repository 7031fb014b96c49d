#include "file/PresetFileNames.h"

#include "file/FileExtensions.h"

namespace x48305_file
{
namespace
{
bool isControlCharacter (juce::juce_wchar c)
{
    return c < 0x20 || c == 0x7f || (c >= 0x80 && c <= 0x9f);
}

bool needsEscape (juce::juce_wchar c, bool isFirst)
{
    return c == '%' || c == '/' || c == '\\' || isControlCharacter (c) || (isFirst && c == '.');
}

void appendEscaped (juce::String& result, juce::juce_wchar c)
{
    const juce::String single = juce::String::charToString (c);
    const char* bytes = single.toRawUTF8();
    for (size_t i = 0; i < single.getNumBytesAsUTF8(); ++i)
        result << '%' << juce::String::toHexString ((int) (uint8_t) bytes[i]).paddedLeft ('0', 2).toUpperCase();
}
} // namespace

juce::String getInstalledPresetFileName (const juce::String& dataID)
{
    if (dataID.isEmpty())
        return "%" + file::installedPresetFileExtension;

    juce::String result;
    bool isFirst = true;
    for (auto p = dataID.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const juce::juce_wchar c = *p;
        if (needsEscape (c, isFirst))
            appendEscaped (result, c);
        else
            result << juce::String::charToString (c);
        isFirst = false;
    }
    return result + file::installedPresetFileExtension;
}

bool isPlainFileName (const juce::String& name)
{
    if (name.isEmpty() || name == "." || name == "..")
        return false;

    for (auto p = name.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const juce::juce_wchar c = *p;
        if (c == '/' || c == '\\' || isControlCharacter (c))
            return false;
    }
    return true;
}

juce::File getFileInsideFolder (const juce::File& folder, const juce::String& name)
{
    if (folder == juce::File() || ! isPlainFileName (name))
        return {};

    // Joined by hand: getChildFile would read a leading '~' as the home folder.
    const juce::File result (folder.getFullPathName() + juce::File::getSeparatorString() + name);
    if (result.getParentDirectory() != folder || result.getFileName() != name)
        return {};
    return result;
}
} // namespace x48305_file
