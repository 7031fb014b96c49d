#pragma once

#include "application/FileChooserDialog.h"

#include <juce_core/juce_core.h>

#include <deque>
#include <optional>
#include <vector>

namespace testsupport
{
// Answers the file choosers in place of a person and records every question.
class ScriptedChooser : public x48305_application::FileChooserDialog
{
public:
    struct Question
    {
        bool forSaving = false;
        juce::String title;
        juce::String extension;
    };

    // The next answers, in order; nothing stands for Cancel.
    void willChoose (const juce::File& file) { answers.push_back (file); }
    void willCancel() { answers.push_back (std::nullopt); }

    std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::String& extension) override;
    std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::String& extension,
                                                const juce::String& suggestedName) override;

    const std::vector<Question>& getQuestions() const { return questions; }
    // Every question so far, each as asked() writes it.
    juce::StringArray getAsked() const;
    bool hasUnusedAnswers() const { return ! answers.empty(); }

private:
    std::optional<juce::File> answer (bool forSaving, const juce::String& title, const juce::String& extension);

    std::deque<std::optional<juce::File>> answers;
    std::vector<Question> questions;
};

// One chooser question as text: "open" or "save", the title of the
// localisation key, the extension.
juce::String asked (bool forSaving, const char* titleKey, const juce::String& extension);
} // namespace testsupport
