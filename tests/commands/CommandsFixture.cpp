#include "CommandsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationQuitRules.h"
#include "application/DebugModeModel.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "midi/MidiDeviceManager.h"
#include "support/LibraryFixtures.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"
#include "support/midi/JobRig.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

#include <algorithm>

namespace commandstest
{
namespace
{
// The preferences, the marker files and the preset store live below the home folder.
[[maybe_unused]] const testsupport::TemporaryHome& privateHome = testsupport::processHome();

// The transfers talk to a simulated instrument on the virtual backend: the
// device manager must be made on it before anything else asks for it.
class VirtualMidi : public testing::Environment
{
public:
    void SetUp() override { devicetest::JobRig::manager(); }
};

[[maybe_unused]] testing::Environment* const virtualMidi = testing::AddGlobalTestEnvironment (new VirtualMidi);

application::ApplicationUndoManager& undoManager()
{
    return *application::ApplicationUndoManager::getInstance();
}
} // namespace

void CommandsTest::SetUp()
{
    testsupport::setUpInterfaceFonts();
    ASSERT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);

    auto* store = x48305_data::DataCenter::getInstance();
    store->getLibraryData() = x48305_data::LibraryData();
    store->getUserData() = x48305_data::UserData();
    store->getUserUnitsMatch().returnTo (x48305_data::UserUnitsMatch::State::notInDoubt);
    undoManager().clearUndoHistory();
    application::DataEditStatus::getInstance()->clearEdited();
    application::LastSavedFileStatus::getInstance()->setFile ({});

    x48305_data::CurrentProgramData::setBackgroundSender ([] (const x48305_data::ProgramData&) {});
    selectPrograms ({ 0 });
    selectTab (ui::SelectedTabStatus::programListTab);
    ui::SelectedUserOscStatus::getInstance()->setSelected ({ 0 });
    ui::SelectedUserModFXStatus::getInstance()->setSelected ({ 0 });
    ui::SelectedUserDelFXStatus::getInstance()->setSelected ({ 0 });
    ui::SelectedUserRevFXStatus::getInstance()->setSelected ({ 0 });

    auto* modes = x48305_application::DebugModeModel::getInstance();
    modes->setDeveloperMode (false);
    modes->setDebugMode (false);
    midi::deviceScanFinished = true;

    x48305_application::ApplicationQuitRules::setQuitAction ([this] { ++quitRequests; });
    menus().getCommandTarget().setFileChooser (&chooser);
    testsupport::runMessageLoop (20);
}

void CommandsTest::TearDown()
{
    EXPECT_FALSE (chooser.hasUnusedAnswers()) << "a chooser the test expected was not shown";
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    menus().getCommandTarget().setFileChooser (nullptr);
    x48305_application::ApplicationQuitRules::setQuitAction ({});
    x48305_data::CurrentProgramData::setBackgroundSender ({});
    midi::deviceScanFinished = true;
    testsupport::runMessageLoop (20);
}

bool CommandsTest::isEnabled (int commandID)
{
    juce::ApplicationCommandInfo info (commandID);
    if (commandManager().getTargetForCommand (commandID, info) == nullptr)
        return false;
    return (info.flags & juce::ApplicationCommandInfo::isDisabled) == 0;
}

bool CommandsTest::invoke (int commandID)
{
    return commandManager().invokeDirectly (commandID, false);
}

x48305_data::LibraryData& CommandsTest::library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

void CommandsTest::selectPrograms (const std::vector<int>& numbers)
{
    ui::SelectedProgramStatus::getInstance()->setSelected (numbers);
}

void CommandsTest::selectTab (int tab)
{
    ui::SelectedTabStatus::getInstance()->setTab (tab, "tab " + juce::String (tab));
}

void CommandsTest::markEdited()
{
    testsupport::markLibraryEdited();
}

bool CommandsTest::isEdited()
{
    return application::DataEditStatus::getInstance()->isEdited();
}

juce::File CommandsTest::currentFile()
{
    return application::LastSavedFileStatus::getInstance()->getFile();
}

juce::StringArray CommandsTest::undoSteps()
{
    // The undo manager lists the newest step first.
    auto steps = undoManager().getUndoDescriptions();
    std::reverse (steps.begin(), steps.end());
    return steps;
}

bool CommandsTest::canUndo()
{
    return undoManager().canUndo();
}

void CommandsTest::undo()
{
    undoManager().undo();
}

x48305_data::ProgramData CommandsTest::makeProgram (const std::string& name, const juce::String& programmer,
                                                    const juce::String& comment)
{
    x48305_data::ProgramData program;
    program.setName (name);
    program.getInformation().setProgrammer (programmer);
    program.getInformation().setComment (comment);
    return program;
}
} // namespace commandstest
