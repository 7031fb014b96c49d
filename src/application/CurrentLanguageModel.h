#pragma once

#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace x48305_application
{
// Which language the interface speaks and which typeface draws it. The
// language is read once at start-up from the POSIX locale of the process.
class CurrentLanguageModel : public Singleton<CurrentLanguageModel>,
                             public juce::DeletedAtShutdown
{
public:
    CurrentLanguageModel() = default;

    // isJapanese := the locale's language code is "ja".
    void detectLanguage();

    // The language code of a locale: the first non-empty of LC_ALL,
    // LC_MESSAGES and LANG, cut before '_', '.' or '@' ("ja_JP.UTF-8" -> "ja").
    // Empty when none of them is set.
    static juce::String languageCodeFromLocale (const char* lcAll, const char* lcMessages, const char* lang);
    static juce::String languageCodeOfEnvironment();

    bool isJapanese = false;
    juce::String typefaceName;
};
} // namespace x48305_application
