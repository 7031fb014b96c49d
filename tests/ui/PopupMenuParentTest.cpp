#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "ui/DefaultLookAndFeel.h"

#include <gtest/gtest.h>

namespace
{
// A window manager answers a window's configure requests with configure
// notices, on which the framework dismisses a pop-up menu that has a window
// of its own over a window with the system's title bar. The menus of such a
// window (a combo box's here) open inside it instead.
TEST (PopupMenuParentTest, MenusOpenInsideAWindowWithTheSystemsTitleBar)
{
    testsupport::setUpInterfaceFonts();
    x48305_ui::DefaultLookAndFeel lookAndFeel;
    for (const bool nativeTitleBar : { true, false })
    {
        SCOPED_TRACE (nativeTitleBar ? "the system's title bar" : "a title bar of its own");
        juce::DocumentWindow window ("Menus", juce::Colours::black, juce::DocumentWindow::closeButton);
        window.setUsingNativeTitleBar (nativeTitleBar);
        window.setLookAndFeel (&lookAndFeel);
        juce::ComboBox box;
        box.addItemList ({ "first", "second" }, 1);
        box.setSize (200, 24);
        window.setContentNonOwned (&box, true);
        window.setVisible (true);
        testsupport::runMessageLoop (50);

        const auto options = juce::PopupMenu::Options().withTargetComponent (&box);
        EXPECT_EQ (lookAndFeel.getParentComponentForMenuOptions (options), nativeTitleBar ? &window : nullptr);

        const int childrenBefore = window.getNumChildComponents();
        box.showPopup();
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&box] { return box.isPopupActive(); }, 3000));
        EXPECT_EQ (window.getNumChildComponents(), childrenBefore + (nativeTitleBar ? 1 : 0));
        juce::PopupMenu::dismissAllActiveMenus();
        testsupport::runMessageLoopUntil ([&box] { return ! box.isPopupActive(); }, 3000);
        window.clearContentComponent();
        window.setLookAndFeel (nullptr);
    }

    // A sub-menu goes where its parent menu went; a menu placed on the screen
    // for no component gets a window of its own.
    juce::Component parent;
    EXPECT_EQ (lookAndFeel.getParentComponentForMenuOptions (juce::PopupMenu::Options().withParentComponent (&parent)),
               &parent);
    EXPECT_EQ (lookAndFeel.getParentComponentForMenuOptions (
                   juce::PopupMenu::Options().withTargetScreenArea ({ 100, 100, 1, 1 })),
               nullptr);
}
} // namespace
