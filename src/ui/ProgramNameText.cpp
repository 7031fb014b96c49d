#include "ui/ProgramNameText.h"

namespace ui
{
namespace
{
bool isNameCharacter (juce::juce_wchar c)
{
    static const juce::String allowed (" ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
                                       "!?#$%&'()*+,-./:;<=>@");
    return allowed.containsChar (c);
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
} // namespace ui
