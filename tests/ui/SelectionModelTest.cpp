#include "support/MessageLoop.h"
#include "ui/ProgramListRowMapping.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

#include <gtest/gtest.h>

namespace
{
struct ProgramObserver : ui::SelectedProgramStatusObserver
{
    void selectedProgramChanged() override { ++calls; seen = ui::SelectedProgramStatus::getInstance()->getAllSelected(); }
    int calls = 0;
    std::vector<int> seen;
};
struct OscObserver : ui::SelectedUserOscStatusObserver
{
    void selectedUserOscChanged() override { ++calls; seen = ui::SelectedUserOscStatus::getInstance()->getAllSelected(); }
    int calls = 0;
    std::vector<int> seen;
};
struct ModObserver : ui::SelectedUserModFXStatusObserver
{
    void selectedUserModFXChanged() override { ++calls; seen = ui::SelectedUserModFXStatus::getInstance()->getAllSelected(); }
    int calls = 0;
    std::vector<int> seen;
};
struct DelObserver : ui::SelectedUserDelFXStatusObserver
{
    void selectedUserDelFXChanged() override { ++calls; seen = ui::SelectedUserDelFXStatus::getInstance()->getAllSelected(); }
    int calls = 0;
    std::vector<int> seen;
};
struct RevObserver : ui::SelectedUserRevFXStatusObserver
{
    void selectedUserRevFXChanged() override { ++calls; seen = ui::SelectedUserRevFXStatus::getInstance()->getAllSelected(); }
    int calls = 0;
    std::vector<int> seen;
};

template <typename M, typename O>
struct Pair
{
    using Model = M;
    using Observer = O;
};

template <typename P>
class SelectionModelTest : public testing::Test
{
protected:
    using Model = typename P::Model;

    struct Registered : P::Observer
    {
        Registered() { Model::getInstance()->addListener (this); }
        ~Registered() override { Model::getInstance()->removeListener (this); }
    };

    void TearDown() override
    {
        // Leave the model as the next test expects to find it.
        Model::getInstance()->setSelected ({ 0 });
        testsupport::runMessageLoop (10);
    }
};

using Models = testing::Types<Pair<ui::SelectedProgramStatus, ProgramObserver>,
                              Pair<ui::SelectedUserOscStatus, OscObserver>,
                              Pair<ui::SelectedUserModFXStatus, ModObserver>,
                              Pair<ui::SelectedUserDelFXStatus, DelObserver>,
                              Pair<ui::SelectedUserRevFXStatus, RevObserver>>;
TYPED_TEST_SUITE (SelectionModelTest, Models);

// Declared first, so it runs before any test of the suite changes the model.
TYPED_TEST (SelectionModelTest, StartsWithTheFirstRowSelected)
{
    auto* model = TestFixture::Model::getInstance();
    ASSERT_EQ (model->getNumSelected(), 1);
    EXPECT_EQ (model->getSelected (0), 0);
}

TYPED_TEST (SelectionModelTest, ChangesInOneEventGiveOneNoticeWithTheLastSelection)
{
    typename TestFixture::Registered first, second;
    auto* model = TestFixture::Model::getInstance();

    model->setSelected ({ 3 });
    model->setSelected ({ 7, 2, 5 });
    EXPECT_EQ (first.calls, 0) << "notices are asynchronous";

    testsupport::runMessageLoop (30);
    EXPECT_EQ (first.calls, 1);
    EXPECT_EQ (second.calls, 1);
    EXPECT_EQ (first.seen, (std::vector<int> { 7, 2, 5 }));

    // The list's order is kept, not sorted.
    ASSERT_EQ (model->getNumSelected(), 3);
    EXPECT_EQ (model->getSelected (0), 7);
    EXPECT_EQ (model->getSelected (1), 2);
    EXPECT_EQ (model->getSelected (2), 5);

    model->setSelected ({});
    testsupport::runMessageLoop (30);
    EXPECT_EQ (first.calls, 2);
    EXPECT_EQ (model->getNumSelected(), 0);
}

TYPED_TEST (SelectionModelTest, HandingBackItsOwnVectorKeepsItAndStillNotifies)
{
    typename TestFixture::Registered observer;
    auto* model = TestFixture::Model::getInstance();
    model->setSelected ({ 4, 1 });
    model->setSelected (model->getAllSelected());
    testsupport::runMessageLoop (30);
    EXPECT_EQ (observer.calls, 1);
    EXPECT_EQ (model->getAllSelected(), (std::vector<int> { 4, 1 }));
}

TYPED_TEST (SelectionModelTest, AnIndexOutsideTheSelectionGivesNoRow)
{
    auto* model = TestFixture::Model::getInstance();
    model->setSelected ({ 6 });
    EXPECT_EQ (model->getSelected (1), -1);
    EXPECT_EQ (model->getSelected (-1), -1);
    EXPECT_EQ (model->getSelected (0), 6);
}

TYPED_TEST (SelectionModelTest, RemovedObserverHearsNothing)
{
    auto* model = TestFixture::Model::getInstance();
    auto observer = std::make_unique<typename TestFixture::Registered>();
    typename TestFixture::Registered stays;
    model->setSelected ({ 2 });
    observer.reset();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (stays.calls, 1);
}

//==============================================================================
struct TabObserver : ui::SelectedTabStatusObserver
{
    TabObserver() { ui::SelectedTabStatus::getInstance()->addListener (this); }
    ~TabObserver() override { ui::SelectedTabStatus::getInstance()->removeListener (this); }
    void selectedTabChanged() override
    {
        ++calls;
        index = ui::SelectedTabStatus::getInstance()->getTabIndex();
        name = ui::SelectedTabStatus::getInstance()->getTabName();
    }
    int calls = 0;
    int index = -1;
    juce::String name;
};

TEST (SelectedTabStatusTest, StartsAtTheProgramListAndCoalescesChanges)
{
    auto* tab = ui::SelectedTabStatus::getInstance();
    EXPECT_EQ (tab->getTabIndex(), 0);
    EXPECT_EQ (tab->getTabName(), "");

    TabObserver observer;
    tab->setTab (ui::SelectedTabStatus::userOscTab, "Oscillators");
    tab->setTab (ui::SelectedTabStatus::userRevFXTab, "Reverb FX");
    testsupport::runMessageLoop (30);
    EXPECT_EQ (observer.calls, 1);
    EXPECT_EQ (observer.index, 4);
    EXPECT_EQ (observer.name, "Reverb FX");

    tab->setTab (ui::SelectedTabStatus::programListTab, "Programs");
    testsupport::runMessageLoop (30);
    EXPECT_EQ (observer.calls, 2);
    EXPECT_EQ (observer.index, 0);
}

//==============================================================================
TEST (ProgramListRowMappingTest, IsTheIdentityForEveryRowAndProgram)
{
    ProgramListRowMapping mapping;
    for (int n : { 0, 1, 250, 499 })
    {
        EXPECT_EQ (mapping.rowToProgram (n), n);
        EXPECT_EQ (mapping.programToRow (n), n);
        EXPECT_EQ (mapping.programToRow (mapping.rowToProgram (n)), n);
    }
    // "No row" (-1) and rows past the list pass through unchanged.
    EXPECT_EQ (mapping.rowToProgram (-1), -1);
    EXPECT_EQ (mapping.programToRow (-1), -1);
    EXPECT_EQ (mapping.rowToProgram (500), 500);
}
} // namespace
