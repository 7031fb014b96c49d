#include "application/CommandLineText.h"

#include <gtest/gtest.h>

namespace
{
using x48305_application::tokeniseCommandLine;

juce::String describe (const juce::StringArray& tokens)
{
    juce::StringArray shown;
    for (const auto& token : tokens)
        shown.add ("[" + token + "]");
    return shown.joinIntoString ("");
}

TEST (CommandLineTextTest, TokenisesCharacterByCharacter)
{
    struct Case
    {
        const char* commandLine;
        const char* tokens;
    };
    const Case cases[] = {
        { "", "" },
        { "a.slvnlib", "[a.slvnlib]" },
        { "a b", "[a][b]" },
        // A space always ends a token, even an empty one; a trailing empty
        // token is dropped.
        { "a  b", "[a][][b]" },
        { " a", "[][a]" },
        { "a ", "[a]" },
        // Quotes keep spaces and are dropped; the closing quote ends the
        // token, so the space after it ends an empty one.
        { "\"/my files/a.slvnlib\"", "[/my files/a.slvnlib]" },
        { "-NSDocumentRevisionsDebugMode YES \"/my files/a.slvnlib\"",
          "[-NSDocumentRevisionsDebugMode][YES][/my files/a.slvnlib]" },
        { "\"a b\" c", "[a b][][c]" },
        { "x\"y z\"w", "[xy z][w]" },
        { "\"\"", "[]" },
        // An unclosed quote keeps everything up to the end.
        { "\"open ended", "[open ended]" },
        { "\"é ü\" ж", "[é ü][][ж]" },
    };

    for (const auto& c : cases)
        EXPECT_EQ (describe (tokeniseCommandLine (juce::String::fromUTF8 (c.commandLine))),
                   juce::String::fromUTF8 (c.tokens))
            << c.commandLine;
}
} // namespace
