#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
struct StateObserver : ui::ModalDialogStateObserver
{
    StateObserver() { ui::ModalDialogState::getInstance()->addListener (this); }
    ~StateObserver() override { ui::ModalDialogState::getInstance()->removeListener (this); }
    void modalDialogStateChanged() override { seen.push_back (ui::ModalDialogState::getInstance()->dialogOpen); }
    std::vector<bool> seen;
};

bool isOpen()
{
    return ui::ModalDialogState::getInstance()->dialogOpen;
}

class ModalDialogStateTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE (isOpen());
        testsupport::runMessageLoop (5);
    }
    void TearDown() override { EXPECT_FALSE (isOpen()); }
};

TEST_F (ModalDialogStateTest, GuardHoldsTheFlagForItsScopeAndTellsObservers)
{
    StateObserver observer;
    {
        ModalDialogGuard guard;
        EXPECT_FALSE (guard.wasAlreadyOpen());
        EXPECT_TRUE (isOpen());
        testsupport::runMessageLoop (20);
        EXPECT_EQ (observer.seen, std::vector<bool> { true });
    }
    EXPECT_FALSE (isOpen());
    testsupport::runMessageLoop (20);
    EXPECT_EQ (observer.seen, (std::vector<bool> { true, false }));
}

// Opening and closing within one event: one notice, with the state current
// when it runs.
TEST_F (ModalDialogStateTest, ChangesInOneEventGiveOneNotice)
{
    StateObserver first, second;
    {
        ModalDialogGuard a;
    }
    {
        ModalDialogGuard b;
    }
    testsupport::runMessageLoop (30);
    EXPECT_EQ (first.seen, std::vector<bool> { false });
    EXPECT_EQ (second.seen, std::vector<bool> { false });
}

TEST_F (ModalDialogStateTest, NestedGuardLeavesTheOuterFlagAlone)
{
    StateObserver observer;
    ModalDialogGuard outer;
    testsupport::runMessageLoop (20);
    observer.seen.clear();
    {
        ModalDialogGuard inner;
        EXPECT_TRUE (inner.wasAlreadyOpen());
        inner.leave();
        EXPECT_TRUE (isOpen());
    }
    EXPECT_TRUE (isOpen());
    testsupport::runMessageLoop (20);
    EXPECT_TRUE (observer.seen.empty()) << "a nested guard sent a notice";

    outer.leave();
    EXPECT_FALSE (isOpen());
}

// A guard that has left must not clear the flag of a dialog opened after it.
TEST_F (ModalDialogStateTest, LeavingTwiceNeverClearsALaterDialogsFlag)
{
    ModalDialogGuard first;
    first.leave();
    EXPECT_FALSE (isOpen());

    ModalDialogGuard second;
    EXPECT_FALSE (second.wasAlreadyOpen());
    first.leave();
    EXPECT_TRUE (isOpen());

    first.enter();
    EXPECT_TRUE (first.wasAlreadyOpen());
    first.leave();
    EXPECT_TRUE (isOpen());

    second.leave();
    EXPECT_FALSE (isOpen());
}

// Code that is no guard (a file chooser, the progress dialog) sets the flag
// itself; a guard entered meanwhile shows nothing and leaves it set.
TEST_F (ModalDialogStateTest, FlagSetByOtherCodeBlocksGuards)
{
    auto* state = ui::ModalDialogState::getInstance();
    state->setDialogOpen (true);
    {
        ModalDialogGuard guard;
        EXPECT_TRUE (guard.wasAlreadyOpen());
    }
    EXPECT_TRUE (isOpen());
    state->setDialogOpen (false);
}

//==============================================================================
// The dialog driver itself: a test whose action does not close the dialog
// fails, and the dialog is dismissed so that the test goes on.
struct StuckDialog
{
    static inline int result = 99;
    static inline bool acted = false;

    static void run()
    {
        // An action that does nothing: the dialog stays open.
        testsupport::ModalDialogDriver driver ([] (juce::Component&) {});
        juce::Label content ("content", "Nothing to press");
        content.setSize (200, 60);
        result = juce::DialogWindow::showModalDialog ("Stuck", &content, nullptr, juce::Colours::white, true);
        acted = driver.hasActed();
    }
};

TEST (ModalDialogDriverTest, ADialogLeftOpenFailsTheTestAndIsDismissed)
{
    EXPECT_NONFATAL_FAILURE (StuckDialog::run(), "was still open after the test's action");
    EXPECT_TRUE (StuckDialog::acted);
    EXPECT_NE (StuckDialog::result, 99);
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
}

TEST (ModalDialogDriverTest, NoDialogMeansNoAction)
{
    testsupport::ModalDialogDriver driver (testsupport::clickButton ("yes"), 50);
    testsupport::runMessageLoop (120);
    EXPECT_FALSE (driver.hasActed());
}
} // namespace
