#include "ActionTestFixture.h"

#include "action/DataChangeBroadcaster.h"
#include "action/LibraryActions.h"
#include "action/SetUserDataAction.h"
#include "action/UserUnitSlotActions.h"
#include "support/MessageLoop.h"

#include <cstring>

using namespace actiontest;
using namespace x48305_action;
using namespace x48305_data;

namespace
{
std::string captureStdout (const std::function<void()>& fn)
{
    testing::internal::CaptureStdout();
    fn();
    return testing::internal::GetCapturedStdout();
}

bool sameProgram (const ProgramData& a, const ProgramData& b)
{
    return std::memcmp (a.getRawData(), b.getRawData(), programRecordSize) == 0 && a.getDigest() == b.getDigest()
           && a.getInformation().getProgrammer() == b.getInformation().getProgrammer()
           && a.getInformation().getComment() == b.getInformation().getComment();
}
} // namespace

class UnitSlotActions : public ActionTest
{
protected:
    // Performs the action on a store with a unit in every regular slot and
    // expects a refusal that changes nothing, with the flag clear and set.
    template <typename MakeAction>
    void expectRefused (MakeAction makeAction)
    {
        for (bool startEdited : { false, true })
        {
            resetSingletons();
            for (std::uint32_t i = 0; i < 16; ++i)
            {
                units().getUserOscData (i) = UserOscData (i, makeSummary (UnitModuleOscillator, "O"));
                units().getUserModFXData (i) = UserModFXData (i, makeSummary (UnitModuleModulationEffect, "M"));
            }
            for (std::uint32_t i = 0; i < 8; ++i)
            {
                units().getUserDelFXData (i) = UserDelFXData (i, makeSummary (UnitModuleDelayEffect, "D"));
                units().getUserRevFXData (i) = UserRevFXData (i, makeSummary (UnitModuleReverbEffect, "R"));
            }
            if (startEdited)
                setEdited();
            const UserData before (units());

            undoManager().beginNewTransaction ("Refused");
            std::string out = captureStdout ([&] { EXPECT_FALSE (undoManager().perform (makeAction())); });
            EXPECT_EQ (out, "");
            EXPECT_EQ (units(), before);
            EXPECT_EQ (isEdited(), startEdited);
            EXPECT_FALSE (undoManager().canUndo());
        }
    }
};

TEST_F (UnitSlotActions, IndexPastTheLastSlotIsRefused)
{
    const UserDelFXData del (0u, makeSummary (UnitModuleDelayEffect, "Tape"));
    expectRefused ([&] { return new SetUserDelFXDataAction (8, del); });
    expectRefused ([] { return new ClearUserDelFXDataAction (8); });
    expectRefused ([] { return new ClearUserRevFXDataAction (8); });
    expectRefused ([] { return new SetUserRevFXDataAction (0xFFFFFFFFu, UserRevFXData()); });
    expectRefused ([] { return new ClearUserOscDataAction (16); });
    expectRefused ([] { return new SetUserOscDataAction (16, UserOscData()); });
    expectRefused ([] { return new ClearUserModFXDataAction (16); });
    expectRefused ([] { return new SetUserModFXDataAction (1000, UserModFXData()); });
}

TEST_F (UnitSlotActions, RefusedActionPerformedDirectlyChangesNothingEitherWay)
{
    SetUserDelFXDataAction action (8, UserDelFXData (0u, makeSummary (UnitModuleDelayEffect, "X")));
    const UserData before (units());
    EXPECT_FALSE (action.perform());
    EXPECT_FALSE (action.undo());
    EXPECT_EQ (units(), before);
    EXPECT_FALSE (isEdited());
}

TEST_F (UnitSlotActions, LastSlotOfEachKindIsAccepted)
{
    ASSERT_TRUE (performInTransaction (new SetUserDelFXDataAction (7, UserDelFXData (7u, makeSummary (UnitModuleDelayEffect, "Last")))));
    EXPECT_EQ (units().getUserDelFXData (7).getName(), "Last");
    ASSERT_TRUE (performInTransaction (new SetUserRevFXDataAction (7, UserRevFXData (7u, makeSummary (UnitModuleReverbEffect, "Last")))));
    ASSERT_TRUE (performInTransaction (new SetUserOscDataAction (15, UserOscData (15u, makeSummary (UnitModuleOscillator, "Last")))));
    ASSERT_TRUE (performInTransaction (new SetUserModFXDataAction (15, UserModFXData (15u, makeSummary (UnitModuleModulationEffect, "Last")))));
    EXPECT_EQ (units().getUserRevFXData (7).getName(), "Last");
    EXPECT_EQ (units().getUserOscData (15).getName(), "Last");
    EXPECT_EQ (units().getUserModFXData (15).getName(), "Last");
}

TEST_F (UnitSlotActions, SetKeepsTheWholeUnitIncludingItsImage)
{
    juce::MemoryBlock image (1200, true);
    auto summary = makeSummary (UnitModuleOscillator, "FromPkg");
    std::memcpy (image.getData(), summary.data(), summary.size());
    const UserOscData unit (image);

    ASSERT_TRUE (performInTransaction (new SetUserOscDataAction (4, unit)));
    EXPECT_EQ (units().getUserOscData (4), unit);
    EXPECT_EQ (units().getUserOscData (4).getState(), UnitSlotState::FromFile);
    ASSERT_TRUE (undoManager().undo());
    EXPECT_EQ (units().getUserOscData (4), UserOscData());
}

class Transactions : public ActionTest
{
};

TEST_F (Transactions, SeveralActionsInOneNamedTransactionUndoAsOne)
{
    ASSERT_TRUE (performInTransaction (new SetProgramNameAction (0, "Before", library().getProgram (0)), "Rename"));
    const ProgramData program0 = library().getProgram (0);
    const UserData unitsBefore (units());

    undoManager().beginNewTransaction ("DragInsert");
    ASSERT_TRUE (undoManager().perform (new SetProgramDataAction (1, program0)));
    ASSERT_TRUE (undoManager().perform (new InitializeProgramDataAction (0)));
    ASSERT_TRUE (undoManager().perform (new SetFavoriteParameterAction (1, 2, 1)));
    ASSERT_TRUE (undoManager().perform (new SetUserOscDataAction (0, UserOscData (0u, makeSummary (UnitModuleOscillator, "Moved")))));
    EXPECT_EQ (undoManager().getUndoDescription(), "DragInsert");

    EXPECT_EQ (library().getProgram (1).getName(), "Before      ");
    EXPECT_EQ (library().getProgram (0).getName(), "Init Program");
    EXPECT_EQ (library().getFavoriteData().getProgramNumber (1, 2), 1u);
    EXPECT_EQ (units().getUserOscData (0).getName(), "Moved");

    ASSERT_TRUE (undoManager().undo());
    EXPECT_TRUE (sameProgram (library().getProgram (0), program0));
    EXPECT_EQ (library().getProgram (1).getName(), "Init Program");
    EXPECT_EQ (library().getFavoriteData().getProgramNumber (1, 2), 500u);
    EXPECT_EQ (units(), unitsBefore);
    EXPECT_TRUE (isEdited()) << "the rename before the transaction is still there";
    EXPECT_EQ (undoManager().getUndoDescription(), "Rename");

    ASSERT_TRUE (undoManager().redo());
    EXPECT_EQ (library().getProgram (1).getName(), "Before      ");
    EXPECT_EQ (library().getProgram (0).getName(), "Init Program");
    EXPECT_EQ (library().getFavoriteData().getProgramNumber (1, 2), 1u);
    EXPECT_EQ (units().getUserOscData (0).getName(), "Moved");

    ASSERT_TRUE (undoManager().undo());
    ASSERT_TRUE (undoManager().undo());
    EXPECT_FALSE (isEdited());
    EXPECT_EQ (library().getProgram (0).getName(), "Init Program");
}

TEST_F (Transactions, RedoSavesTheOldDataAgainFromTheStore)
{
    ASSERT_TRUE (performInTransaction (new SetUserRevFXDataAction (1, UserRevFXData (1u, makeSummary (UnitModuleReverbEffect, "Plate")))));
    ASSERT_TRUE (undoManager().undo());

    // Changed outside the undo manager (a write job updates slots in place).
    units().getUserRevFXData (1) = UserRevFXData (1u, makeSummary (UnitModuleReverbEffect, "Room"));
    ASSERT_TRUE (undoManager().redo());
    EXPECT_EQ (units().getUserRevFXData (1).getName(), "Plate");
    ASSERT_TRUE (undoManager().undo());
    EXPECT_EQ (units().getUserRevFXData (1).getName(), "Room");
}

class ProgramActions : public ActionTest
{
};

TEST_F (ProgramActions, RenameUndoRestoresEveryByteOfTheGivenProgram)
{
    ProgramData before;
    std::uint8_t record[programRecordSize];
    for (std::size_t i = 0; i < programRecordSize; ++i)
        record[i] = (std::uint8_t) (i * 7 + 3);
    before.setRawData (record);
    before.getInformation().setProgrammer ("Someone");
    before.getInformation().setComment ("A comment");
    library().getProgram (12) = before;

    ASSERT_TRUE (performInTransaction (new SetProgramNameAction (12, "Fresh Name", before)));
    EXPECT_EQ (library().getProgram (12).getName(), "Fresh Name  ");
    EXPECT_EQ (library().getProgram (12).getRawData()[20], record[20]);

    // Something else touches the record while the rename is in the history.
    library().getProgram (12).setRawData (ProgramData().getRawData());
    ASSERT_TRUE (undoManager().undo());
    EXPECT_TRUE (sameProgram (library().getProgram (12), before));
}

TEST_F (ProgramActions, InitializeKeepsTheTexts)
{
    auto& program = library().getProgram (5);
    program.setName ("Pad");
    program.getInformation().setProgrammer ("Author");
    program.getInformation().setComment ("Warm pad");
    const ProgramData before = program;

    ASSERT_TRUE (performInTransaction (new InitializeProgramDataAction (5)));
    EXPECT_TRUE (std::memcmp (library().getProgram (5).getRawData(), ProgramData().getRawData(), programRecordSize) == 0);
    EXPECT_EQ (library().getProgram (5).getInformation().getComment(), "Warm pad");
    EXPECT_EQ (library().getProgram (5).getInformation().getProgrammer(), "Author");
    ASSERT_TRUE (undoManager().undo());
    EXPECT_TRUE (sameProgram (library().getProgram (5), before));
}

TEST_F (ProgramActions, NumbersOutOfRangeReachTheSpareAndSucceed)
{
    const LibraryData before (library());
    std::string out = captureStdout ([&] {
        EXPECT_TRUE (performInTransaction (new SetProgramDataAction (500, ProgramData())));
        EXPECT_TRUE (performInTransaction (new SetProgramNameAction (-1, "Nowhere", ProgramData())));
        EXPECT_TRUE (performInTransaction (new InitializeProgramDataAction (1000)));
    });
    EXPECT_NE (out.find ("Program Number Error: 500\n"), std::string::npos);
    EXPECT_NE (out.find ("Program Number Error: -1\n"), std::string::npos);
    for (int i = 0; i < 500; ++i)
        ASSERT_TRUE (sameProgram (library().getProgram (i), before.getProgram (i))) << i;
    EXPECT_TRUE (isEdited());
    captureStdout ([&] { EXPECT_TRUE (undoManager().undo()); });
}

TEST_F (ProgramActions, LiveSetEntryOutsideTheTableIsRefused)
{
    const FavoriteData before = library().getFavoriteData();
    for (auto [bank, slot] : { std::pair { 4, 0 }, std::pair { 0, 8 }, std::pair { -1, 0 }, std::pair { 0, -1 } })
    {
        undoManager().beginNewTransaction ("Fav");
        EXPECT_FALSE (undoManager().perform (new SetFavoriteParameterAction (bank, slot, 1)));
    }
    EXPECT_TRUE (library().getFavoriteData() == before);
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (undoManager().canUndo());
}

class ChangeNotices : public ActionTest, private data::DataChangeObserver
{
protected:
    void SetUp() override
    {
        ActionTest::SetUp();
        data::DataChangeBroadcaster::getInstance()->addListener (this);
        testsupport::runMessageLoop (10);
        notices = 0;
    }

    void TearDown() override
    {
        data::DataChangeBroadcaster::getInstance()->removeListener (this);
        ActionTest::TearDown();
    }

    void dataChanged() override { ++notices; }

    // Runs the loop until a notice came, then a little longer to see that
    // only one does.
    int noticesAfter (const std::function<void()>& step)
    {
        notices = 0;
        step();
        testsupport::runMessageLoopUntil ([this] { return notices > 0; }, 2000);
        testsupport::runMessageLoop (20);
        return notices;
    }

    int notices = 0;
};

TEST_F (ChangeNotices, EveryPerformUndoAndRedoNotifiesOnce)
{
    EXPECT_EQ (noticesAfter ([] { performInTransaction (new ClearUserRevFXDataAction (0)); }), 1);
    EXPECT_EQ (noticesAfter ([] { undoManager().undo(); }), 1);
    EXPECT_EQ (noticesAfter ([] { undoManager().redo(); }), 1);

    // Three actions of one transaction coalesce into one notice.
    EXPECT_EQ (noticesAfter ([] {
                   undoManager().beginNewTransaction ("Several");
                   undoManager().perform (new SetFavoriteParameterAction (0, 0, 1));
                   undoManager().perform (new SetFavoriteParameterAction (0, 1, 2));
                   undoManager().perform (new SetUserDataAction (UserData()));
               }),
               1);
}
