#include "ManagerEnvironment.h"
#include "ManagerRig.h"

#include "support/MessageLoop.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "midi/MidiCommunicationManager.h"
#include "ui/SelectedProgramStatus.h"

#include <gtest/gtest.h>

using namespace managertest;
using devicetest::programNamed;
using x48305_data::CurrentProgramData;

namespace
{
struct Observer : x48305_data::CurrentProgramDataObserver
{
    Observer() { CurrentProgramData::getInstance()->addListener (this); }
    ~Observer() override { CurrentProgramData::getInstance()->removeListener (this); }
    void currentProgramChanged() override { ++calls; }
    int calls = 0;
};

using Names = std::vector<std::string>;
}

// From the model's choice to the instrument, with the application's own
// background send: the model (made with nothing selected) hands each newly
// current program to the communication manager, whose transmitter sends it.
TEST (CurrentProgramRoad, ChosenProgramsReachTheInstrumentInTheBackground)
{
    ASSERT_TRUE (currentProgramModelStartedWithNothing());

    ManagerRig rig;
    auto& current = *CurrentProgramData::getInstance();
    auto& transmitter = x48305_midi::MidiCommunicationManager::getInstance()->getTransmitter();
    auto* store = x48305_data::DataCenter::getInstance();
    store->getLibraryData().getProgram (3) = programNamed ("Road Three", 3);
    x48305_data::PresetData preset;
    preset.getProgram (7) = programNamed ("Preset Seven", 7);
    store->getPresetLibrary().clear();
    store->getPresetLibrary().addPreset (preset);
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 3 });
    Observer observer;

    const auto settle = [&] {
        EXPECT_TRUE (transmitterEnds (transmitter));
        testsupport::runMessageLoop (50);
    };

    current.selectLibraryProgram (3);
    settle();
    EXPECT_EQ (rig.currentProgramNames(), Names ({ "Road Three" }));
    EXPECT_EQ (nameInRecord (rig.instrument.getCurrentProgram()), "Road Three");
    EXPECT_EQ (observer.calls, 1);

    // Choosing it again sends nothing and tells nobody.
    current.selectLibraryProgram (3);
    settle();
    EXPECT_EQ (rig.currentProgramNames().size(), 1u);
    EXPECT_EQ (observer.calls, 1);

    // An undoable edit of the current program and its undo tell the
    // observers (the model listens to the undo manager although it was made
    // with nothing current) and send nothing.
    auto& undo = *application::ApplicationUndoManager::getInstance();
    undo.beginNewTransaction ("PasteProgramName");
    undo.perform (new x48305_action::SetProgramNameAction (3, "Edited", current.getProgramData()));
    testsupport::runMessageLoop (50);
    EXPECT_EQ (observer.calls, 2);
    undo.undo();
    settle();
    EXPECT_EQ (observer.calls, 3);
    EXPECT_EQ (rig.currentProgramNames().size(), 1u);

    // A preset program goes out too, and no list row stays selected.
    current.selectPresetProgram (0, 7);
    settle();
    EXPECT_EQ (rig.currentProgramNames(), Names ({ "Road Three", "Preset Seven" }));
    EXPECT_EQ (ui::SelectedProgramStatus::getInstance()->getNumSelected(), 0);
    EXPECT_EQ (observer.calls, 4);

    // Clearing tells the observers and sends nothing.
    current.clearCurrentProgram();
    settle();
    EXPECT_EQ (observer.calls, 5);
    EXPECT_EQ (rig.currentProgramNames().size(), 2u);
    EXPECT_EQ (nameInRecord (rig.instrument.getCurrentProgram()), "Preset Seven");

    undo.clearUndoHistory();
    store->getPresetLibrary().clear();
    store->getLibraryData() = x48305_data::LibraryData();
}
