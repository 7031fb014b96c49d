#pragma once

#include <juce_core/juce_core.h>

namespace l10ntest
{
// A fresh folder below the system's temporary folder, removed with its
// contents when the object goes.
class TempFolder
{
public:
    TempFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                      .getNonexistentChildFile ("slvn-l10n-test", "", false))
    {
        folder.createDirectory();
    }

    ~TempFolder() { folder.deleteRecursively(); }

    const juce::File& get() const { return folder; }

    juce::File write (const juce::String& name, const juce::String& text) const
    {
        auto file = folder.getChildFile (name);
        file.getParentDirectory().createDirectory();
        file.replaceWithText (text, false, false, nullptr);
        return file;
    }

private:
    juce::File folder;
};
} // namespace l10ntest
