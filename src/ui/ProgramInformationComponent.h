#pragma once

#include "action/DataChangeObserver.h"
#include "library/CurrentProgramData.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The programmer and comment texts of the current program, for looking at
// them while debugging: the fields show only in debug mode, and what is typed
// into them is not kept.
class ProgramInformationComponent : public juce::Component,
                                    public data::DataChangeObserver,
                                    public x48305_data::CurrentProgramDataObserver
{
public:
    ProgramInformationComponent();
    ~ProgramInformationComponent() override;

    void paint (juce::Graphics&) override {}
    void resized() override;
    void dataChanged() override;
    void currentProgramChanged() override;

    // Re-reads both texts of the current program (empty without one).
    void update();

    juce::TextEditor& getProgrammerEditor() { return *programmerEditor; }
    juce::TextEditor& getCommentEditor() { return *commentEditor; }

private:
    std::unique_ptr<juce::TextEditor> programmerEditor;
    std::unique_ptr<juce::Label> programmerLabel;
    std::unique_ptr<juce::TextEditor> commentEditor;
    std::unique_ptr<juce::Label> commentLabel;

    JUCE_DECLARE_NON_COPYABLE (ProgramInformationComponent)
};
