#include "application/CurrentLanguageModel.h"

#include <cstdlib>

namespace x48305_application
{
void CurrentLanguageModel::detectLanguage()
{
    isJapanese = languageCodeOfEnvironment() == "ja";
}

juce::String CurrentLanguageModel::languageCodeFromLocale (const char* lcAll, const char* lcMessages, const char* lang)
{
    const char* chosen = nullptr;

    for (auto* candidate : { lcAll, lcMessages, lang })
    {
        if (candidate != nullptr && candidate[0] != 0)
        {
            chosen = candidate;
            break;
        }
    }

    if (chosen == nullptr)
        return {};

    auto locale = juce::String::fromUTF8 (chosen);
    auto end = locale.indexOfAnyOf ("_.@");
    return end < 0 ? locale : locale.substring (0, end);
}

juce::String CurrentLanguageModel::languageCodeOfEnvironment()
{
    return languageCodeFromLocale (std::getenv ("LC_ALL"), std::getenv ("LC_MESSAGES"), std::getenv ("LANG"));
}
} // namespace x48305_application
