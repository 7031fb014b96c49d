#include "MainWindowFixture.h"

#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/ProgramPaneComponent.h"
#include "ui/SelectedTabStatus.h"

namespace
{
using namespace mainwindowtest;

// The whole window on each of its tabs, chosen by clicking the tab, in both
// languages: the library holds the factory programs, the live set and some
// unit slots are filled, and the fifth program is chosen in the list.
TEST_F (MainWindowTest, EveryTabChosenByItsButtonInBothLanguages)
{
    for (const bool japanese : { false, true })
    {
        const testsupport::ScopedInterfaceLanguage language (japanese);
        openWindow();
        auto& list = *mainComponent().getProgramPane().getLeftPane()->getProgramListComponent();
        auto& box = list.getListBox();
        const auto row = list.getLocalArea (&box, box.getRowPosition (4, true));
        testsupport::click (list, { 150.0f, (float) row.getCentreY() });
        testsupport::runMessageLoop();
        EXPECT_EQ (header().getDisplay().getFirstLine(), "    Prog 005");

        auto& tabs = mainComponent().getTabs();
        for (const int tab : { 1, 2, 3, 4, 0 })
        {
            testsupport::click (*tabs.getTabbedButtonBar().getTabButton (tab));
            testsupport::runMessageLoop (50);
            EXPECT_EQ (tabs.getCurrentTabIndex(), tab);
            EXPECT_TRUE (tabs.getTabContentComponent (tab)->isShowing());
            EXPECT_EQ (ui::SelectedTabStatus::getInstance()->getTabIndex(), tab);
            EXPECT_EQ (ui::SelectedTabStatus::getInstance()->getTabName(), tabs.getTabNames()[tab]);

            const auto file = testsupport::writeSnapshot (
                screen(), juce::String ("mainwindow-") + (japanese ? "ja" : "en") + "-tab" + juce::String (tab));
            EXPECT_TRUE (file.existsAsFile());
        }
        // The list kept its program through the tab changes.
        EXPECT_EQ (header().getDisplay().getFirstLine(), "    Prog 005");
        closeWindow();
    }
}
} // namespace
