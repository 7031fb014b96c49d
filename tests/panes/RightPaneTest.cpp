#include "PanesFixture.h"

#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LibraryActions.h"
#include "application/DebugModeModel.h"
#include "library/CurrentProgramData.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/ProgramInformationComponent.h"

using namespace panestest;

namespace
{
void showPage (int page)
{
    auto* model = x48305_ui::RightPanePageModel::getInstance();
    model->page = page;
    model->triggerAsyncUpdate();
    testsupport::runMessageLoop (30);
}

// Switches the debug page on or off for the scope.
struct ScopedDebugPage
{
    explicit ScopedDebugPage (bool on) { x48305_application::DebugModeModel::getInstance()->setDebugMode (on); }
    ~ScopedDebugPage() { x48305_application::DebugModeModel::getInstance()->setDebugMode (false); }
};

void setTexts (x48305_data::ProgramData& program, const juce::String& programmer, const juce::String& comment)
{
    program.setInformation (x48305_data::ProgramInformation (programmer, comment));
}
} // namespace

class RightPane : public testing::Test
{
protected:
    void SetUp() override { resetLibrary(); }

    void TearDown() override
    {
        x48305_ui::RightPanePageModel::getInstance()->page = x48305_ui::RightPanePageModel::favoritesPage;
        x48305_data::DataCenter::getInstance()->getPresetLibrary().clear();
        x48305_data::CurrentProgramData::getInstance()->clearCurrentProgram();
        undoManager().clearUndoHistory();
        testsupport::runMessageLoop (20);
    }
};

TEST_F (RightPane, ShowsTheFavouritesAtOnceUnscrolledAndFollowsThePageModel)
{
    auto shown = std::make_unique<ShownWindow> (std::make_unique<RightPaneComponent>(), juce::Point<int> (0, 0), "pane");
    auto& pane = static_cast<RightPaneComponent&> (shown->content());

    // Built on page 0 without any notice.
    RightPaneComponent fresh;
    EXPECT_NE (dynamic_cast<FavoriteEditComponent*> (fresh.getPage()), nullptr);

    EXPECT_EQ (pane.getBounds().withZeroOrigin(), juce::Rectangle<int> (0, 0, 870, 220));
    auto* grid = dynamic_cast<FavoriteEditComponent*> (pane.getPage());
    ASSERT_NE (grid, nullptr);
    auto* viewport = testsupport::findDescendantAs<juce::Viewport> (pane, "Right Pane Content");
    ASSERT_NE (viewport, nullptr);
    EXPECT_EQ (viewport->getBounds(), pane.getLocalBounds());
    EXPECT_EQ (grid->getBounds(), juce::Rectangle<int> (0, 0, 1110, 240));
    EXPECT_FALSE (viewport->getVerticalScrollBar().isVisible());
    EXPECT_FALSE (viewport->getHorizontalScrollBar().isVisible());

    // The wheel over the tiles moves nothing, down or up.
    for (float delta : { -1.0f, 1.0f, -1.0f })
    {
        testsupport::wheel (grid->getTile (3, 7), { 42.0f, 20.0f }, delta);
        testsupport::runMessageLoop (20);
        EXPECT_EQ (viewport->getViewPosition(), juce::Point<int> (0, 0));
    }
    testsupport::writeSnapshot (pane, "right-pane-favorites");

    showPage (x48305_ui::RightPanePageModel::programInformationPage);
    EXPECT_NE (dynamic_cast<ProgramInformationComponent*> (pane.getPage()), nullptr);
    showPage (7);
    EXPECT_EQ (pane.getPage(), nullptr);
    showPage (x48305_ui::RightPanePageModel::favoritesPage);
    EXPECT_NE (dynamic_cast<FavoriteEditComponent*> (pane.getPage()), nullptr);
    EXPECT_TRUE (viewport->isVisible());
}

TEST_F (RightPane, InformationPageIsEmptyWithoutTheDebugFlag)
{
    ScopedDebugPage debug (false);
    ProgramInformationComponent page;
    EXPECT_EQ (page.getWidth(), 560);
    EXPECT_EQ (page.getHeight(), 120);
    ASSERT_EQ (page.getNumChildComponents(), 4);
    for (auto* child : page.getChildren())
        EXPECT_FALSE (child->isVisible()) << child->getName();
}

TEST_F (RightPane, InformationPageShowsTheCurrentProgramsTextsInDebugMode)
{
    ScopedDebugPage debug (true);
    setTexts (library().getProgram (5), "Ann Example", "Warm pad");
    x48305_data::PresetData preset;
    setTexts (preset.getProgram (17), "Preset Author", "From the preset");
    x48305_data::DataCenter::getInstance()->getPresetLibrary().addPreset (preset);

    // Built by the right pane on page 1, as the pane shows it.
    x48305_ui::RightPanePageModel::getInstance()->page = x48305_ui::RightPanePageModel::programInformationPage;
    auto shown = std::make_unique<ShownWindow> (std::make_unique<RightPaneComponent>(), juce::Point<int> (0, 0), "pane");
    auto* shownPage = dynamic_cast<ProgramInformationComponent*> (static_cast<RightPaneComponent&> (shown->content()).getPage());
    ASSERT_NE (shownPage, nullptr);
    auto& page = *shownPage;
    EXPECT_EQ (page.getPosition(), juce::Point<int> (0, 0));
    EXPECT_EQ (page.getWidth(), 560);
    EXPECT_EQ (page.getHeight(), 700);
    const std::pair<const char*, juce::Rectangle<int>> children[] = {
        { "programmerEditor", { 24, 48, 216, 24 } },
        { "programmerLabel", { 24, 16, 150, 24 } },
        { "commentEditor", { 288, 48, 216, 24 } },
        { "commentLabel", { 288, 16, 150, 24 } },
    };
    for (const auto& [name, bounds] : children)
    {
        auto* child = testsupport::findDescendant (page, name);
        ASSERT_NE (child, nullptr) << name;
        EXPECT_TRUE (child->isShowing()) << name;
        EXPECT_EQ (child->getBounds(), bounds) << name;
    }
    EXPECT_EQ (testsupport::findDescendantAs<juce::Label> (page, "programmerLabel")->getText(), "programmer");
    EXPECT_EQ (testsupport::findDescendantAs<juce::Label> (page, "commentLabel")->getText(), "comment");

    // No current program: both empty.
    EXPECT_EQ (page.getProgrammerEditor().getText(), "");
    EXPECT_EQ (page.getCommentEditor().getText(), "");

    auto* current = x48305_data::CurrentProgramData::getInstance();
    current->selectLibraryProgram (5);
    testsupport::runMessageLoop (30);
    EXPECT_EQ (page.getProgrammerEditor().getText(), "Ann Example");
    EXPECT_EQ (page.getCommentEditor().getText(), "Warm pad");
    testsupport::writeSnapshot (shown->content(), "program-information-debug");

    current->selectPresetProgram (0, 17);
    testsupport::runMessageLoop (30);
    EXPECT_EQ (page.getProgrammerEditor().getText(), "Preset Author");
    EXPECT_EQ (page.getCommentEditor().getText(), "From the preset");

    // Typing is not kept: no undo step, no edited mark, and the next
    // library change shows the program's texts again.
    current->selectLibraryProgram (5);
    testsupport::runMessageLoop (30);
    // Other areas' windows share the display and may take the focus
    // between the click and the keys: try again then.
    for (int attempt = 0; attempt < 5 && ! page.getCommentEditor().getText().contains ("xyz"); ++attempt)
        testsupport::typeText (page.getCommentEditor(), "xyz");
    EXPECT_TRUE (page.getCommentEditor().getText().contains ("xyz"));
    EXPECT_FALSE (undoManager().canUndo());
    EXPECT_FALSE (application::DataEditStatus::getInstance()->isEdited());
    EXPECT_EQ (library().getProgram (5).getInformation().getComment(), "Warm pad");

    undoManager().beginNewTransaction ("Rename");
    undoManager().perform (new x48305_action::SetProgramNameAction (9, "Other", library().getProgram (9)));
    testsupport::runMessageLoop (30);
    EXPECT_EQ (page.getCommentEditor().getText(), "Warm pad");

    current->clearCurrentProgram();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (page.getProgrammerEditor().getText(), "");
}
