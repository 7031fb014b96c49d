#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>

namespace x48305_menu
{
// The fixed description of every command: its text, category and default
// key. Built on first use, when the texts are looked up in the interface
// language; it lives until the process ends.
class ApplicationCommandTable
{
public:
    struct Entry
    {
        juce::String text;
        juce::String category;
        // The key code in the low 32 bits, the modifier flags in the high
        // 32 bits; 0 for a command without a key.
        std::uint64_t key = 0;

        int getKeyCode() const { return (int) (key & 0xffffffffu); }
        int getModifierFlags() const { return (int) (key >> 32); }
    };

    // The entry of a command id; an empty entry for ids outside the table.
    static const Entry& get (int commandID);
};
} // namespace x48305_menu
