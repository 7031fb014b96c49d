#include "PanesFixture.h"

#include "action/DataEditStatus.h"
#include "action/LibraryActions.h"
#include "library/CurrentProgramData.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"

namespace panestest
{
namespace
{
// The preferences store lives below $HOME: this area gets a home of its own,
// with the start-up defaults and list fonts.
class InterfaceEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        testsupport::setUpInterfaceHome();
        x48305_data::CurrentProgramData::setBackgroundSender ([] (const x48305_data::ProgramData&) {});

        // The display's own pointer goes to a corner that no window of these
        // tests covers: windows that appear or move under it (drag images
        // among them) would otherwise report it entering, and its position,
        // in between the events the tests send.
        if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
            juce::Desktop::setMousePosition (display->totalArea.getBottomRight() - juce::Point<int> (1, 1));
        testsupport::runMessageLoop (50);
    }

    void TearDown() override { x48305_data::CurrentProgramData::setBackgroundSender ({}); }
};

const auto* const environment = testing::AddGlobalTestEnvironment (new InterfaceEnvironment);
} // namespace

x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

x48305_data::UserData& units()
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}

application::ApplicationUndoManager& undoManager()
{
    return *application::ApplicationUndoManager::getInstance();
}

void resetLibrary()
{
    auto& lib = library();
    lib = x48305_data::LibraryData();
    for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
        lib.getProgram (p).setName (juce::String::formatted ("Prog %03d", p).toStdString());
    lib.getFavoriteData().reset();
    units() = x48305_data::UserData();
    x48305_data::CurrentProgramData::getInstance()->clearCurrentProgram();
    undoManager().clearUndoHistory();
    application::DataEditStatus::getInstance()->clearEdited();
}

std::string nameOf (int program)
{
    return juce::String (library().getProgram (program).getName()).trimEnd().toStdString();
}

void makeEarlierEdit()
{
    undoManager().beginNewTransaction ("Earlier");
    undoManager().perform (new x48305_action::SetProgramNameAction (250, "Earlier", library().getProgram (250)));
    testsupport::runMessageLoop (20);
}

void expectOneUndoStep (const juce::String& name)
{
    if (undoManager().getUndoDescription() != name)
    {
        ADD_FAILURE() << "the last undo step is \"" << undoManager().getUndoDescription() << "\", not " << name;
        return;
    }
    undoManager().undo();
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier") << "more than one undo step for " << name;
    EXPECT_EQ (nameOf (250), "Earlier");
    testsupport::runMessageLoop (20);
}

ProgramTab::ProgramTab()
{
    addAndMakeVisible (left);
    addAndMakeVisible (right);
    setSize (1110, 620);
}

void ProgramTab::resized()
{
    left.setBounds (0, 0, getWidth(), 400);
    right.setBounds (0, 400, 870, 220);
}

ShownWindow::ShownWindow (std::unique_ptr<juce::Component> content, juce::Point<int> topLeft, const juce::String& title)
    : contentComponent (std::move (content))
{
    documentWindow = std::make_unique<juce::DocumentWindow> (title, juce::Colours::black, 0, true);
    documentWindow->setContentNonOwned (contentComponent.get(), true);
    documentWindow->setTopLeftPosition (topLeft);
    documentWindow->setVisible (true);
    testsupport::runMessageLoop (50);
}

ShownWindow::~ShownWindow()
{
    documentWindow->clearContentComponent();
    contentComponent.reset();
    documentWindow.reset();
    testsupport::runMessageLoop (20);
}

} // namespace panestest
