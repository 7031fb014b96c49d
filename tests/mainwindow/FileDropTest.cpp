#include "MainWindowFixture.h"

#include "action/LastSavedFileStatus.h"
#include "formats/LibraryFile.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "library/DataCenter.h"
#include "support/DialogScript.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ProgramPaneComponent.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/UserPaneComponent.h"

namespace
{
using namespace mainwindowtest;

x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

class MainWindowDropTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        openWindow();
        textFile = workFolder().getChildFile ("notes.txt");
        textFile.replaceWithText ("not a library");

        libraryFile = workFolder().getChildFile ("Dropped.slvnlib");
        const auto content = testsupport::makeLibrary (7);
        EXPECT_EQ (x48305_file::LibraryFileWriter (&content).write (libraryFile), 0);

        programFile = workFolder().getChildFile ("Dropped.slvnprog");
        x48305_data::ProgramData program;
        program.setName ("Dropped Prog");
        EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (programFile), 0);

        presetFile = workFolder().getChildFile ("Dropped.slvnpreset");
        x48305_data::PresetData preset;
        preset.getInformation().DataID = "DroppedPreset";
        preset.getInformation().Name = "Dropped Preset";
        preset.getInformation().NumOfProg = 500;
        EXPECT_EQ (x48305_file::PresetFileWriter (&preset).write (presetFile), 0);

        unitFile = writeUnitPackage ("Dropped.slvnunit", "osc", "Dropped Osc");
    }

    // Drops files through the window's peer, as the windowing system's
    // drag-and-drop does, at a point in the window; true when a target under
    // the point wanted them.
    bool drop (const juce::Array<juce::File>& files, juce::Point<int> at = { 400, 300 })
    {
        juce::ComponentPeer::DragInfo info;
        for (const auto& file : files)
            info.files.add (file.getFullPathName());
        info.position = at;
        auto* peer = window->getPeer();
        const bool wanted = peer->handleDragMove (info);
        peer->handleDragDrop (info);
        testsupport::runMessageLoop (50);
        return wanted;
    }

    static int presetWithId (const juce::String& dataId)
    {
        const auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();
        for (int i = 0; i < presets.getNumPresets(); ++i)
            if (presets.getPreset (i).getInformation().DataID == dataId)
                return i;
        return -1;
    }

    // The centre of a row of the oscillator list, in window coordinates.
    juce::Point<int> oscillatorRow (int row)
    {
        auto& tabs = mainComponent().getTabs();
        tabs.setCurrentTabIndex (1);
        testsupport::runMessageLoop();
        auto& box = dynamic_cast<UserOscPaneComponent&> (*tabs.getTabContentComponent (1)).getList().getListBox();
        return window->getLocalArea (&box, box.getRowPosition (row, true)).getCentre();
    }

    juce::File textFile, libraryFile, programFile, presetFile, unitFile;
};

TEST_F (MainWindowDropTest, ALibraryDroppedWithATextFileOpens)
{
    testsupport::DialogScript noDialog ({});
    EXPECT_TRUE (drop ({ textFile, libraryFile }));
    EXPECT_TRUE (testsupport::fingerprint (library()) == testsupport::fingerprint (testsupport::makeLibrary (7)));
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), libraryFile);
    testsupport::runMessageLoop();
    EXPECT_TRUE (window->getName().endsWith (" - Dropped.slvnlib")) << window->getName();

    // The extension is compared in any letter case; a text file alone is
    // not taken.
    const auto capitals = workFolder().getChildFile ("CAPITALS.SLVNLIB");
    const auto other = testsupport::makeLibrary (9);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&other).write (capitals), 0);
    EXPECT_TRUE (drop ({ capitals }));
    EXPECT_TRUE (testsupport::fingerprint (library()) == testsupport::fingerprint (other));
    EXPECT_FALSE (drop ({ textFile }));
}

TEST_F (MainWindowDropTest, AProgramFileLoadsIntoTheOneSelectedProgramOnly)
{
    testsupport::DialogScript noDialog ({});
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 3, 4 });
    testsupport::runMessageLoop();
    const auto before = testsupport::fingerprint (library());
    EXPECT_TRUE (drop ({ programFile }));
    EXPECT_TRUE (testsupport::fingerprint (library()) == before);

    ui::SelectedProgramStatus::getInstance()->setSelected ({ 4 });
    testsupport::runMessageLoop();
    EXPECT_TRUE (drop ({ textFile, programFile, libraryFile }));
    EXPECT_EQ (testsupport::nameOf (library().getProgram (4)), "Dropped Prog");
    EXPECT_EQ (testsupport::nameOf (library().getProgram (3)), testsupport::nameOf (factoryPreset().getProgram (3)));
    EXPECT_FALSE (application::LastSavedFileStatus::getInstance()->hasFile());
}

TEST_F (MainWindowDropTest, APresetFileIsImported)
{
    testsupport::DialogScript noDialog ({});
    EXPECT_EQ (presetWithId ("DroppedPreset"), -1);
    EXPECT_TRUE (drop ({ presetFile, libraryFile }));
    EXPECT_GE (presetWithId ("DroppedPreset"), 0);
    EXPECT_TRUE (testsupport::fingerprint (library()) != testsupport::fingerprint (testsupport::makeLibrary (7)));
}

TEST_F (MainWindowDropTest, AUnitPackageReachesTheUnitTabsPaneAndItsRow)
{
    testsupport::DialogScript noDialog ({});
    auto& units = x48305_data::DataCenter::getInstance()->getUserData();

    // On the PROGRAM tab no one takes a unit package.
    EXPECT_FALSE (drop ({ unitFile }));

    // A library dropped on a unit tab opens: the main component takes it.
    EXPECT_TRUE (drop ({ libraryFile }, oscillatorRow (10)));
    EXPECT_TRUE (testsupport::fingerprint (library()) == testsupport::fingerprint (testsupport::makeLibrary (7)));

    EXPECT_TRUE (drop ({ textFile, unitFile }, oscillatorRow (3)));
    EXPECT_EQ (units.getUserOscData (3).getName(), "Dropped Osc");
    EXPECT_EQ (units.getUserOscData (2).getName(), "FM Bell");
}

TEST_F (MainWindowDropTest, NothingIsTakenWhileADialogIsOpen)
{
    testsupport::DialogScript noDialog ({});
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 4 });
    testsupport::runMessageLoop();
    const auto libraryBefore = testsupport::fingerprint (library());
    const auto presetsBefore = x48305_data::DataCenter::getInstance()->getPresetLibrary().getNumPresets();
    const auto unitBefore = x48305_data::DataCenter::getInstance()->getUserData().getUserOscData (3).getName();
    {
        ModalDialogGuard dialog;
        for (const auto& file : { libraryFile, programFile, presetFile })
            EXPECT_FALSE (drop ({ file })) << file.getFileName();
        EXPECT_FALSE (drop ({ unitFile }, oscillatorRow (3)));

        // Asked to take them all the same (a drop already under way when the
        // dialog opened), the window takes none.
        mainComponent().filesDropped ({ libraryFile.getFullPathName() }, 10, 10);
        mainComponent().getProgramPane().filesDropped ({ presetFile.getFullPathName() }, 10, 10);
        testsupport::runMessageLoop();
    }
    EXPECT_TRUE (testsupport::fingerprint (library()) == libraryBefore);
    EXPECT_EQ (x48305_data::DataCenter::getInstance()->getPresetLibrary().getNumPresets(), presetsBefore);
    EXPECT_EQ (x48305_data::DataCenter::getInstance()->getUserData().getUserOscData (3).getName(), unitBefore);
    EXPECT_FALSE (application::LastSavedFileStatus::getInstance()->hasFile());
}
} // namespace
