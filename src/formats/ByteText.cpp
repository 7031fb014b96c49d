#include "formats/ByteText.h"

#include <vector>

namespace formats
{
juce::String textFromByteField (const void* field, std::size_t fieldSize)
{
    if (field == nullptr)
        return {};

    const auto* bytes = static_cast<const juce::uint8*> (field);
    std::vector<juce::juce_wchar> characters;
    characters.reserve (fieldSize + 1);
    for (std::size_t i = 0; i < fieldSize && bytes[i] != 0; ++i)
        characters.push_back ((juce::juce_wchar) bytes[i]);
    characters.push_back (0);

    return juce::String (juce::CharPointer_UTF32 (characters.data()));
}
} // namespace formats
