#include "CommandsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/SetUserDataAction.h"
#include "action/UndoSteps.h"
#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "library/DataCenter.h"
#include "support/ModalDialogScript.h"
#include "support/midi/JobRig.h"
#include "support/sim/UnitReceiveRequests.h"
#include "ui/ModalDialogState.h"

#include <algorithm>
#include <cstring>

namespace commandstest
{
namespace
{
using sim::RequestKind;
using testsupport::ModalDialogScript;

// The program record the instrument holds, as a program of the library.
bool holdsInstrumentRecord (int number, const sim::SimulatedInstrument& instrument)
{
    const auto record = instrument.getProgram (number);
    return record.size() == x48305_data::programRecordSize
           && std::memcmp (record.data(), CommandsTest::library().getProgram (number).getRawData(), record.size()) == 0;
}

std::vector<int> programNumbers (const sim::SimulatedInstrument& instrument, RequestKind kind)
{
    std::vector<int> numbers;
    for (const auto& request : instrument.getRequestsOfKind (kind))
        numbers.push_back (request.number);
    return numbers;
}

// Transfers against a simulated instrument; the library differs from the
// instrument's in every program.
class TransferCommands : public CommandsTest
{
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        library() = makeLibrary (5);
        x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting, true);
    }

    void TearDown() override
    {
        EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());
        CommandsTest::TearDown();
    }

    // Invokes the command while a script answers its dialogs: the write
    // warning (with the button of this name, unless null) and, for a
    // transfer that fails, the progress dialog's OK button (so that a test
    // never hangs on it). The number of dialogs answered; the warning's
    // title goes to warningTitle.
    int runCommand (int command, const char* warningAnswer = nullptr)
    {
        warningTitle = {};
        ModalDialogScript script;
        if (warningAnswer != nullptr)
            script.then ("the write warning shows", testsupport::isShowing ("dontConfirmToggle"),
                         testsupport::andThen ([this] (juce::Component& dialog) { warningTitle = dialog.getName(); },
                                               testsupport::clickButton (warningAnswer)));
        script.then ("a failure is acknowledged", testsupport::isEnabled ("Button"), testsupport::clickButton ("Button"));
        EXPECT_TRUE (invoke (command));
        return script.getStepsRun();
    }

    juce::String warningTitle;

    devicetest::JobRig rig;
};
} // namespace

// The received library replaces the library as one step "Receive Library";
// undo brings back every program, its texts and the live set.
TEST_F (TransferCommands, ReceiveLibraryIsOneUndoStepThatRestoresEverything)
{
    const auto before = fingerprint (library());
    EXPECT_EQ (runCommand (commandMidiReceiveLibrary), 0);

    for (int number : { 0, 1, 250, 499 })
        EXPECT_TRUE (holdsInstrumentRecord (number, rig.instrument)) << number;
    EXPECT_EQ (library().getFavoriteData().getProgramNumber (1, 2), 10u);
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "Receive Library" }));
    EXPECT_TRUE (isEdited());

    undo();
    EXPECT_EQ (fingerprint (library()), before);
}

// A receive that fails applies nothing and adds no step.
TEST_F (TransferCommands, FailedReceivesApplyNothing)
{
    const auto before = fingerprint (library());
    rig.instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 3), sim::Behaviour::refuse());

    for (int command : { commandMidiReceiveLibrary, commandMidiReceiveProgram })
    {
        SCOPED_TRACE (command);
        selectPrograms ({ 2, 3 });
        EXPECT_EQ (runCommand (command), 1);
        EXPECT_EQ (fingerprint (library()), before);
        EXPECT_TRUE (undoSteps().isEmpty());
    }
}

// Programs 2 and 7 are received in one step that restores both.
TEST_F (TransferCommands, ReceiveSelectedProgramsIsOneStep)
{
    const auto before = fingerprint (library());
    selectPrograms ({ 7, 2 });
    EXPECT_EQ (runCommand (commandMidiReceiveProgram), 0);

    EXPECT_EQ (programNumbers (rig.instrument, RequestKind::programDumpRequest), std::vector<int> ({ 7, 2 }));
    EXPECT_TRUE (holdsInstrumentRecord (2, rig.instrument));
    EXPECT_TRUE (holdsInstrumentRecord (7, rig.instrument));
    EXPECT_FALSE (holdsInstrumentRecord (3, rig.instrument));
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "Receive Selected Programs" }));
    undo();
    EXPECT_EQ (fingerprint (library()), before);
}

// Writing asks first: Cancel sends nothing, OK writes. With the warning
// switched off the write starts at once.
TEST_F (TransferCommands, WritesAskFirstUnlessTheWarningIsOff)
{
    selectPrograms ({ 4, 9 });
    struct Case
    {
        const char* name;
        int command;
        bool warn;
        const char* answer;   // the warning's button, or none
        std::size_t dumps;
    };
    const Case cases[] = {
        { "library, cancel", commandMidiWriteLibrary, true, "cancelButton", 0 },
        { "library, OK", commandMidiWriteLibrary, true, "okButton", 500 },
        { "library, no warning", commandMidiWriteLibrary, false, nullptr, 500 },
        { "programs, cancel", commandMidiWriteProgram, true, "cancelButton", 0 },
        { "programs, OK", commandMidiWriteProgram, true, "okButton", 2 },
        { "programs, no warning", commandMidiWriteProgram, false, nullptr, 2 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        rig.instrument.clearLog();
        x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting, c.warn);

        EXPECT_EQ (runCommand (c.command, c.answer), c.answer != nullptr ? 1 : 0);

        EXPECT_EQ (warningTitle, c.answer != nullptr ? getLocalizedText ("WriteWarningDialogTitle") : juce::String());
        EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::programDump).size(), c.dumps);
        if (c.dumps == 0)
        {
            EXPECT_EQ (rig.instrument.getRequestCount(), 0u);
        }
    }
    EXPECT_TRUE (holdsInstrumentRecord (9, rig.instrument));
    EXPECT_TRUE (holdsInstrumentRecord (300, rig.instrument));
    EXPECT_EQ (programNumbers (rig.instrument, RequestKind::programDump), std::vector<int> ({ 4, 9 }));
    EXPECT_TRUE (undoSteps().isEmpty());
}
} // namespace commandstest

namespace commandstest
{
namespace
{
constexpr int oscillators = sim::InstrumentMemory::oscillator;
constexpr int reverbs = sim::InstrumentMemory::reverbEffect;

x48305_data::UserData& units()
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}

sim::InstrumentMemory::UnitSlot instrumentUnit (int kind, const char* name)
{
    const int module = kind == oscillators ? 4 : kind;
    return { sim::InstrumentMemory::makeUnitHeader (module, name), {} };
}

template <typename Unit>
Unit storeUnit (int kind, const char* name, std::uint32_t slot)
{
    const auto header = instrumentUnit (kind, name).header;
    return Unit (slot, header.data(), header.size());
}

// Every slot of the store as "name@slot" or "-", kind by kind.
std::string describeUnits (const x48305_data::UserData& store)
{
    std::string text;
    auto add = [&text] (const x48305_data::UserUnitSlotData& unit)
    {
        text += unit.hasUnit() ? unit.getName() + "@" + std::to_string (unit.getSlotIndex()) + " " : "- ";
    };
    for (std::uint32_t s = 0; s < x48305_data::UserOscKind::numSlots; ++s)
        add (store.getUserOscData (s));
    for (std::uint32_t s = 0; s < x48305_data::UserModFXKind::numSlots; ++s)
        add (store.getUserModFXData (s));
    for (std::uint32_t s = 0; s < x48305_data::UserDelFXKind::numSlots; ++s)
        add (store.getUserDelFXData (s));
    for (std::uint32_t s = 0; s < x48305_data::UserRevFXKind::numSlots; ++s)
        add (store.getUserRevFXData (s));
    return text;
}

// A step of the history, so that a test can see whether it survives.
void makeUndoStep()
{
    CommandsTest::selectPrograms ({ 1 });
    CommandsTest::invoke (commandEditClear);
}

using UserDataCommands = TransferCommands;
} // namespace

// The received units replace the store in one step "Receive UserData"; undo
// brings the store back whole and, as nothing was in doubt before, leaves
// unit writes allowed.
TEST_F (UserDataCommands, ReceiveUserDataIsOneUndoStep)
{
    rig.instrument.setUnitSlot (oscillators, 3, instrumentUnit (oscillators, "OscA"));
    rig.instrument.setUnitSlot (reverbs, 1, instrumentUnit (reverbs, "RevB"));
    units().getUserOscData (5) = storeUnit<x48305_data::UserOscData> (oscillators, "Old", 5);
    const auto before = describeUnits (units());

    EXPECT_EQ (runCommand (commandMidiReceiveUserData), 0);

    const auto asked = sim::unitReceiveRequests (rig.instrument);
    EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitHeaderRequest).size(),
               (std::size_t) std::count_if (asked.begin(), asked.end(), [] (const sim::Request& r) {
                   return r.kind == RequestKind::unitHeaderRequest;
               }));
    EXPECT_EQ (units().getUserOscData (3).getName(), "OscA");
    EXPECT_FALSE (units().getUserOscData (5).hasUnit());
    EXPECT_EQ (units().getUserRevFXData (1).getName(), "RevB");
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "Receive UserData" }));
    undo();
    EXPECT_EQ (describeUnits (units()), before);
    EXPECT_TRUE (x48305_data::DataCenter::getInstance()->getUserUnitsMatch().mayWrite());
}

// Firmware that knows no user units: the receive succeeds without asking
// for any slot, and the user's store stays as it was, without a step.
TEST_F (UserDataCommands, ReceiveFromOldFirmwareAppliesNothing)
{
    auto identity = rig.instrument.getIdentity();
    identity.versionMinor = 0;
    identity.versionPatch = 12;
    rig.instrument.setIdentity (identity);
    units().getUserOscData (5) = storeUnit<x48305_data::UserOscData> (oscillators, "Mine", 5);
    const auto before = describeUnits (units());

    EXPECT_EQ (runCommand (commandMidiReceiveUserData), 0);

    EXPECT_EQ (rig.instrument.getRequestCount(), 1u);
    EXPECT_EQ (describeUnits (units()), before);
    EXPECT_TRUE (undoSteps().isEmpty());
}

// Writing the units asks with its own warning; once the write has run the
// undo history is gone, whether it succeeded or failed; a cancelled
// warning keeps it.
TEST_F (UserDataCommands, WriteUserDataClearsTheHistoryWhateverTheResult)
{
    rig.instrument.setUnitSlot (oscillators, 2, instrumentUnit (oscillators, "Keep"));
    rig.instrument.setUnitSlot (oscillators, 7, instrumentUnit (oscillators, "Gone"));
    units().getUserOscData (2) = storeUnit<x48305_data::UserOscData> (oscillators, "Keep", 2);

    struct Case
    {
        const char* name;
        bool warn;
        const char* answer;   // the warning's button, or none
        bool fails;
        std::size_t clears;
        bool historyKept;
    };
    const Case cases[] = {
        { "cancel", true, "cancelButton", false, 0, true },
        { "refused", true, "okButton", true, 1, false },
        { "OK", true, "okButton", false, 47, false },
        { "no warning", false, nullptr, false, 47, false },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        rig.instrument.clearLog();
        rig.instrument.clearRules();
        if (c.fails)
            rig.instrument.addRule (sim::nth (RequestKind::unitClear, 0), sim::Behaviour::refuse());
        x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::warnBeforeWriting, c.warn);
        makeUndoStep();

        EXPECT_EQ (runCommand (commandMidiWriteUserData, c.answer), (c.answer != nullptr ? 1 : 0) + (c.fails ? 1 : 0));

        EXPECT_EQ (warningTitle, c.answer != nullptr ? getLocalizedText ("WriteUserDataWarningDialogTitle") : juce::String());
        EXPECT_EQ (rig.instrument.getRequestsOfKind (RequestKind::unitClear).size(), c.clears);
        EXPECT_EQ (canUndo(), c.historyKept);
    }
    EXPECT_TRUE (rig.instrument.getUnitSlot (oscillators, 7).isEmpty());
    EXPECT_FALSE (rig.instrument.getUnitSlot (oscillators, 2).isEmpty());
    EXPECT_EQ (units().getUserOscData (2).getName(), "Keep");
}

// Two builds of one unit share their header. A write whose swap was not
// confirmed (its read-back refused) leaves the instrument swapped unseen:
// every later write is refused before it sends a step, whatever the user
// edits, undoes or redoes, until the units are received again. Undoing that
// receive brings the refusal back; redoing it lifts it again.
TEST_F (UserDataCommands, AWriteThatLostTrackIsRefusedUntilTheUnitsAreReceived)
{
    ASSERT_TRUE (x48305_data::DataCenter::getInstance()->getUserUnitsMatch().mayWrite());
    const auto build = [] (std::uint8_t number) {
        auto unit = instrumentUnit (oscillators, "Twin");
        unit.image = sim::Bytes (16, number);
        return unit;
    };
    rig.instrument.setUnitSlot (oscillators, 0, build (1));
    rig.instrument.setUnitSlot (oscillators, 1, build (2));
    ASSERT_EQ (runCommand (commandMidiReceiveUserData), 0);
    // The first unit dragged to position 1, the unit there deleted.
    const auto moveFirstToSecond = [] {
        auto edited = units();
        edited.getUserOscData (1) = edited.getUserOscData (0);
        edited.getUserOscData (0) = x48305_data::UserOscData();
        x48305_action::performAsStep ("DragInsert", std::make_unique<x48305_action::SetUserDataAction> (edited));
    };
    moveFirstToSecond();
    rig.instrument.addRule ([] (const sim::Request& r) {
        return r.kind == RequestKind::unitHeaderRequest && r.unitKind == oscillators && r.number == 1;
    }, sim::Behaviour::refuse(), 1);
    ASSERT_EQ (runCommand (commandMidiWriteUserData, "okButton"), 2);
    ASSERT_EQ (rig.instrument.getUnitSlot (oscillators, 1).image, build (1).image);

    const auto stepsSent = [this] {
        std::size_t steps = 0;
        for (const auto kind : { RequestKind::unitSwap, RequestKind::unitClear, RequestKind::unitDump })
            steps += rig.instrument.getRequestsOfKind (kind).size();
        return steps;
    };
    moveFirstToSecond();
    for (const int command : { commandEditUndo, commandEditRedo, commandEditUndo })
        EXPECT_TRUE (invoke (command)) << command;
    rig.instrument.clearLog();
    EXPECT_EQ (runCommand (commandMidiWriteUserData, "okButton"), 2);
    EXPECT_EQ (stepsSent(), 0u);

    struct Case
    {
        const char* name;
        std::vector<int> afterReceive;   // commands between the receive and the write
        bool written;
    };
    const Case cases[] = {
        { "receive undone", { commandEditUndo }, false },
        { "receive undone and redone", { commandEditUndo, commandEditRedo }, true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (runCommand (commandMidiReceiveUserData), 0);
        for (const int command : c.afterReceive)
            EXPECT_TRUE (invoke (command)) << command;
        moveFirstToSecond();
        rig.instrument.clearLog();
        EXPECT_EQ (runCommand (commandMidiWriteUserData, "okButton"), c.written ? 1 : 2);
        EXPECT_EQ (stepsSent(), c.written ? 48u : 0u);
    }
    EXPECT_EQ (rig.instrument.getUnitSlot (oscillators, 1).image, build (2).image);
    EXPECT_TRUE (rig.instrument.getUnitSlot (oscillators, 0).isEmpty());
}
} // namespace commandstest
