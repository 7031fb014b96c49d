#include "FileOpsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "application/CPXWResource.h"
#include "formats/LibraryFile.h"
#include "formats/ProgramFile.h"
#include "library/DataCenter.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"

namespace fileopstest
{
namespace
{
// The preset store lives below the home folder.
[[maybe_unused]] const testsupport::TemporaryHome& privateHome = testsupport::processHome();
} // namespace

NoticeCounter::NoticeCounter()
{
    data::DataChangeBroadcaster::getInstance()->addListener (this);
    data::PresetDataChangeBroadcaster::getInstance()->addListener (this);
    application::LastSavedFileStatus::getInstance()->addListener (this);
    application::DataEditStatus::getInstance()->addListener (this);
    x48305_data::CurrentProgramData::getInstance()->addListener (this);
}

NoticeCounter::~NoticeCounter()
{
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
    data::PresetDataChangeBroadcaster::getInstance()->removeListener (this);
    application::LastSavedFileStatus::getInstance()->removeListener (this);
    application::DataEditStatus::getInstance()->removeListener (this);
    x48305_data::CurrentProgramData::getInstance()->removeListener (this);
}

void NoticeCounter::reset()
{
    settle();
    dataChanges = presetChanges = currentFileChanges = editStatusChanges = currentProgramChanges = 0;
}

void NoticeCounter::settle()
{
    testsupport::runMessageLoop (30);
}

void FileOpsTest::SetUp()
{
    ASSERT_TRUE (folder.isValid());
    ASSERT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    putLibrary (x48305_data::LibraryData());
    x48305_data::DataCenter::getInstance()->getUserData() = x48305_data::UserData();
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    application::DataEditStatus::getInstance()->clearEdited();
    setCurrentFile ({});
    selectPrograms ({ 0 });
    currentProgram().selectLibraryProgram (0);
    notices.reset();
}

void FileOpsTest::TearDown()
{
    EXPECT_FALSE (chooser.hasUnusedAnswers()) << "a chooser the test expected was not shown";
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    notices.settle();
}

x48305_data::LibraryData& FileOpsTest::library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

bool FileOpsTest::isEdited()
{
    return application::DataEditStatus::getInstance()->isEdited();
}

void FileOpsTest::markEdited()
{
    testsupport::markLibraryEdited();
}

juce::File FileOpsTest::currentFile()
{
    return application::LastSavedFileStatus::getInstance()->getFile();
}

void FileOpsTest::setCurrentFile (const juce::File& target)
{
    application::LastSavedFileStatus::getInstance()->setFile (target);
}

juce::String FileOpsTest::undoName()
{
    return application::ApplicationUndoManager::getInstance()->getUndoDescription();
}

bool FileOpsTest::canUndo()
{
    return application::ApplicationUndoManager::getInstance()->canUndo();
}

void FileOpsTest::selectPrograms (const std::vector<int>& numbers)
{
    ui::SelectedProgramStatus::getInstance()->setSelected (numbers);
}

x48305_data::CurrentProgramData& FileOpsTest::currentProgram()
{
    return *x48305_data::CurrentProgramData::getInstance();
}

juce::File FileOpsTest::writeLibraryFile (const juce::String& name, int seed) const
{
    const auto content = makeLibrary (seed);
    const auto target = file (name);
    EXPECT_EQ (x48305_file::LibraryFileWriter (&content).write (target), 0) << name;
    return target;
}

juce::File FileOpsTest::writeProgramFile (const juce::String& name, const std::string& programName) const
{
    x48305_data::ProgramData program;
    program.setName (programName);
    program.getInformation().setComment ("from " + name);
    const auto target = file (name);
    EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (target), 0) << name;
    return target;
}

void FileOpsTest::putLibrary (const x48305_data::LibraryData& content)
{
    library() = content;
}
} // namespace fileopstest
