#include "application/CommandLineText.h"

namespace x48305_application
{
juce::StringArray tokeniseCommandLine (const juce::String& commandLine)
{
    juce::StringArray tokens;
    juce::String token;
    bool quoted = false;

    for (auto p = commandLine.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (quoted)
        {
            if (c == '"')
            {
                tokens.add (token);
                token.clear();
                quoted = false;
            }
            else
            {
                token += c;
            }
        }
        else if (c == '"')
        {
            quoted = true;
        }
        else if (c == ' ')
        {
            tokens.add (token);
            token.clear();
        }
        else
        {
            token += c;
        }
    }

    if (token.isNotEmpty())
        tokens.add (token);

    return tokens;
}

} // namespace x48305_application
