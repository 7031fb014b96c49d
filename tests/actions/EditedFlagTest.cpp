#include "ActionTestFixture.h"

#include "action/LibraryActions.h"
#include "action/SetUserDataAction.h"
#include "action/UserUnitSlotActions.h"

#include <cstring>
#include <functional>

using namespace actiontest;
using namespace x48305_action;
using namespace x48305_data;

namespace
{
// One kind of action: how to prepare the store, how to make the action, and
// what the store looks like before and after it.
struct ActionCase
{
    const char* name;
    std::function<void()> prepare;
    std::function<juce::UndoableAction*()> make;
    std::function<bool()> isOriginal;
    std::function<bool()> isApplied;
};

LibraryData& lib() { return DataCenter::getInstance()->getLibraryData(); }
UserData& store() { return DataCenter::getInstance()->getUserData(); }

ProgramData namedProgram (const std::string& name)
{
    ProgramData program;
    program.setName (name);
    return program;
}

std::vector<ActionCase> allActionCases()
{
    std::vector<ActionCase> cases;

    auto unitCase = [&cases] (const char* name, auto getter, auto makeAction, auto makeUnit, int module) {
        cases.push_back ({ name,
                           [=] { getter (3) = makeUnit (3u, makeSummary (module, "Before")); },
                           [=] { return makeAction (3u, makeUnit (3u, makeSummary (module, "After"))); },
                           [=] { return getter (3).getName() == "Before"; },
                           [=] { return getter (3).getName() == "After"; } });
    };
    auto clearCase = [&cases] (const char* name, auto getter, auto makeAction, auto makeUnit, int module) {
        cases.push_back ({ name,
                           [=] { getter (2) = makeUnit (2u, makeSummary (module, "Present")); },
                           [=] { return makeAction (2u); },
                           [=] { return getter (2).getName() == "Present"; },
                           [=] { return getter (2).getState() == UnitSlotState::Empty && getter (2).getName().empty(); } });
    };

    auto osc = [] (std::uint32_t i) -> UserOscData& { return store().getUserOscData (i); };
    auto mod = [] (std::uint32_t i) -> UserModFXData& { return store().getUserModFXData (i); };
    auto del = [] (std::uint32_t i) -> UserDelFXData& { return store().getUserDelFXData (i); };
    auto rev = [] (std::uint32_t i) -> UserRevFXData& { return store().getUserRevFXData (i); };

    unitCase ("SetUserOscDataAction", osc,
              [] (std::uint32_t s, const UserOscData& u) { return new SetUserOscDataAction (s, u); },
              [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserOscData (s, h); }, UnitModuleOscillator);
    unitCase ("SetUserModFXDataAction", mod,
              [] (std::uint32_t s, const UserModFXData& u) { return new SetUserModFXDataAction (s, u); },
              [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserModFXData (s, h); },
              UnitModuleModulationEffect);
    unitCase ("SetUserDelFXDataAction", del,
              [] (std::uint32_t s, const UserDelFXData& u) { return new SetUserDelFXDataAction (s, u); },
              [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserDelFXData (s, h); }, UnitModuleDelayEffect);
    unitCase ("SetUserRevFXDataAction", rev,
              [] (std::uint32_t s, const UserRevFXData& u) { return new SetUserRevFXDataAction (s, u); },
              [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserRevFXData (s, h); },
              UnitModuleReverbEffect);

    clearCase ("ClearUserOscDataAction", osc, [] (std::uint32_t s) { return new ClearUserOscDataAction (s); },
               [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserOscData (s, h); }, UnitModuleOscillator);
    clearCase ("ClearUserModFXDataAction", mod, [] (std::uint32_t s) { return new ClearUserModFXDataAction (s); },
               [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserModFXData (s, h); },
               UnitModuleModulationEffect);
    clearCase ("ClearUserDelFXDataAction", del, [] (std::uint32_t s) { return new ClearUserDelFXDataAction (s); },
               [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserDelFXData (s, h); },
               UnitModuleDelayEffect);
    clearCase ("ClearUserRevFXDataAction", rev, [] (std::uint32_t s) { return new ClearUserRevFXDataAction (s); },
               [] (std::uint32_t s, const UnitHeaderSummary& h) { return UserRevFXData (s, h); },
               UnitModuleReverbEffect);

    cases.push_back ({ "SetUserDataAction",
                       [] { store().getUserRevFXData (7) = UserRevFXData (7u, makeSummary (UnitModuleReverbEffect, "Hall")); },
                       [] {
                           UserData replacement;
                           replacement.getUserOscData (15) = UserOscData (15u, makeSummary (UnitModuleOscillator, "New"));
                           return new SetUserDataAction (replacement);
                       },
                       [] { return store().getUserRevFXData (7).getName() == "Hall" && store().getUserOscData (15).getName().empty(); },
                       [] { return store().getUserRevFXData (7).getName().empty() && store().getUserOscData (15).getName() == "New"; } });

    cases.push_back ({ "SetFavoriteParameterAction",
                       [] { lib().getFavoriteData().setProgramNumber (3, 7, 12); },
                       [] { return new SetFavoriteParameterAction (3, 7, 499); },
                       [] { return lib().getFavoriteData().getProgramNumber (3, 7) == 12; },
                       [] { return lib().getFavoriteData().getProgramNumber (3, 7) == 499; } });

    cases.push_back ({ "InitializeProgramDataAction",
                       [] { lib().getProgram (42).setName ("Custom"); },
                       [] { return new InitializeProgramDataAction (42); },
                       [] { return lib().getProgram (42).getName() == "Custom      "; },
                       [] { return lib().getProgram (42).getName() == "Init Program"; } });

    cases.push_back ({ "SetLibraryDataAction",
                       [] { lib().getProgram (0).setName ("Old Zero"); },
                       [] {
                           LibraryData replacement;
                           replacement.getProgram (499).setName ("New Last");
                           replacement.getFavoriteData().setProgramNumber (0, 0, 5);
                           return new SetLibraryDataAction (replacement);
                       },
                       [] { return lib().getProgram (0).getName() == "Old Zero    " && lib().getFavoriteData().getProgramNumber (0, 0) == 500; },
                       [] {
                           return lib().getProgram (0).getName() == "Init Program" && lib().getProgram (499).getName() == "New Last    "
                                  && lib().getFavoriteData().getProgramNumber (0, 0) == 5;
                       } });

    cases.push_back ({ "SetProgramDataAction",
                       [] { lib().getProgram (7).setName ("Seven"); },
                       [] { return new SetProgramDataAction (7, namedProgram ("Replaced")); },
                       [] { return lib().getProgram (7).getName() == "Seven       "; },
                       [] { return lib().getProgram (7).getName() == "Replaced    "; } });

    cases.push_back ({ "SetProgramNameAction",
                       [] { lib().getProgram (8).setName ("Eight"); },
                       [] { return new SetProgramNameAction (8, "Renamed", lib().getProgram (8)); },
                       [] { return lib().getProgram (8).getName() == "Eight       "; },
                       [] { return lib().getProgram (8).getName() == "Renamed     "; } });

    return cases;
}
} // namespace

class EditedFlag : public ActionTest
{
};

TEST_F (EditedFlag, PerformUndoRedoOnACleanLibrary)
{
    for (const auto& c : allActionCases())
    {
        SCOPED_TRACE (c.name);
        resetSingletons();
        c.prepare();
        ASSERT_TRUE (c.isOriginal());
        ASSERT_FALSE (isEdited());

        ASSERT_TRUE (performInTransaction (c.make()));
        EXPECT_TRUE (c.isApplied());
        EXPECT_TRUE (isEdited());

        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (c.isOriginal());
        EXPECT_FALSE (isEdited());

        ASSERT_TRUE (undoManager().redo());
        EXPECT_TRUE (c.isApplied());
        EXPECT_TRUE (isEdited());

        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (c.isOriginal());
        EXPECT_FALSE (isEdited());
    }
}

TEST_F (EditedFlag, PerformOnAnEditedLibraryKeepsTheFlagThroughUndo)
{
    for (const auto& c : allActionCases())
    {
        SCOPED_TRACE (c.name);
        resetSingletons();
        c.prepare();
        setEdited();

        ASSERT_TRUE (performInTransaction (c.make()));
        EXPECT_TRUE (isEdited());
        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (c.isOriginal());
        EXPECT_TRUE (isEdited());
        ASSERT_TRUE (undoManager().redo());
        EXPECT_TRUE (c.isApplied());
        EXPECT_TRUE (isEdited());
    }
}

TEST_F (EditedFlag, UndoAfterAnEarlierActionSetTheFlag)
{
    const auto cases = allActionCases();
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        resetSingletons();
        c.prepare();

        // An earlier, unrelated action sets the flag first.
        ASSERT_TRUE (performInTransaction (new SetProgramNameAction (300, "Earlier", lib().getProgram (300))));
        ASSERT_TRUE (isEdited());
        ASSERT_TRUE (performInTransaction (c.make()));

        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (c.isOriginal());
        EXPECT_TRUE (isEdited()) << "the later action found the flag set";

        ASSERT_TRUE (undoManager().undo());
        EXPECT_FALSE (isEdited()) << "the first action found it clear";
        EXPECT_EQ (lib().getProgram (300).getName(), "Init Program");
    }
}

// The flag follows the history: undoing past a save sets it, redoing back to
// the saved state clears it, and a new edit from an undone state sets it for
// good (the saved state can no longer be reached).
TEST_F (EditedFlag, UndoPastASaveSetsTheFlagAndRedoBackClearsIt)
{
    for (const auto& c : allActionCases())
    {
        SCOPED_TRACE (c.name);
        resetSingletons();
        c.prepare();
        setEdited();
        ASSERT_TRUE (performInTransaction (c.make()));
        clearEdited(); // saved

        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (c.isOriginal());
        EXPECT_TRUE (isEdited());
        ASSERT_TRUE (undoManager().redo());
        EXPECT_TRUE (c.isApplied());
        EXPECT_FALSE (isEdited());

        ASSERT_TRUE (undoManager().undo());
        ASSERT_TRUE (performInTransaction (new SetProgramNameAction (300, "Other", lib().getProgram (300))));
        EXPECT_TRUE (isEdited());
        ASSERT_TRUE (undoManager().undo());
        EXPECT_TRUE (isEdited()) << "back before the save, which nothing can redo now";
    }
}

TEST_F (EditedFlag, SizesInUnits)
{
    UserOscData osc;
    UserModFXData mod;
    UserDelFXData del;
    UserRevFXData rev;
    EXPECT_EQ (ClearUserOscDataAction (0).getSizeInUnits(), 132);
    EXPECT_EQ (ClearUserModFXDataAction (0).getSizeInUnits(), 132);
    EXPECT_EQ (ClearUserDelFXDataAction (0).getSizeInUnits(), 132);
    EXPECT_EQ (ClearUserRevFXDataAction (0).getSizeInUnits(), 132);
    EXPECT_EQ (SetUserOscDataAction (0, osc).getSizeInUnits(), 132);
    EXPECT_EQ (SetUserModFXDataAction (0, mod).getSizeInUnits(), 132);
    EXPECT_EQ (SetUserDelFXDataAction (0, del).getSizeInUnits(), 132);
    EXPECT_EQ (SetUserRevFXDataAction (0, rev).getSizeInUnits(), 132);
    EXPECT_EQ (SetUserDataAction (UserData()).getSizeInUnits(), 6672);
    EXPECT_EQ (SetFavoriteParameterAction (0, 0, 1).getSizeInUnits(), 20);
    EXPECT_EQ (InitializeProgramDataAction (0).getSizeInUnits(), 388);
    EXPECT_EQ (SetLibraryDataAction (LibraryData()).getSizeInUnits(), 385088);
    EXPECT_EQ (SetProgramDataAction (0, ProgramData()).getSizeInUnits(), 772);
    EXPECT_EQ (SetProgramNameAction (0, "x", ProgramData()).getSizeInUnits(), 408);
}
