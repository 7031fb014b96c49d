#pragma once

#include <juce_core/juce_core.h>

// The desktop clipboard as a store of typed binary items. The desktop
// clipboard carries text only, so an item travels as text that only this
// program writes: the type name, a separator and the bytes in base64. Any
// other text on the clipboard (plain text copied elsewhere) is no item of any
// type. The content outlives this program only where a clipboard manager
// keeps it. A stack object; message thread only.
class CPXWClipboard
{
public:
    // The longest clipboard text that is taken as an item. Longer texts are
    // refused before they are decoded, so a huge foreign text costs nothing
    // more than reading it once.
    static constexpr int maxTextLength = 1 << 20;

    // The clipboard holds an item of the type.
    bool hasData (const juce::String& type) const;

    // Replaces the clipboard's content with the item. True only when the
    // clipboard, read back, holds exactly this item. An item too long for
    // the clipboard leaves the clipboard empty.
    bool setData (const juce::String& type, const juce::MemoryBlock& bytes) const;

    // Reads the clipboard once: true, with the item's bytes, when it holds a
    // well-formed item of the type within the length limit; false, with the
    // output emptied, otherwise.
    bool getData (const juce::String& type, juce::MemoryBlock& bytes) const;

    // The clipboard text of an item.
    static juce::String encode (const juce::String& type, const juce::MemoryBlock& bytes);

    // The item's bytes from a clipboard text; false for any text that is no
    // well-formed item of the type within the length limit.
    static bool decode (const juce::String& type, const juce::String& text, juce::MemoryBlock& bytes);
};
