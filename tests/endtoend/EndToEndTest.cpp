#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationMenuManager.h"
#include "application/FileChooserDialog.h"
#include "application/SolivaneLibrarianApplication.h"
#include "formats/LibraryFile.h"
#include "library/DataCenter.h"
#include "midi/LivesetBlock.h"
#include "midiport/DefaultBackend.h"
#include "midiport/VirtualBackend.h"
#include "support/ChildProcessRunner.h"
#include "support/FrameworkChooserDriver.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/Snapshot.h"
#include "support/TemporaryHome.h"
#include "support/UserInput.h"
#include "support/sim/SimulatedInstrument.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/MainAppWindow.h"
#include "ui/MainComponent.h"
#include "ui/MainWindowManager.h"
#include "ui/ModalDialogState.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetTreeItems.h"
#include "ui/PresetWindowManager.h"
#include "ui/ProgramListComponent.h"
#include "ui/ProgramListItemComponents.h"
#include "ui/UserListComponent.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using Bytes = std::vector<juce::uint8>;
using Point = juce::Point<float>;

// The application's own start, in a process of its own (start-up creates
// process-wide singletons): the framework knows the application factory as
// the process entry sets it, and the simulated instrument waits on the
// virtual MIDI backend.
struct World
{
    World() : backend (makeBackend()), instrument (*backend) {}

    static std::shared_ptr<midiport::VirtualBackend> makeBackend()
    {
        juce::JUCEApplicationBase::createInstance = &createApplication;
        auto made = std::make_shared<midiport::VirtualBackend>();
        midiport::setDefaultBackend (made);
        return made;
    }

    std::shared_ptr<midiport::VirtualBackend> backend;
    sim::SimulatedInstrument instrument;
};

x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

x48305_data::UserData& units()
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}

juce::String programName (int number)
{
    return juce::String (library().getProgram (number).getName()).trimEnd();
}

Bytes recordOf (const x48305_data::ProgramData& program)
{
    return { program.getRawData(), program.getRawData() + x48305_data::programRecordSize };
}

// How many program records differ between two libraries.
int differingPrograms (const x48305_data::LibraryData& a, const x48305_data::LibraryData& b)
{
    int differing = 0;
    for (int n = 0; n < x48305_data::LibraryData::numPrograms; ++n)
        differing += recordOf (a.getProgram (n)) != recordOf (b.getProgram (n)) ? 1 : 0;
    return differing;
}

int programsDifferingFromInstrument (const sim::SimulatedInstrument& instrument)
{
    int differing = 0;
    for (int n = 0; n < x48305_data::LibraryData::numPrograms; ++n)
        differing += instrument.getProgram (n) != recordOf (library().getProgram (n)) ? 1 : 0;
    return differing;
}

bool livesetEqualsInstruments (const sim::SimulatedInstrument& instrument)
{
    const auto stored = instrument.getLiveset();
    const x48305_midi::LivesetBlock block (juce::MemoryBlock (stored.data(), stored.size()));
    for (int bank = 0; bank < x48305_midi::LivesetBlock::numBanks; ++bank)
        for (int slot = 0; slot < x48305_midi::LivesetBlock::numSlots; ++slot)
            if (block.getProgramNumber (bank, slot) != library().getFavoriteData().getProgramNumber (bank, slot))
                return false;
    return true;
}

bool isEdited()
{
    return application::DataEditStatus::getInstance()->isEdited();
}

const juce::KeyPress undoKey ('z', juce::ModifierKeys::commandModifier, 0);
const juce::KeyPress redoKey ('z', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0);

// The running application's main window as a person sees and uses it.
class Screen
{
public:
    Screen() : window (*x48305_ui::MainWindowManager::getInstance()->getMainWindow()),
               main (*dynamic_cast<MainComponent*> (window.getContentComponent()))
    {
    }

    juce::Component& getWindow() { return window; }
    MainComponent& getMain() { return main; }

    ui::DraggableTableListBox& programList()
    {
        return testsupport::findDescendantOfType<ProgramListComponent> (main)->getListBox();
    }

    FavoriteEditComponent& favourites() { return *testsupport::findDescendantOfType<FavoriteEditComponent> (main); }

    // The unit list of the tab that shows.
    UserListComponent& shownUnitList()
    {
        return *testsupport::findDescendantOfType<UserListComponent> (
            main, [] (UserListComponent& list) { return list.isShowing(); });
    }

    // Where the name of a program list row sits, and the gap above a row.
    Point nameCell (int row) { return programList().getRowPosition (row, true).toFloat().getCentre().withX (150.0f); }
    Point gapAbove (int row) { return programList().getRowPosition (row, true).toFloat().getTopLeft().translated (150.0f, 1.0f); }

    bool press (const juce::KeyPress& key)
    {
        const bool used = testsupport::pressKey (window, key);
        testsupport::runMessageLoop (100);
        return used;
    }

    void showTab (int index)
    {
        testsupport::click (*main.getTabs().getTabbedButtonBar().getTabButton (index));
        testsupport::runMessageLoop (100);
    }

    // Double-clicks a name, types over it and presses Return. Should the
    // editor not have the keyboard focus yet, it is closed and opened again.
    void rename (int row, const juce::String& typed)
    {
        auto& box = programList();
        juce::TextEditor* editor = nullptr;
        for (int attempt = 0; attempt < 5 && editor == nullptr; ++attempt)
        {
            testsupport::doubleClick (box, nameCell (row));
            auto* cell = dynamic_cast<ProgramListItemComponentWrapper*> (box.getCellComponent (2, row));
            editor = cell != nullptr ? cell->getLabel().getCurrentTextEditor() : nullptr;
            if (editor != nullptr && ! editor->hasKeyboardFocus (false))
            {
                testsupport::click (box, nameCell (row).withX (40.0f));
                testsupport::runMessageLoop (100);
                editor = nullptr;
            }
        }
        ASSERT_NE (editor, nullptr) << "the name editor never got the keyboard focus";
        for (auto c : typed)
            testsupport::pressKey (box, juce::KeyPress ((int) c, {}, c));
        testsupport::pressKey (box, juce::KeyPress (juce::KeyPress::returnKey));
        testsupport::runMessageLoop (50);
    }

    // Clicks a header button and answers the write warning with OK; returns
    // once the transfer behind the progress dialog has ended.
    void writeWithHeaderButton (int button)
    {
        testsupport::ModalDialogDriver confirm (testsupport::clickButton ("okButton"));
        testsupport::click (main.getHeader().getButton (button));
        testsupport::runMessageLoopUntil ([&confirm] { return confirm.hasActed(); }, 5000);
        EXPECT_TRUE (confirm.hasActed()) << "no warning before writing";
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return ! ui::ModalDialogState::getInstance()->dialogOpen; },
                                                       60000));
        testsupport::runMessageLoop (100);
    }

private:
    juce::DocumentWindow& window;
    MainComponent& main;
};

// Drags program rows from the preset window's tree onto the program list.
class PresetWindowUse
{
public:
    PresetWindowUse() : tree (dynamic_cast<PresetListComponent*> (
                                  x48305_ui::PresetWindowManager::getInstance()->getWindow()->getContentComponent())
                                  ->getTreeView())
    {
    }

    void openPreset (int preset)
    {
        auto& row = *tree.getRootItem()->getSubItem (preset);
        const auto area = row.getItemPosition (true);
        testsupport::click (tree, { (float) (area.getX() - tree.getIndentSize() / 2), (float) area.getY() + 10.0f });
        testsupport::runMessageLoop (50);
    }

    void dragProgram (int preset, int program, juce::Component& onto, Point at)
    {
        auto& row = *tree.getRootItem()->getSubItem (preset)->getSubItem (program);
        tree.scrollToKeepItemVisible (&row);
        testsupport::runMessageLoop (20);
        const auto area = row.getItemPosition (true);
        testsupport::click (tree, { (float) area.getX() + 30.0f, (float) area.getY() + 10.0f });
        testsupport::drag (tree, { (float) area.getX() + 30.0f, (float) area.getY() + 10.0f }, tree.getLocalPoint (&onto, at));
        testsupport::runMessageLoop (100);
    }

private:
    juce::TreeView& tree;
};

TEST (EndToEndTest, TheUserWorksThroughTheWholeApplicationFromFirstStartToQuit)
{
    testsupport::TemporaryFolder home;
    int exitCode = -1;
    const auto output = testsupport::runTestInChildProcess (
        "EndToEndScenario.DISABLED_FromFirstStartToQuit",
        { "HOME=" + home.get().getFullPathName(), "XDG_CONFIG_HOME=" + home.get().getChildFile (".config").getFullPathName() },
        exitCode, 600000);
    EXPECT_EQ (exitCode, 0) << output;
    EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
}

TEST (EndToEndScenario, DISABLED_FromFirstStartToQuit)
{
    World world;
    constexpr int oscillators = sim::InstrumentMemory::oscillator;
    const auto alpha = sim::InstrumentMemory::makeUnitHeader (oscillators, "Osc Alpha");
    const auto beta = sim::InstrumentMemory::makeUnitHeader (oscillators, "Osc Beta");
    world.instrument.setUnitSlot (oscillators, 0, { alpha, {} });
    world.instrument.setUnitSlot (oscillators, 1, { beta, {} });
    solivaneLibrarianApplication app;
    app.initialise ({});
    auto* undo = application::ApplicationUndoManager::getInstance();
    // The framework's own chooser, which the test drives, whatever desktop
    // chooser is installed.
    x48305_application::FrameworkFileChooserDialog ownChooser (
        x48305_application::FrameworkFileChooserDialog::Kind::frameworksOwn);
    x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget().setFileChooser (&ownChooser);

    // First start: the search finds the instrument, its library and units come in.
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] {
        return app.getStartupProcess().isStartupFinished() && ! ui::ModalDialogState::getInstance()->dialogOpen;
    }, 120000));
    ASSERT_EQ (programName (2), "Sim Prog 002");
    ASSERT_EQ (programName (5), "Sim Prog 005");
    ASSERT_EQ (units().getUserOscData (0).getName(), "Osc Alpha");
    ASSERT_EQ (units().getUserOscData (1).getName(), "Osc Beta");
    Screen screen;
    auto& box = screen.programList();

    // A click on row 3 selects program 3; the instrument hears it.
    world.instrument.clearLog();
    testsupport::click (box, screen.nameCell (2));
    EXPECT_TRUE (testsupport::runMessageLoopUntil (
        [&] { return world.instrument.getCurrentProgram() == world.instrument.getProgram (2); }, 5000));

    // Renamed by double-click, typing and Return; undone and redone by keys.
    screen.rename (2, "Glass Lead");
    EXPECT_EQ (programName (2), "Glass Lead");
    EXPECT_TRUE (screen.press (undoKey));
    EXPECT_EQ (programName (2), "Sim Prog 002");
    EXPECT_TRUE (screen.press (redoKey));
    EXPECT_EQ (programName (2), "Glass Lead");

    // Dragged above row 7, it moves there as one undoable step.
    testsupport::drag (box, screen.nameCell (2), screen.gapAbove (6));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (programName (2), "Sim Prog 003");
    EXPECT_EQ (programName (5), "Glass Lead");
    screen.press (undoKey);
    EXPECT_EQ (programName (2), "Glass Lead");
    EXPECT_EQ (programName (5), "Sim Prog 005");
    screen.press (redoKey);
    EXPECT_EQ (programName (5), "Glass Lead");

    // The preset window (Ctrl+P) beside the main window: a factory program
    // dragged from it onto row 10 is copied there.
    EXPECT_TRUE (screen.press (juce::KeyPress ('p', juce::ModifierKeys::commandModifier, 0)));
    ASSERT_TRUE (x48305_ui::PresetWindowManager::getInstance()->isWindowOpen());
    x48305_ui::PresetWindowManager::getInstance()->getWindow()->setTopLeftPosition (
        screen.getWindow().getRight() - 260, screen.getWindow().getY() + 300);
    testsupport::runMessageLoop (100);
    const auto& factory = x48305_data::DataCenter::getInstance()->getPresetLibrary().getPreset (0);
    const auto before10 = recordOf (library().getProgram (9));
    {
        PresetWindowUse presets;
        presets.openPreset (0);
        presets.dragProgram (0, 4, box, screen.nameCell (9));
    }
    EXPECT_EQ (recordOf (library().getProgram (9)), recordOf (factory.getProgram (4)));
    screen.press (undoKey);
    EXPECT_EQ (recordOf (library().getProgram (9)), before10);
    screen.press (redoKey);
    EXPECT_EQ (recordOf (library().getProgram (9)), recordOf (factory.getProgram (4)));

    // With Alt held, row 6 goes onto the second tile of live set B (which
    // the instrument's live set had filled), as one undoable step.
    auto& liveset = library().getFavoriteData();
    const auto received = liveset.getProgramNumber (1, 1);
    ASSERT_NE (received, 5u);
    {
        const testsupport::ScopedModifierKeys alt (juce::ModifierKeys::altModifier);
        testsupport::drag (box, screen.nameCell (5), box.getLocalPoint (&screen.favourites().getTile (1, 1), Point (42.0f, 20.0f)));
    }
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return liveset.getProgramNumber (1, 1) == 5u; }, 5000));
    testsupport::runMessageLoop (200);
    EXPECT_EQ (screen.favourites().getTile (1, 1).getNameText().trimEnd(), "Glass Lead");
    screen.press (undoKey);
    EXPECT_EQ (liveset.getProgramNumber (1, 1), received);
    screen.press (redoKey);
    EXPECT_EQ (liveset.getProgramNumber (1, 1), 5u);
    testsupport::writeSnapshot (screen.getWindow(), "endtoend-edited-library");

    // Saved as a file through the chooser (Ctrl+Shift+S), a new library
    // started (Ctrl+N), and the file opened again (Ctrl+O): every record and
    // the live set are what was saved.
    const auto file = juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile ("Scenario Library.slvnlib");
    const auto saved = library();
    {
        testsupport::ModalDialogDriver chooser (testsupport::chooseInFrameworkDialog (file, "Save"), 10000);
        screen.press (juce::KeyPress ('s', juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier, 0));
        EXPECT_TRUE (chooser.hasActed());
    }
    EXPECT_TRUE (file.existsAsFile());
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), file);
    EXPECT_FALSE (isEdited());
    {
        testsupport::ModalDialogDriver noQuestion (testsupport::clickButton ("cancel"), 500);
        screen.press (juce::KeyPress ('n', juce::ModifierKeys::commandModifier, 0));
        EXPECT_FALSE (noQuestion.hasActed()) << "a saved library needs no question";
    }
    EXPECT_EQ (differingPrograms (library(), x48305_data::LibraryData()), 0);
    EXPECT_NE (application::LastSavedFileStatus::getInstance()->getFile(), file);
    {
        testsupport::ModalDialogDriver chooser (testsupport::chooseInFrameworkDialog (file, "Open"), 10000);
        screen.press (juce::KeyPress ('o', juce::ModifierKeys::commandModifier, 0));
        EXPECT_TRUE (chooser.hasActed());
    }
    EXPECT_EQ (differingPrograms (library(), saved), 0);
    EXPECT_TRUE (library().getFavoriteData() == saved.getFavoriteData());
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), file);

    // Written to the instrument with the header's SEND ALL after the
    // warning: its programs and live set are the library's.
    screen.writeWithHeaderButton (HeaderComponent::librarySend);
    EXPECT_EQ (programsDifferingFromInstrument (world.instrument), 0);
    EXPECT_TRUE (livesetEqualsInstruments (world.instrument));
    EXPECT_EQ (world.instrument.getProgram (5), recordOf (saved.getProgram (5)));

    // On the oscillator tab the first unit is dragged below the second
    // (undone and redone), then the units are written: the instrument's
    // slots follow the list.
    screen.showTab (1);
    auto& oscList = screen.shownUnitList();
    auto& oscBox = oscList.getListBox();
    const auto row = [&oscBox] (int r) { return oscBox.getRowPosition (r, true).toFloat(); };
    testsupport::drag (oscBox, row (0).getCentre().withX (120.0f), row (2).getTopLeft().translated (120.0f, 2.0f));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (units().getUserOscData (0).getName(), "Osc Beta");
    EXPECT_EQ (units().getUserOscData (1).getName(), "Osc Alpha");
    screen.press (undoKey);
    EXPECT_EQ (units().getUserOscData (0).getName(), "Osc Alpha");
    screen.press (redoKey);
    EXPECT_EQ (units().getUserOscData (0).getName(), "Osc Beta");
    testsupport::writeSnapshot (screen.getWindow(), "endtoend-oscillator-tab");
    screen.writeWithHeaderButton (HeaderComponent::userDataSend);
    EXPECT_EQ (world.instrument.getUnitSlot (oscillators, 0).header, beta);
    EXPECT_EQ (world.instrument.getUnitSlot (oscillators, 1).header, alpha);
    EXPECT_FALSE (undo->canUndo()) << "the write changed the slots in place";

    // Back on the program tab, one more rename; Ctrl+Q asks about the
    // unsaved edit, and Save writes it to the library's file before the end.
    screen.showTab (0);
    screen.rename (7, "Last Edit");
    ASSERT_EQ (programName (7), "Last Edit");
    EXPECT_TRUE (isEdited());
    const auto edited = library();
    {
        testsupport::ModalDialogDriver question (testsupport::clickButton ("yes"));
        screen.press (juce::KeyPress ('q', juce::ModifierKeys::commandModifier, 0));
        EXPECT_TRUE (question.hasActed());
    }
    EXPECT_TRUE (juce::MessageManager::getInstance()->hasStopMessageBeenSent());
    x48305_data::LibraryData reread;
    EXPECT_EQ (x48305_file::LibraryFileReader (&reread).read (file), 0);
    EXPECT_EQ (differingPrograms (reread, edited), 0);
    EXPECT_TRUE (reread.getFavoriteData() == edited.getFavoriteData());
    EXPECT_FALSE (isEdited());

    x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget().setFileChooser (nullptr);
    app.shutdown();
}
} // namespace
