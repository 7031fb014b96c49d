#include "CommandsFixture.h"

#include "application/CPXWResource.h"
#include "application/DebugModeModel.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/ModalDialogState.h"

namespace commandstest
{
namespace
{
enum Menu
{
    fileMenu,
    editMenu,
    midiMenu,
    optionMenu
};

// The menu's items as command ids, "|" for a separator; an item that is
// disabled is marked with "-" and one without its command's text with "?".
juce::String describe (const juce::PopupMenu& menu)
{
    juce::StringArray parts;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();
        if (item.isSeparator)
        {
            parts.add ("|");
            continue;
        }
        juce::String part;
        if (! item.isEnabled)
            part << "-";
        part << item.itemID;
        const auto* info = item.commandManager != nullptr ? item.commandManager->getCommandForID (item.itemID) : nullptr;
        if (info == nullptr || item.text != info->shortName)
            part << "?";
        parts.add (part);
    }
    return parts.joinIntoString (" ");
}

juce::String menu (int index)
{
    return describe (CommandsTest::menus().getMenuForIndex (index, {}));
}

using Menus = CommandsTest;
} // namespace

TEST_F (Menus, FourMenusWithTheirCommandsAndSeparators)
{
    EXPECT_EQ (menus().getMenuBarNames(), juce::StringArray ({ "File", "Edit", "MIDI", "Option" }));
    EXPECT_EQ (&menus().getMenuBarModel(), static_cast<juce::MenuBarModel*> (&menus()));

    // No marker files: item 9 and item 25 are left out. Quit ends the File
    // menu.
    EXPECT_EQ (menu (fileMenu), "1 2 3 4 | 5 6 | 7 | 10");
    EXPECT_EQ (menu (editMenu), "-11 -12 | 13 14 15 16");
    EXPECT_EQ (menu (midiMenu), "17 18 | 19 20 | 27 28");
    EXPECT_EQ (menu (optionMenu), "22 | 21 | 23 | 24");

    auto* modes = x48305_application::DebugModeModel::getInstance();
    modes->setDeveloperMode (true);
    EXPECT_EQ (menu (fileMenu), "1 2 3 4 | 5 6 | 7 | 9 | 10");
    EXPECT_EQ (menu (optionMenu), "22 | 21 | 23 | 24");
    modes->setDeveloperMode (false);
    modes->setDebugMode (true);
    EXPECT_EQ (menu (fileMenu), "1 2 3 4 | 5 6 | 7 | 10");
    EXPECT_EQ (menu (optionMenu), "22 | 21 | 23 | 24 | 25");

    // Items show the rules as they stand when the menu is built.
    selectPrograms ({ 2, 7 });
    EXPECT_EQ (menu (fileMenu), "1 2 3 4 | -5 -6 | 7 | 10");
    EXPECT_EQ (menu (editMenu), "-11 -12 | -13 -14 -15 16");
    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    EXPECT_EQ (menu (midiMenu), "-17 -18 | -19 -20 | -27 -28");
    ui::ModalDialogState::getInstance()->setDialogOpen (false);

    EXPECT_EQ (menus().getMenuForIndex (4, {}).getNumItems(), 0);

    // Quit is a command item, so the menu shows the key mapped to it.
    const auto file = menus().getMenuForIndex (fileMenu, {});
    bool quitShowsItsKey = false;
    for (juce::PopupMenu::MenuItemIterator it (file); it.next();)
        if (it.getItem().itemID == commandFileExit)
            quitShowsItsKey = it.getItem().commandManager == &commandManager()
                && commandManager().getKeyMappings()->getKeyPressesAssignedToCommand (commandFileExit)[0]
                       .getTextDescription() == "ctrl + Q";
    EXPECT_TRUE (quitShowsItsKey);
}

TEST_F (Menus, JapaneseMenuNamesAndTexts)
{
    testsupport::ScopedInterfaceLanguage japanese (true);
    const auto names = menus().getMenuBarNames();
    EXPECT_EQ (names[0], getLocalizedText ("MenuCategoryFile"));
    EXPECT_NE (names[0], "File");
    EXPECT_EQ (names[3], getLocalizedText ("MenuCategoryOption"));
}

// A change of the selection, the modal-dialog state or the undo history
// tells the command manager's listeners (the menu bar) to refresh.
TEST_F (Menus, ModelChangesRefreshTheMenus)
{
    struct Counter : juce::ApplicationCommandManagerListener
    {
        void applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo&) override {}
        void applicationCommandListChanged() override { ++changes; }
        int changes = 0;
    } counter;
    commandManager().addListener (&counter);

    const std::pair<const char*, std::function<void()>> changes[] = {
        { "selection", [] { selectPrograms ({ 3 }); } },
        { "dialog opens", [] { ui::ModalDialogState::getInstance()->setDialogOpen (true); } },
        { "dialog closes", [] { ui::ModalDialogState::getInstance()->setDialogOpen (false); } },
        { "edit", [] { invoke (commandEditClear); } },
        { "undo", [] { invoke (commandEditUndo); } },
    };
    for (const auto& [name, change] : changes)
    {
        SCOPED_TRACE (name);
        testsupport::runMessageLoop (20);
        counter.changes = 0;
        change();
        EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return counter.changes > 0; }, 2000));
    }

    // A tab change alone refreshes nothing: the rules are asked again when a
    // menu opens.
    testsupport::runMessageLoop (20);
    counter.changes = 0;
    selectTab (1);
    testsupport::runMessageLoop (60);
    EXPECT_EQ (counter.changes, 0);
    commandManager().removeListener (&counter);
}

// The Edit menu opened from a menu bar on the desktop, drawn by the
// program's look-and-feel.
TEST_F (Menus, OpenEditMenuOnTheDesktop)
{
    invoke (commandEditClear);
    x48305_ui::DefaultLookAndFeel lookAndFeel;
    juce::DocumentWindow window ("Menus", juce::Colour (0xff111111), 0);
    window.setLookAndFeel (&lookAndFeel);
    juce::Component content;
    content.setSize (480, 200);
    window.setContentNonOwned (&content, true);
    window.setMenuBar (&menus().getMenuBarModel(), 20);
    window.setVisible (true);
    window.addToDesktop();
    testsupport::runMessageLoop (100);

    auto* bar = window.getMenuBarComponent();
    ASSERT_NE (bar, nullptr);
    testsupport::click (*bar, { 70.0f, 10.0f });

    // The open menu is a window of its own on the desktop.
    juce::Component* popup = nullptr;
    auto findPopup = [&popup, &window]
    {
        auto& desktop = juce::Desktop::getInstance();
        for (int i = 0; i < desktop.getNumComponents(); ++i)
            if (auto* c = desktop.getComponent (i); c != &window && c->isShowing())
                popup = c;
        return popup != nullptr;
    };
    ASSERT_TRUE (testsupport::runMessageLoopUntil (findPopup, 3000));
    testsupport::runMessageLoop (200);
    testsupport::writeSnapshot (window, "menu-bar");
    testsupport::writeSnapshot (*popup, "edit-menu");
    juce::PopupMenu::dismissAllActiveMenus();
    testsupport::runMessageLoop (100);
    window.setMenuBar (nullptr);
    window.setLookAndFeel (nullptr);
}
} // namespace commandstest
