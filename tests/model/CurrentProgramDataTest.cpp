#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "support/MessageLoop.h"
#include "ui/SelectedProgramStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using x48305_data::CurrentProgramData;

std::string nameOf (const x48305_data::ProgramData& program)
{
    return juce::String (program.getName()).trimEnd().toStdString();
}

struct Observer : x48305_data::CurrentProgramDataObserver
{
    Observer() { CurrentProgramData::getInstance()->addListener (this); }
    ~Observer() override { CurrentProgramData::getInstance()->removeListener (this); }
    void currentProgramChanged() override { ++calls; }
    int calls = 0;
};

// The model is process-wide: every test starts from library program 0 (as
// after start-up), a library with named programs 0 and 1, one preset, and a
// sender that records the names it was handed.
class CurrentProgramDataTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto* store = x48305_data::DataCenter::getInstance();
        store->getLibraryData() = x48305_data::LibraryData();
        store->getLibraryData().getProgram (0).setName ("Lib Zero");
        store->getLibraryData().getProgram (1).setName ("Lib One");
        x48305_data::PresetData preset;
        preset.getProgram (7).setName ("Preset Seven");
        store->getPresetLibrary().clear();
        store->getPresetLibrary().addPreset (preset);

        CurrentProgramData::setBackgroundSender ([this] (const x48305_data::ProgramData& p) { sent.push_back (nameOf (p)); });
        model().selectLibraryProgram (0);
        application::ApplicationUndoManager::getInstance()->clearUndoHistory();
        ui::SelectedProgramStatus::getInstance()->setSelected ({ 0 });
        testsupport::runMessageLoop();
        sent.clear();
    }

    void TearDown() override
    {
        CurrentProgramData::setBackgroundSender ({});
        auto* store = x48305_data::DataCenter::getInstance();
        store->getPresetLibrary().clear();
        store->getLibraryData() = x48305_data::LibraryData();
        application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    }

    static CurrentProgramData& model() { return *CurrentProgramData::getInstance(); }

    std::vector<std::string> sent;
};

TEST_F (CurrentProgramDataTest, StartsWithTheSingleSelectedRowAndSelectingSendsOnceAndNotifiesOnce)
{
    Observer observer;
    ASSERT_EQ (model().getKind(), CurrentProgramData::libraryProgram);
    EXPECT_EQ (nameOf (model().getProgramData()), "Lib Zero");

    model().selectLibraryProgram (0); // already current
    testsupport::runMessageLoop();
    EXPECT_TRUE (sent.empty());
    EXPECT_EQ (observer.calls, 0);

    model().selectLibraryProgram (1);
    model().selectLibraryProgram (1);
    testsupport::runMessageLoop();
    EXPECT_EQ (sent, std::vector<std::string> ({ "Lib One" }));
    EXPECT_EQ (observer.calls, 1);
    EXPECT_EQ (model().getProgramNumber(), 1);
    EXPECT_EQ (model().getPresetIndex(), -1);
}

TEST_F (CurrentProgramDataTest, PresetProgramEmptiesTheListSelectionAndFallsBackWhenPresetsGo)
{
    Observer observer;
    model().selectPresetProgram (0, 7);
    testsupport::runMessageLoop();
    EXPECT_EQ (sent, std::vector<std::string> ({ "Preset Seven" }));
    EXPECT_EQ (ui::SelectedProgramStatus::getInstance()->getNumSelected(), 0);
    EXPECT_EQ (nameOf (model().getProgramData()), "Preset Seven");
    EXPECT_EQ (observer.calls, 1);

    model().selectPresetProgram (0, 7);
    testsupport::runMessageLoop();
    EXPECT_EQ (sent.size(), 1u);
    EXPECT_EQ (observer.calls, 1);

    x48305_data::DataCenter::getInstance()->getPresetLibrary().clear();
    EXPECT_TRUE (model().hasCurrentProgram());
    EXPECT_EQ (nameOf (model().getProgramData()), "Init Program");

    // Out-of-range numbers give the initial program, never another one.
    model().selectLibraryProgram (500);
    EXPECT_EQ (nameOf (model().getProgramData()), "Init Program");
}

TEST_F (CurrentProgramDataTest, ClearNotifiesWithoutSendingAndOnlyOnce)
{
    Observer observer;
    model().clearCurrentProgram();
    model().clearCurrentProgram();
    testsupport::runMessageLoop();
    EXPECT_TRUE (sent.empty());
    EXPECT_EQ (observer.calls, 1);
    EXPECT_FALSE (model().hasCurrentProgram());
    EXPECT_EQ (model().getProgramNumber(), -1);
    EXPECT_EQ (nameOf (model().getProgramData()), "Init Program");

    // With nothing current, neither undo messages nor loads notify.
    model().notifyIfLibraryProgram();
    testsupport::runMessageLoop();
    EXPECT_EQ (observer.calls, 1);
}

TEST_F (CurrentProgramDataTest, UndoOfAnEditToTheCurrentProgramNotifiesWithoutBackgroundSend)
{
    Observer observer;
    auto& undo = *application::ApplicationUndoManager::getInstance();
    undo.beginNewTransaction ("PasteProgramName");
    undo.perform (new x48305_action::SetProgramNameAction (0, "Renamed", model().getProgramData()));
    testsupport::runMessageLoop();
    EXPECT_EQ (nameOf (model().getProgramData()), "Renamed");
    EXPECT_EQ (observer.calls, 1);

    undo.undo();
    testsupport::runMessageLoop();
    EXPECT_EQ (nameOf (model().getProgramData()), "Lib Zero");
    EXPECT_EQ (observer.calls, 2);

    model().notifyIfLibraryProgram();
    testsupport::runMessageLoop();
    EXPECT_EQ (observer.calls, 3);
    EXPECT_TRUE (sent.empty());
}
} // namespace
