#include "ui/ProgramInformationComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "application/DebugModeModel.h"
#include "ui/DialogContent.h"

ProgramInformationComponent::ProgramInformationComponent()
{
    programmerEditor = x48305_ui::makeTextField ("programmerEditor");
    programmerLabel = x48305_ui::makeCaption ("programmerLabel", "programmer");
    commentEditor = x48305_ui::makeTextField ("commentEditor");
    commentLabel = x48305_ui::makeCaption ("commentLabel", "comment");

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
