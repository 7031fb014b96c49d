#include "file/FileExtensionChecker.h"

namespace file
{
FileExtensionChecker::FileExtensionChecker (const juce::String& ext)
    : extension (ext.startsWithChar ('.') ? ext : "." + ext)
{
}

juce::File FileExtensionChecker::applyExtension (const juce::File& file) const
{
    return file.getParentDirectory().getChildFile (file.getFileNameWithoutExtension() + extension);
}
} // namespace file
