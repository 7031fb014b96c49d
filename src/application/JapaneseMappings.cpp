#include "application/JapaneseMappings.h"

#include "application/CurrentLanguageModel.h"

namespace x48305_application
{
namespace
{
// UTF-8 bytes; the keys are compared case-sensitively.
const char japaneseMappingText[] =
    "language: Japanese\n"
    "countries: ja\n"
    "\n"
    "\"Cut\" = \"\xe3\x82\xab\xe3\x83\x83\xe3\x83\x88\"\n"
    "\"Copy\" = \"\xe3\x82\xb3\xe3\x83\x94\xe3\x83\xbc\"\n"
    "\"Paste\" = \"\xe3\x83\x9a\xe3\x83\xbc\xe3\x82\xb9\xe3\x83\x88\"\n"
    "\"Delete\" = \"\xe3\x82\xaf\xe3\x83\xaa\xe3\x82\xa2\"\n"
    "\"Select All\" = \"\xe3\x81\x99\xe3\x81\xb9\xe3\x81\xa6\xe3\x82\x92\xe9\x81\xb8\xe6\x8a\x9e\"\n"
    "\"Undo\" = \"\xe5\x85\x83\xe3\x81\xab\xe6\x88\xbb\xe3\x81\x99\"\n"
    "\"Redo\" = \"\xe3\x82\x84\xe3\x82\x8a\xe7\x9b\xb4\xe3\x81\x99\"\n"
    "\"OK\" = \"OK\"\n"
    "\"Cancel\" = \"\xe3\x82\xad\xe3\x83\xa3\xe3\x83\xb3\xe3\x82\xbb\xe3\x83\xab\"\n"
    "\"Yes\" = \"\xe3\x81\xaf\xe3\x81\x84\"\n"
    "\"No\" = \"\xe3\x81\x84\xe3\x81\x84\xe3\x81\x88\"\n";
} // namespace

juce::String getJapaneseMappingText()
{
    return juce::String::fromUTF8 (japaneseMappingText, (int) sizeof (japaneseMappingText) - 1);
}

void installJapaneseMappings()
{
    if (! CurrentLanguageModel::getInstance()->isJapanese)
        return;

    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (getJapaneseMappingText(), false));
}
} // namespace x48305_application
