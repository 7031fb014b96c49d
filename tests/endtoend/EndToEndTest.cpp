#include "action/ApplicationUndoManager.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/SolivaneLibrarianApplication.h"
#include "library/DataCenter.h"
#include "midiport/DefaultBackend.h"
#include "midiport/VirtualBackend.h"
#include "support/ChildProcessRunner.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"
#include "support/UserInput.h"
#include "support/sim/SimulatedInstrument.h"
#include "ui/MainAppWindow.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/HeaderComponent.h"
#include "ui/MainWindowManager.h"
#include "ui/ModalDialogState.h"
#include "ui/ProgramListComponent.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
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

template <typename T>
T* findComponent (juce::Component& root)
{
    if (auto* found = dynamic_cast<T*> (&root))
        return found;
    for (auto* child : root.getChildren())
        if (auto* found = findComponent<T> (*child))
            return found;
    return nullptr;
}

juce::String programName (int number)
{
    return juce::String (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number).getName()).trimEnd();
}

TEST (EndToEndTest, FirstStartReceivesThenTheUserSelectsMovesAndUndoesThroughTheWindow)
{
    testsupport::TemporaryFolder home;
    int exitCode = -1;
    const auto output = testsupport::runTestInChildProcess (
        "EndToEndScenario.DISABLED_FirstStartSelectMoveUndo",
        { "HOME=" + home.get().getFullPathName(), "XDG_CONFIG_HOME=" + home.get().getChildFile (".config").getFullPathName() },
        exitCode);
    EXPECT_EQ (exitCode, 0) << output;
    EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
}

TEST (EndToEndScenario, DISABLED_FirstStartSelectMoveUndo)
{
    World world;
    solivaneLibrarianApplication app;
    app.initialise ({});

    // First start: the search finds the instrument, its library comes in.
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] {
        return app.getStartupProcess().isStartupFinished() && ! ui::ModalDialogState::getInstance()->dialogOpen;
    }, 120000));
    ASSERT_EQ (programName (2), "Sim Prog 002");
    ASSERT_EQ (programName (5), "Sim Prog 005");
    const auto receivedProgram2 = world.instrument.getProgram (2);

    auto* window = x48305_ui::MainWindowManager::getInstance()->getMainWindow();
    ASSERT_NE (window, nullptr);
    auto* list = findComponent<ProgramListComponent> (*window);
    ASSERT_NE (list, nullptr);
    auto& box = list->getListBox();
    const auto nameCell = [&box] (int row) {
        return box.getRowPosition (row, true).toFloat().getCentre().withX (150.0f);
    };

    // A click on row 3 selects program 3; the instrument hears it.
    world.instrument.clearLog();
    testsupport::click (box, nameCell (2));
    EXPECT_TRUE (testsupport::runMessageLoopUntil (
        [&] { return world.instrument.getCurrentProgram() == world.instrument.getProgram (2); }, 5000));

    // Dragged above row 7, it moves there as one undoable step.
    testsupport::drag (box, nameCell (2), box.getRowPosition (6, true).toFloat().getTopLeft().translated (150.0f, 1.0f));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (programName (2), "Sim Prog 003");
    EXPECT_EQ (programName (5), "Sim Prog 002");

    // Ctrl+Z on the window takes it back.
    testsupport::pressKey (*window, juce::KeyPress ('z', juce::ModifierKeys::commandModifier, 0));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (programName (2), "Sim Prog 002");
    EXPECT_EQ (programName (5), "Sim Prog 005");

    // With Alt held it goes onto the second tile of live set B (which the
    // instrument's live set had filled), as one undoable step.
    auto* grid = findComponent<FavoriteEditComponent> (*window);
    ASSERT_NE (grid, nullptr);
    auto& liveset = x48305_data::DataCenter::getInstance()->getLibraryData().getFavoriteData();
    const auto received = liveset.getProgramNumber (1, 1);
    ASSERT_NE (received, 2u);
    {
        const testsupport::ScopedModifierKeys alt (juce::ModifierKeys::altModifier);
        testsupport::drag (box, nameCell (2), box.getLocalPoint (&grid->getTile (1, 1), juce::Point<float> (42.0f, 20.0f)));
    }
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return liveset.getProgramNumber (1, 1) == 2u; }, 5000));
    testsupport::runMessageLoop (200);
    EXPECT_EQ (grid->getTile (1, 1).getNameText().trimEnd(), "Sim Prog 002");
    testsupport::pressKey (*window, juce::KeyPress ('z', juce::ModifierKeys::commandModifier, 0));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (liveset.getProgramNumber (1, 1), received);

    // Moved again and written to the instrument with the header's SEND ALL
    // (without the warning before writing, which the preferences turn off):
    // the instrument's programs are the library's.
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting, false);
    testsupport::drag (box, nameCell (2), box.getRowPosition (6, true).toFloat().getTopLeft().translated (150.0f, 1.0f));
    testsupport::runMessageLoop (100);
    ASSERT_EQ (programName (5), "Sim Prog 002");
    auto* header = findComponent<HeaderComponent> (*window);
    ASSERT_NE (header, nullptr);
    testsupport::click (header->getButton (HeaderComponent::librarySend));
    testsupport::runMessageLoopUntil ([] { return ui::ModalDialogState::getInstance()->dialogOpen; }, 5000);
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return ! ui::ModalDialogState::getInstance()->dialogOpen; }, 60000));
    const auto& library = x48305_data::DataCenter::getInstance()->getLibraryData();
    int differing = 0;
    for (int n = 0; n < 500; ++n)
    {
        const auto stored = world.instrument.getProgram (n);
        const auto* record = library.getProgram (n).getRawData();
        if (! std::equal (stored.begin(), stored.end(), record))
            ++differing;
    }
    EXPECT_EQ (differing, 0);
    EXPECT_EQ (world.instrument.getProgram (5), receivedProgram2);

    app.shutdown();
}
} // namespace
