#pragma once

#include <juce_core/juce_core.h>

namespace ui
{
// Library, program and preset files dropped on the main window: the first
// dropped path with one of the three extensions is opened (library), loaded
// into the one selected program (program) or imported (preset); every other
// path is ignored. Nothing happens while a modal dialog is open.
class LibraryFileDrop
{
public:
    // True when no dialog is open and some path has one of the extensions
    // (in any letter case).
    static bool isInterestedIn (const juce::StringArray& paths);

    static void drop (const juce::StringArray& paths);

private:
    // The first path with one of the extensions, or an empty string.
    static juce::String firstAcceptedPath (const juce::StringArray& paths);
};
} // namespace ui
