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
#include "support/MessageLoop.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"

#include <cstdlib>
#include <memory>

namespace fileopstest
{
namespace
{
// The preset store lives below the home folder; the whole run gets a home of
// its own so that no test touches the user's.
class PrivateHome : public testing::Environment
{
public:
    void SetUp() override
    {
        home = std::make_unique<file::PrivateTemporaryFolder>();
        ASSERT_TRUE (home->isValid());
        setenv ("HOME", home->getFolder().getFullPathName().toRawUTF8(), 1);
        unsetenv ("XDG_CONFIG_HOME");
    }

    void TearDown() override { home.reset(); }

private:
    std::unique_ptr<file::PrivateTemporaryFolder> home;
};

[[maybe_unused]] testing::Environment* const privateHome = testing::AddGlobalTestEnvironment (new PrivateHome);
} // namespace

std::optional<juce::File> ScriptedChooser::chooseFileToOpen (const juce::String& title, const juce::String& extension)
{
    return answer (false, title, extension);
}

std::optional<juce::File> ScriptedChooser::chooseFileToSave (const juce::String& title, const juce::String& extension)
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

x48305_data::LibraryData makeLibrary (int seed)
{
    x48305_data::LibraryData made;
    for (int number = 0; number < x48305_data::LibraryData::numPrograms; ++number)
    {
        auto& program = made.getProgram (number);
        program.setName ("L" + std::to_string (seed) + "-" + std::to_string (number));
        program.getInformation().setProgrammer ("Programmer " + juce::String (seed));
        program.getInformation().setComment ("Comment " + juce::String (number));
    }
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            made.getFavoriteData().setProgramNumber (bank, slot, (unsigned) ((seed * 7 + bank * 8 + slot) % 500));
    return made;
}

std::string fingerprint (const x48305_data::LibraryData& library)
{
    juce::String text;
    for (int number = 0; number < x48305_data::LibraryData::numPrograms; ++number)
    {
        const auto& program = library.getProgram (number);
        text << program.getDigest() << "|" << program.getInformation().getProgrammer() << "|"
             << program.getInformation().getComment() << "\n";
    }
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            text << (int) library.getFavoriteData().getProgramNumber (bank, slot) << ",";
    return text.toStdString();
}

std::string nameOf (const x48305_data::ProgramData& program)
{
    return juce::String (program.getName()).trimEnd().toStdString();
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
    application::DataEditStatus::getInstance()->setEdited();
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
