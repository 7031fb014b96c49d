#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// Registers in its constructor and removes itself in its destructor, as the
// views do.
struct DataObserver : data::DataChangeObserver
{
    DataObserver (std::string n, Log& l) : name (std::move (n)), log (l)
    {
        data::DataChangeBroadcaster::getInstance()->addListener (this);
    }
    ~DataObserver() override { data::DataChangeBroadcaster::getInstance()->removeListener (this); }

    void dataChanged() override
    {
        log.push_back (name);
        // One-shot: the hook may delete other observers, so take it first.
        if (auto hook = std::move (onCall))
        {
            onCall = nullptr;
            hook();
        }
    }

    std::string name;
    Log& log;
    std::function<void()> onCall;
};

struct PresetObserver : data::PresetDataChangeBroadcasterObserver
{
    explicit PresetObserver (int& c) : calls (c) { data::PresetDataChangeBroadcaster::getInstance()->addListener (this); }
    ~PresetObserver() override { data::PresetDataChangeBroadcaster::getInstance()->removeListener (this); }
    void presetDataChanged() override { ++calls; }
    int& calls;
};

struct EditListener : application::DataEditStatusListener
{
    EditListener() { application::DataEditStatus::getInstance()->addListener (this); }
    ~EditListener() override { application::DataEditStatus::getInstance()->removeListener (this); }
    void editStatusChanged (const bool& edited) override { seen.push_back (edited); }
    std::vector<bool> seen;
};

struct FileListener : application::LastSavedFileStatusListener
{
    FileListener() { application::LastSavedFileStatus::getInstance()->addListener (this); }
    ~FileListener() override { application::LastSavedFileStatus::getInstance()->removeListener (this); }
    void lastSavedFileChanged (const juce::File& file) override { seen.push_back (file); }
    std::vector<juce::File> seen;
};

// An action that changes nothing but counts what the undo manager asks of it.
struct CountingAction : juce::UndoableAction
{
    explicit CountingAction (int& c, int units = 10) : count (c), sizeInUnits (units) {}
    bool perform() override { ++count; return true; }
    bool undo() override { --count; return true; }
    int getSizeInUnits() override { return sizeInUnits; }
    int& count;
    const int sizeInUnits;
};

void flush()
{
    testsupport::runMessageLoop (50);
}
} // namespace

TEST (DataChangeBroadcaster, TenNotifiesCoalesceIntoOnePassInRegistrationOrder)
{
    flush();
    Log log;
    DataObserver a ("a", log), b ("b", log), c ("c", log);
    for (int i = 0; i < 10; ++i)
        data::DataChangeBroadcaster::getInstance()->notify();
    EXPECT_TRUE (log.empty()); // nothing before the message loop runs
    flush();
    EXPECT_EQ (log, (Log { "a", "b", "c" }));
}

TEST (DataChangeBroadcaster, ObserverRegisteredTwiceIsCalledTwiceThenOnceAfterOneRemoval)
{
    flush();
    Log log;
    DataObserver a ("a", log);
    auto* broadcaster = data::DataChangeBroadcaster::getInstance();
    broadcaster->addListener (&a);
    broadcaster->notify();
    flush();
    EXPECT_EQ (log, (Log { "a", "a" }));

    log.clear();
    broadcaster->removeListener (&a);
    broadcaster->notify();
    flush();
    EXPECT_EQ (log, (Log { "a" }));
}

TEST (DataChangeBroadcaster, ObserverRemovedDuringAPassIsNotCalledAndTheOneAddedWaits)
{
    flush();
    Log log;
    auto* broadcaster = data::DataChangeBroadcaster::getInstance();
    auto a = std::make_unique<DataObserver> ("a", log);
    auto b = std::make_unique<DataObserver> ("b", log);
    auto c = std::make_unique<DataObserver> ("c", log);
    std::unique_ptr<DataObserver> late;

    // a deletes b (which removes itself) and creates a new observer.
    a->onCall = [&] {
        b.reset();
        late = std::make_unique<DataObserver> ("late", log);
    };
    broadcaster->notify();
    flush();
    EXPECT_EQ (log, (Log { "a", "c" }));

    log.clear();
    // The last observer removes itself and the first during its own call.
    c->onCall = [&] { broadcaster->removeListener (a.get()); };
    broadcaster->notify();
    flush();
    EXPECT_EQ (log, (Log { "a", "c", "late" }));

    log.clear();
    broadcaster->notify();
    flush();
    EXPECT_EQ (log, (Log { "c", "late" }));
    broadcaster->addListener (a.get()); // so that its destructor's removal balances
}

TEST (DataChangeBroadcaster, UndoManagerPerformUndoAndRedoEachReachEveryObserver)
{
    auto* undo = application::ApplicationUndoManager::getInstance();
    data::DataChangeBroadcaster::getInstance();
    flush();
    Log log;
    DataObserver a ("a", log), b ("b", log);
    int performed = 0;

    undo->beginNewTransaction ("Count");
    EXPECT_TRUE (undo->perform (new CountingAction (performed)));
    flush();
    EXPECT_EQ (performed, 1);
    EXPECT_EQ (log, (Log { "a", "b" }));

    log.clear();
    EXPECT_TRUE (undo->undo());
    flush();
    EXPECT_EQ (performed, 0);
    EXPECT_EQ (log, (Log { "a", "b" }));

    log.clear();
    EXPECT_TRUE (undo->redo());
    flush();
    EXPECT_EQ (performed, 1);
    EXPECT_EQ (log, (Log { "a", "b" }));
    undo->clearUndoHistory();
    flush();
}

TEST (ApplicationUndoManager, IsOneInstanceWithItsDefaultLimits)
{
    auto* undo = application::ApplicationUndoManager::getInstance();
    EXPECT_EQ (undo, application::ApplicationUndoManager::getInstance());

    // Forty transactions of the given size; how many can be undone shows
    // which of the two limits dropped the oldest.
    auto keptTransactions = [undo] (int unitsEach) {
        undo->clearUndoHistory();
        int performed = 0;
        for (int i = 0; i < 40; ++i)
        {
            undo->beginNewTransaction ("T" + juce::String (i));
            undo->perform (new CountingAction (performed, unitsEach));
        }
        int undone = 0;
        while (undo->undo())
            ++undone;
        EXPECT_EQ (performed, 40 - undone);
        undo->clearUndoHistory();
        return undone;
    };

    EXPECT_EQ (keptTransactions (10), 40);   // 400 units: nothing dropped
    EXPECT_EQ (keptTransactions (900), 33);  // at most 30,000 units...
    EXPECT_EQ (keptTransactions (2000), 30); // ...but never fewer than 30 transactions
    flush();
}

TEST (PresetDataChangeBroadcaster, NotifiesCoalesceAndNothingElseTriggersIt)
{
    flush();
    int calls = 0;
    PresetObserver observer (calls);
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    flush();
    EXPECT_EQ (calls, 1);

    // The undo manager's change messages are not its business.
    int performed = 0;
    auto* undo = application::ApplicationUndoManager::getInstance();
    undo->beginNewTransaction ("Count");
    undo->perform (new CountingAction (performed));
    flush();
    EXPECT_EQ (calls, 1);
    undo->clearUndoHistory();
    flush();
}

TEST (DataEditStatus, SetAndClearTriggerOnlyOnChangeAndReportTheStateWhenTheyRun)
{
    auto* status = application::DataEditStatus::getInstance();
    status->clearEdited();
    flush();
    EditListener listener;

    status->clearEdited(); // already clear: nothing
    flush();
    EXPECT_TRUE (listener.seen.empty());

    testsupport::markLibraryEdited();
    testsupport::markLibraryEdited();
    EXPECT_TRUE (status->isEdited());
    flush();
    EXPECT_EQ (listener.seen, (std::vector<bool> { true }));

    // A set followed by a clear before the pass is one pass with the flag clear.
    listener.seen.clear();
    status->clearEdited();
    testsupport::markLibraryEdited();
    status->clearEdited();
    flush();
    EXPECT_EQ (listener.seen, (std::vector<bool> { false }));
    EXPECT_FALSE (status->isEdited());
}

TEST (LastSavedFileStatus, SetFileTriggersOnlyForAnotherFile)
{
    auto* status = application::LastSavedFileStatus::getInstance();
    EXPECT_FALSE (status->hasFile());
    flush();
    FileListener listener;

    const auto file = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("Library.slvnlib");
    status->setFile (file);
    EXPECT_TRUE (status->hasFile());
    flush();
    ASSERT_EQ (listener.seen.size(), 1u);
    EXPECT_EQ (listener.seen[0], file);

    status->setFile (file); // the same file: nothing
    flush();
    EXPECT_EQ (listener.seen.size(), 1u);

    status->setFile (juce::File());
    EXPECT_FALSE (status->hasFile());
    flush();
    ASSERT_EQ (listener.seen.size(), 2u);
    EXPECT_EQ (listener.seen[1], juce::File());
}
