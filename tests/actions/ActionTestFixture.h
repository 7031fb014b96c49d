#pragma once

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "formats/UnitHeaderRecord.h"
#include "library/DataCenter.h"
#include "support/LibraryFixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace actiontest
{
// The data store, the edited flag and the undo manager are process-wide: every
// test starts from a new library, an empty unit store, a clear flag and an
// empty history.
class ActionTest : public testing::Test
{
protected:
    void SetUp() override { resetSingletons(); }
    void TearDown() override { resetSingletons(); }

    static void resetSingletons()
    {
        undoManager().clearUndoHistory();
        auto* store = x48305_data::DataCenter::getInstance();
        store->getLibraryData() = x48305_data::LibraryData();
        store->getUserData() = x48305_data::UserData();
        application::DataEditStatus::getInstance()->clearEdited();
    }

    static application::ApplicationUndoManager& undoManager()
    {
        return *application::ApplicationUndoManager::getInstance();
    }

    static x48305_data::LibraryData& library() { return x48305_data::DataCenter::getInstance()->getLibraryData(); }
    static x48305_data::UserData& units() { return x48305_data::DataCenter::getInstance()->getUserData(); }
    static bool isEdited() { return application::DataEditStatus::getInstance()->isEdited(); }
    static void setEdited() { testsupport::markLibraryEdited(); }
    static void clearEdited() { application::DataEditStatus::getInstance()->clearEdited(); }

    // Performs one action in a transaction of its own.
    static bool performInTransaction (juce::UndoableAction* action, const juce::String& name = "Edit")
    {
        undoManager().beginNewTransaction (name);
        return undoManager().perform (action);
    }
};

inline UnitHeaderSummary makeSummary (int moduleIndex, const std::string& name)
{
    UnitHeaderRecord header;
    header.setModuleIndex (moduleIndex);
    header.setPlatform (UnitHeaderRecord::platformSolivane);
    header.setUnitVersion (UnitHeaderRecord::packVersion (1, 0, 0));
    header.setName (name);
    return header.getSummary();
}
} // namespace actiontest
