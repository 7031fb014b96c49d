#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Forces one extension onto a file name chosen in a save dialog.
class FileExtensionChecker
{
public:
    explicit FileExtensionChecker (const juce::String& extension);
    virtual ~FileExtensionChecker() = default;

    // The file in the same folder, its last extension replaced by ours.
    juce::File applyExtension (const juce::File& file) const;

    const juce::String& getExtension() const { return extension; }

private:
    juce::String extension;
};
} // namespace file
