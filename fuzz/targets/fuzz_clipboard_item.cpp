// The clipboard text that Paste decodes: taken as the desktop clipboard hands
// it over (UTF-8 text), decoded as an item of the program type, and the bytes
// of a well-formed item read as a pasted program.
#include "application/CPXWClipboard.h"
#include "application/ProgramClipboard.h"
#include "library/ProgramData.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    // A terminated copy, as a text arrives from the clipboard.
    const std::string bytes (reinterpret_cast<const char*> (data), size);
    const auto text = juce::String::fromUTF8 (bytes.c_str(), (int) bytes.size());

    const juce::String type (x48305_application::ProgramClipboard::programDataType);
    juce::MemoryBlock item;
    if (! CPXWClipboard::decode (type, text, item))
    {
        // A refused text leaves no bytes behind.
        if (item.getSize() != 0)
            __builtin_trap();
        return 0;
    }

    // Only what encode writes is an item.
    if (CPXWClipboard::encode (type, item) != text)
        __builtin_trap();

    x48305_data::ProgramData program;
    (void) x48305_application::ProgramClipboard::readProgram (item, program);
    return 0;
}
