#include "DialogTestSupport.h"

#include "application/CPXWResource.h"
#include "application/DebugModeModel.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/AboutComponent.h"
#include "ui/DebugWindow.h"

using dialogtest::inOrder;
using testsupport::andThen;
using testsupport::ModalDialogDriver;

namespace
{
// An application object, as the running program has one.
struct VersionedApplication : juce::JUCEApplication
{
    const juce::String getApplicationName() override { return "test"; }
    const juce::String getApplicationVersion() override { return "9.8.7"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String&) override {}
    void shutdown() override {}
};

juce::JUCEApplicationBase* makeVersionedApplication() { return new VersionedApplication(); }

ModalDialogDriver::Action clickAt (juce::Point<float> position)
{
    return [position] (juce::Component& dialog)
    {
        auto* content = testsupport::dialogContent (dialog);
        ASSERT_NE (content, nullptr);
        testsupport::click (*content, position);
    };
}

int countDebugWindowsOnTheDesktop()
{
    int count = 0;
    for (int i = 0; i < juce::Desktop::getInstance().getNumComponents(); ++i)
        if (dynamic_cast<x48305_debug::DebugWindow*> (juce::Desktop::getInstance().getComponent (i)) != nullptr)
            ++count;
    return count;
}

class AboutDialogTest : public dialogtest::DialogTest
{
};
} // namespace

// Without an application object (as here) the version is the build's.
TEST_F (AboutDialogTest, ShowsTheVersionAndCopyrightOnThePictureBand)
{
    ASSERT_EQ (juce::JUCEApplicationBase::getInstance(), nullptr);
    AboutComponent about;
    EXPECT_EQ (about.getBounds(), juce::Rectangle<int> (0, 0, 600, 400));
    ASSERT_EQ (about.getNumChildComponents(), 2);

    auto* version = dynamic_cast<juce::Label*> (about.getChildComponent (0));
    auto* copyright = dynamic_cast<juce::Label*> (about.getChildComponent (1));
    ASSERT_TRUE (version != nullptr && copyright != nullptr);
    EXPECT_EQ (version->getText(), "version: 1.0.0");
    EXPECT_EQ (version->getBounds(), juce::Rectangle<int> (344, 368, 246, 24));
    EXPECT_EQ (version->getJustificationType(), juce::Justification::centredRight);
    EXPECT_EQ (copyright->getText(), juce::String::fromUTF8 ("© 2026 solivane Sound Librarian project"));
    EXPECT_EQ (copyright->getBounds(), juce::Rectangle<int> (16, 368, 280, 24));
    EXPECT_EQ (copyright->getJustificationType(), juce::Justification::centredLeft);
    EXPECT_EQ (version->findColour (juce::Label::textColourId), juce::Colours::white);

    // The lines sit on the picture's dark band.
    const auto shown = about.createComponentSnapshot (about.getLocalBounds());
    for (const auto& point : { juce::Point<int> (20, 372), juce::Point<int> (595, 395), juce::Point<int> (300, 366) })
        EXPECT_LT (shown.getPixelAt (point.x, point.y).getBrightness(), 0.1f) << point.toString();
}

TEST_F (AboutDialogTest, TheVersionComesFromTheRunningApplication)
{
    juce::JUCEApplicationBase::createInstance = &makeVersionedApplication;
    {
        VersionedApplication application;
        AboutComponent about;
        auto* version = dynamic_cast<juce::Label*> (about.getChildComponent (0));
        ASSERT_NE (version, nullptr);
        EXPECT_EQ (version->getText(), "version: 9.8.7");
    }
    juce::JUCEApplicationBase::createInstance = nullptr;
}

// A click anywhere, on the lines too, closes the box with 0; so does Escape.
TEST_F (AboutDialogTest, AClickOrEscapeClosesItWithZero)
{
    const ModalDialogDriver::Action endings[] = {
        clickAt ({ 300.0f, 150.0f }),
        clickAt ({ 450.0f, 380.0f }),
        clickAt ({ 3.0f, 3.0f }),
        testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey)),
    };
    for (const auto& ending : endings)
    {
        AboutComponent about;
        EXPECT_EQ (dialogtest::runDialog (about, "About", ending), 0);
        EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    }
}

TEST_F (AboutDialogTest, SnapshotsInBothLanguages)
{
    for (bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        AboutComponent about;
        dialogtest::runDialog (about, getLocalizedText ("AboutDialogTitle"),
                               andThen (dialogtest::snapshot (japanese ? "about-ja" : "about-en"),
                                        clickAt ({ 300.0f, 200.0f })));
    }
}

// One window however often it is asked for; its close button deletes it on
// the loop's next turn, never inside its own callback; then a new request
// makes a new window.
TEST (DebugWindowManager, KeepsOneWindowAndDeletesItAfterItsCloseButton)
{
    auto* manager = x48305_debug::DebugWindowManager::getInstance();
    EXPECT_EQ (manager, x48305_debug::DebugWindowManager::getInstance());
    ASSERT_EQ (manager->getWindow(), nullptr);

    manager->showWindow();
    auto* first = manager->getWindow();
    ASSERT_NE (first, nullptr);
    manager->showWindow();
    EXPECT_EQ (manager->getWindow(), first);
    EXPECT_EQ (countDebugWindowsOnTheDesktop(), 1);

    EXPECT_TRUE (first->isVisible());
    EXPECT_EQ (first->getName(), "Debug Window");
    EXPECT_FALSE (first->isUsingNativeTitleBar());
    EXPECT_TRUE (first->isResizable());
    EXPECT_EQ (first->getBackgroundColour(), juce::Colours::white);
    ASSERT_NE (first->getCloseButton(), nullptr);
    EXPECT_EQ (first->getMinimiseButton(), nullptr);
    EXPECT_EQ (first->getMaximiseButton(), nullptr);
    ASSERT_NE (dynamic_cast<DebugMainComponent*> (first->getContentComponent()), nullptr);
    EXPECT_EQ (first->getContentComponent()->getBounds().getWidth(), 600);
    EXPECT_EQ (first->getContentComponent()->getBounds().getHeight(), 400);
    testsupport::runMessageLoop (30);
    testsupport::writeSnapshot (*first, "debug-window");

    testsupport::click (*first->getCloseButton());
    EXPECT_EQ (manager->getWindow(), first) << "deleted inside its own callback";
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&] { return manager->getWindow() == nullptr; }, 2000));
    EXPECT_EQ (countDebugWindowsOnTheDesktop(), 0);

    manager->showWindow();
    ASSERT_NE (manager->getWindow(), nullptr);
    EXPECT_EQ (countDebugWindowsOnTheDesktop(), 1);
    manager->handleAsyncUpdate();
    EXPECT_EQ (manager->getWindow(), nullptr);
}

TEST (DebugWindowManager, DestructionDeletesAnOpenWindow)
{
    {
        x48305_debug::DebugWindowManager manager;
        manager.showWindow();
        EXPECT_EQ (countDebugWindowsOnTheDesktop(), 1);
    }
    EXPECT_EQ (countDebugWindowsOnTheDesktop(), 0);
}

TEST (DebugModeModel, DeveloperAndDebugModesSetTheirOwnFlags)
{
    x48305_application::DebugModeModel model;
    EXPECT_FALSE (model.developerMode || model.debugMenu || model.debugPage);

    model.setDebugMode (true);
    EXPECT_TRUE (model.debugMenu);
    EXPECT_TRUE (model.debugPage);
    EXPECT_FALSE (model.developerMode);

    model.setDeveloperMode (true);
    EXPECT_TRUE (model.developerMode);
    model.setDebugMode (false);
    EXPECT_FALSE (model.debugMenu || model.debugPage);
    EXPECT_TRUE (model.developerMode);
    model.setDeveloperMode (false);
    EXPECT_FALSE (model.developerMode);

    auto* shared = x48305_application::DebugModeModel::getInstance();
    EXPECT_EQ (shared, x48305_application::DebugModeModel::getInstance());
    EXPECT_FALSE (shared->developerMode || shared->debugMenu || shared->debugPage);
}
