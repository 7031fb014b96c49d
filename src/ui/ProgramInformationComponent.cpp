#include "ui/ProgramInformationComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "application/DebugModeModel.h"

namespace
{
std::unique_ptr<juce::TextEditor> makeEditor (const juce::String& name)
{
    auto editor = std::make_unique<juce::TextEditor> (name);
    editor->setMultiLine (false);
    editor->setReturnKeyStartsNewLine (false);
    editor->setReadOnly (false);
    editor->setScrollbarsShown (true);
    editor->setCaretVisible (true);
    editor->setPopupMenuEnabled (true);
    return editor;
}

std::unique_ptr<juce::Label> makeLabel (const juce::String& name, const juce::String& text)
{
    auto label = std::make_unique<juce::Label> (name, text);
    label->setFont (juce::Font (15.0f, juce::Font::plain));
    label->setJustificationType (juce::Justification::centredLeft);
    label->setEditable (false, false, false);
    return label;
}
} // namespace

ProgramInformationComponent::ProgramInformationComponent()
{
    programmerEditor = makeEditor ("programmerEditor");
    programmerLabel = makeLabel ("programmerLabel", "programmer");
    commentEditor = makeEditor ("commentEditor");
    commentLabel = makeLabel ("commentLabel", "comment");

    const bool debugPage = x48305_application::DebugModeModel::getInstance()->debugPage;
    for (auto* child : std::initializer_list<juce::Component*> { programmerEditor.get(), programmerLabel.get(),
                                                                 commentEditor.get(), commentLabel.get() })
    {
        addAndMakeVisible (*child);
        child->setVisible (debugPage);
    }

    setSize (560, 120);
    if (debugPage)
        setSize (getWidth(), 700);

    data::DataChangeBroadcaster::getInstance()->addListener (this);
    x48305_data::CurrentProgramData::getInstance()->addListener (this);
    update();
}

ProgramInformationComponent::~ProgramInformationComponent()
{
    x48305_data::CurrentProgramData::getInstance()->removeListener (this);
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
}

void ProgramInformationComponent::resized()
{
    programmerEditor->setBounds (24, 48, 216, 24);
    programmerLabel->setBounds (24, 16, 150, 24);
    commentEditor->setBounds (288, 48, 216, 24);
    commentLabel->setBounds (288, 16, 150, 24);
}

void ProgramInformationComponent::dataChanged()
{
    update();
}

void ProgramInformationComponent::currentProgramChanged()
{
    update();
}

void ProgramInformationComponent::update()
{
    auto* current = x48305_data::CurrentProgramData::getInstance();
    if (! current->hasCurrentProgram())
    {
        programmerEditor->setText ({}, false);
        commentEditor->setText ({}, false);
        return;
    }

    const auto& information = current->getProgramData().getInformation();
    programmerEditor->setText (information.getProgrammer(), false);
    commentEditor->setText (information.getComment(), false);
}
