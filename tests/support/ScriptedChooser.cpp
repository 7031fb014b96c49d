#include "support/ScriptedChooser.h"

#include "application/CPXWResource.h"

#include <gtest/gtest.h>

namespace testsupport
{
std::optional<juce::File> ScriptedChooser::chooseFileToOpen (const juce::String& title, const juce::String& extension)
{
    return answer (false, title, extension);
}

std::optional<juce::File> ScriptedChooser::chooseFileToSave (const juce::String& title, const juce::String& extension,
                                                             const juce::String&)
{
    return answer (true, title, extension);
}

std::optional<juce::File> ScriptedChooser::answer (bool forSaving, const juce::String& title,
                                                   const juce::String& extension)
{
    questions.push_back ({ forSaving, title, extension });
    if (answers.empty())
    {
        ADD_FAILURE() << "a chooser \"" << title << "\" was shown that the test did not expect";
        return std::nullopt;
    }
    auto next = answers.front();
    answers.pop_front();
    return next;
}

juce::StringArray ScriptedChooser::getAsked() const
{
    juce::StringArray all;
    for (const auto& question : questions)
        all.add (juce::String (question.forSaving ? "save" : "open") + "|" + question.title + "|" + question.extension);
    return all;
}

juce::String asked (bool forSaving, const char* titleKey, const juce::String& extension)
{
    return juce::String (forSaving ? "save" : "open") + "|" + getLocalizedText (titleKey) + "|" + extension;
}
} // namespace testsupport
