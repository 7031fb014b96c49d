#pragma once

#include <juce_core/juce_core.h>

namespace testsupport
{
// The start-up steps that interface tests need before they build a window:
// the interface typeface becomes the default (so that Japanese texts render
// with a face that has their glyphs) and the named fonts are registered.
// Safe to call from every test.
void setUpInterfaceFonts();

// For a test area whose windows read the preferences (stored below $HOME):
// the program's own home folder (processHome), with the start-up preference
// defaults, the interface fonts and the list fonts that the preferences
// choose.
void setUpInterfaceHome();

// Speaks the given language for the scope: the language model's flag, the
// localisation resource and the framework's Japanese words all switch, and
// switch back at the end.
class ScopedInterfaceLanguage
{
public:
    explicit ScopedInterfaceLanguage (bool japanese);
    ~ScopedInterfaceLanguage();

private:
    bool previous;

    ScopedInterfaceLanguage (const ScopedInterfaceLanguage&) = delete;
    ScopedInterfaceLanguage& operator= (const ScopedInterfaceLanguage&) = delete;
};
} // namespace testsupport
