#include "ui/ProgramNameText.h"

namespace ui
{
namespace
{
// The record holds 12 bytes of name.
constexpr int nameLength = 12;

const juce::String& nameCharacters()
{
    static const juce::String allowed (" ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                                       "!?#$%&'()*+,-./:;<=>@");
    return allowed;
}

bool isNameCharacter (juce::juce_wchar c)
{
    return nameCharacters().containsChar (c);
}
} // namespace

FilteredProgramName filterProgramName (const juce::String& typed)
{
    FilteredProgramName result;
    for (auto it = typed.getCharPointer(); ! it.isEmpty(); ++it)
    {
        const auto c = *it;
        if (isNameCharacter (c))
        {
            result.text.push_back ((char) c);
        }
        else
        {
            result.text.push_back (' ');
            ++result.replaced;
        }
    }
    return result;
}

void restrictToProgramName (juce::TextEditor& editor)
{
    editor.setInputRestrictions (nameLength, nameCharacters());
}
} // namespace ui
