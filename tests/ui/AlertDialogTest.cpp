#include "application/CPXWResource.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/AlertDialog.h"
#include "ui/AlertDialogComponent.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

#include <optional>

using testsupport::ModalDialogDriver;
using testsupport::andThen;

namespace
{
const juce::String shortMessage ("The library has been changed. Save it first?");

struct ShownButton
{
    juce::String text;
    juce::Rectangle<int> bounds;
};

// What a running alert shows, read from inside its modal loop.
struct AlertView
{
    juce::String windowTitle;
    juce::Rectangle<int> contentBounds;
    juce::Rectangle<int> messageBounds;
    juce::String messageText;
    std::optional<ShownButton> yes, no, cancel;
};

std::optional<ShownButton> readButton (juce::Component& content, const juce::String& name)
{
    auto* button = testsupport::findDescendantAs<juce::TextButton> (content, name);
    if (button == nullptr || ! button->isVisible())
        return std::nullopt;
    return ShownButton { button->getButtonText(), testsupport::boundsRelativeTo (*button, content) };
}

ModalDialogDriver::Action readAlert (AlertView& view, const juce::String& snapshotName = {})
{
    return [&view, snapshotName] (juce::Component& dialog)
    {
        view.windowTitle = dialog.getName();
        auto* content = testsupport::dialogContent (dialog);
        ASSERT_NE (content, nullptr);
        ASSERT_NE (dynamic_cast<AlertDialogComponent*> (content), nullptr);
        view.contentBounds = content->getBounds();
        auto* editor = testsupport::findDescendantAs<juce::TextEditor> (*content, "message");
        ASSERT_NE (editor, nullptr);
        view.messageBounds = testsupport::boundsRelativeTo (*editor, *content);
        // Trailing white space only spaces the last line.
        view.messageText = editor->getText().trimEnd();
        view.yes = readButton (*content, "yes");
        view.no = readButton (*content, "no");
        view.cancel = readButton (*content, "cancel");
        if (snapshotName.isNotEmpty())
            testsupport::writeSnapshot (dialog, snapshotName);
    };
}

class AlertDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::setUpInterfaceFonts();
        ASSERT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    }

    void TearDown() override
    {
        // Every alert leaves the flag as it found it.
        EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
        testsupport::runMessageLoop (10);
    }

    int runYesNoCancel (ModalDialogDriver::Action action, const juce::String& message = shortMessage)
    {
        ModalDialogDriver driver (std::move (action));
        auto result = AlertDialog().showYesNoCancel ("Save Changes", message);
        EXPECT_TRUE (driver.hasActed());
        return result;
    }

    bool runOkCancel (ModalDialogDriver::Action action)
    {
        ModalDialogDriver driver (std::move (action));
        auto result = AlertDialog().showOkCancel ("Confirm", shortMessage);
        EXPECT_TRUE (driver.hasActed());
        return result;
    }
};

void expectButtonRow (const AlertView& view, const ShownButton& button, int x)
{
    EXPECT_EQ (button.bounds, juce::Rectangle<int> (x, view.contentBounds.getHeight() - 16 - 24, 88, 24))
        << button.text;
}

TEST_F (AlertDialogTest, YesNoCancelShowsThreeButtonsInARow)
{
    testsupport::ScopedInterfaceLanguage english (false);
    AlertView view;
    runYesNoCancel (andThen (readAlert (view, "alert-yes-no-cancel-en"), testsupport::clickButton ("cancel")));

    EXPECT_EQ (view.windowTitle, "Save Changes");
    EXPECT_EQ (view.messageText, shortMessage);
    EXPECT_EQ (view.contentBounds.getWidth(), 420);
    EXPECT_EQ (view.messageBounds, juce::Rectangle<int> (16, 16, 384, 56));

    ASSERT_TRUE (view.yes && view.no && view.cancel);
    EXPECT_EQ (view.yes->text, "Yes");
    EXPECT_EQ (view.no->text, "No");
    EXPECT_EQ (view.cancel->text, "Cancel");
    expectButtonRow (view, *view.yes, 16);
    expectButtonRow (view, *view.no, 120);
    expectButtonRow (view, *view.cancel, 400 - 88);
}

TEST_F (AlertDialogTest, OkCancelPutsCancelLeftOfOk)
{
    testsupport::ScopedInterfaceLanguage english (false);
    AlertView view;
    runOkCancel (andThen (readAlert (view, "alert-ok-cancel-en"), testsupport::clickButton ("cancel")));

    EXPECT_EQ (view.windowTitle, "Confirm");
    ASSERT_TRUE (view.yes && view.cancel);
    EXPECT_FALSE (view.no);
    EXPECT_EQ (view.yes->text, "OK");
    EXPECT_EQ (view.cancel->text, "Cancel");
    expectButtonRow (view, *view.yes, 312);
    expectButtonRow (view, *view.cancel, 208);
}

TEST_F (AlertDialogTest, MessageShowsOneOkButtonAtTheRight)
{
    testsupport::ScopedInterfaceLanguage english (false);
    AlertView view;
    ModalDialogDriver driver (andThen (readAlert (view, "alert-message-en"), testsupport::clickButton ("yes")));
    AlertDialog().showMessage ("Error", "The file could not be read.");
    ASSERT_TRUE (driver.hasActed());

    EXPECT_EQ (view.windowTitle, "Error");
    ASSERT_TRUE (view.yes);
    EXPECT_FALSE (view.no);
    EXPECT_FALSE (view.cancel);
    EXPECT_EQ (view.yes->text, "OK");
    expectButtonRow (view, *view.yes, 312);
}

// The captions come from the resource of the interface language, and the
// Japanese texts really reach the buttons.
TEST_F (AlertDialogTest, CaptionsFollowTheInterfaceLanguage)
{
    testsupport::ScopedInterfaceLanguage japanese (true);
    CPXWResource resource (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), true));

    AlertView view;
    runYesNoCancel (andThen (readAlert (view, "alert-yes-no-cancel-ja"), testsupport::clickButton ("no")),
                    juce::String::fromUTF8 ("ライブラリは変更されています。保存しますか？"));
    ASSERT_TRUE (view.yes && view.no && view.cancel);
    EXPECT_EQ (view.yes->text, resource.getString ("CommonYes"));
    EXPECT_EQ (view.no->text, resource.getString ("CommonNo"));
    EXPECT_EQ (view.cancel->text, resource.getString ("CommonCancel"));
    EXPECT_NE (view.yes->text, "Yes");

    AlertView okView;
    runOkCancel (andThen (readAlert (okView, "alert-ok-cancel-ja"), testsupport::clickButton ("yes")));
    ASSERT_TRUE (okView.yes && okView.cancel);
    EXPECT_EQ (okView.cancel->text, resource.getString ("CommonCancel"));

    AlertView messageView;
    ModalDialogDriver driver (andThen (readAlert (messageView, "alert-message-ja"), testsupport::clickButton ("yes")));
    AlertDialog().showMessage (juce::String::fromUTF8 ("エラー"), juce::String::fromUTF8 ("ファイルを読み込めませんでした。"));
    ASSERT_TRUE (messageView.yes);
    EXPECT_EQ (messageView.yes->text, resource.getString ("CommonOK"));
}

TEST_F (AlertDialogTest, EachButtonGivesItsResult)
{
    EXPECT_EQ (runYesNoCancel (testsupport::clickButton ("yes")), 1);
    EXPECT_EQ (runYesNoCancel (testsupport::clickButton ("no")), 2);
    EXPECT_EQ (runYesNoCancel (testsupport::clickButton ("cancel")), 0);

    EXPECT_TRUE (runOkCancel (testsupport::clickButton ("yes")));
    EXPECT_FALSE (runOkCancel (testsupport::clickButton ("cancel")));

    ModalDialogDriver driver (testsupport::clickButton ("yes"));
    AlertDialog().showMessage ("Error", shortMessage);
    EXPECT_TRUE (driver.hasActed());
}

TEST_F (AlertDialogTest, EscapeAndClosingTheWindowGiveCancel)
{
    EXPECT_EQ (runYesNoCancel (testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey))), 0);
    EXPECT_EQ (runYesNoCancel (testsupport::clickCloseButton()), 0);
    EXPECT_EQ (runYesNoCancel (testsupport::closeFromWindowSystem()), 0);

    EXPECT_FALSE (runOkCancel (testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey))));
    EXPECT_FALSE (runOkCancel (testsupport::clickCloseButton()));
}

// Escape must close the alert even when the message text holds the focus.
TEST_F (AlertDialogTest, EscapeClosesWhileTheMessageHasFocus)
{
    auto focusMessageThenEscape = [] (juce::Component& dialog)
    {
        auto* editor = testsupport::findDescendant (*testsupport::dialogContent (dialog), "message");
        ASSERT_NE (editor, nullptr);
        testsupport::click (*editor);
        editor->grabKeyboardFocus();
        EXPECT_TRUE (editor->hasKeyboardFocus (false));
        testsupport::pressKey (dialog, juce::KeyPress (juce::KeyPress::escapeKey));
    };
    EXPECT_EQ (runYesNoCancel (focusMessageThenEscape), 0);
}

TEST_F (AlertDialogTest, TheFlagIsSetOnlyWhileTheAlertIsOpen)
{
    bool openInside = false;
    runYesNoCancel (andThen ([&] (juce::Component&) { openInside = ui::ModalDialogState::getInstance()->dialogOpen; },
                             testsupport::clickButton ("yes")));
    EXPECT_TRUE (openInside);
}

TEST_F (AlertDialogTest, LongMessageGrowsTheAlertAndMovesTheButtonsBelowIt)
{
    AlertView shortView;
    runYesNoCancel (andThen (readAlert (shortView), testsupport::clickButton ("yes")));

    juce::String longMessage;
    for (int i = 0; i < 12; ++i)
        longMessage << "Line " << i + 1 << " of a message that explains at length what went wrong and why. ";

    AlertView longView;
    runYesNoCancel (andThen (readAlert (longView, "alert-long-message-en"), testsupport::clickButton ("yes")),
                    longMessage);

    EXPECT_EQ (longView.messageText, longMessage.trimEnd());
    EXPECT_GT (longView.contentBounds.getHeight(), shortView.contentBounds.getHeight() + 56);
    ASSERT_TRUE (longView.yes && longView.no && longView.cancel);

    // The buttons sit below the whole text, 16 pixels above the bottom edge.
    EXPECT_GE (longView.yes->bounds.getY(), longView.messageBounds.getBottom());
    expectButtonRow (longView, *longView.yes, 16);
    expectButtonRow (longView, *longView.cancel, 312);

    // The message area reaches down to the whole text, so no line is cut off.
    EXPECT_GT (longView.messageBounds.getHeight(), 56);
    EXPECT_EQ (longView.messageBounds.getY(), 16);
}

// An editor set up like the alert's message, to measure a text independently.
struct ReferenceMessage
{
    explicit ReferenceMessage (const juce::String& text, int height = 400)
    {
        editor.setMultiLine (true, true);
        editor.setReadOnly (true);
        editor.setScrollbarsShown (false);
        editor.setColour (juce::TextEditor::textColourId, juce::Colours::white);
        editor.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xff333333));
        editor.setColour (juce::TextEditor::outlineColourId, juce::Colour (0xff333333));
        editor.setBounds (0, 0, 384, height);
        editor.setText (text, false);
    }
    juce::TextEditor editor;
};

// The lowest row with text ink inside an area of an image.
int lowestInkRow (const juce::Image& image, juce::Rectangle<int> area)
{
    int lowest = -1;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (image.getPixelAt (x, y).getBrightness() > 0.45f)
                lowest = y;
    return lowest;
}

// The component alone: its height follows the text's and the buttons move
// with it.
TEST_F (AlertDialogTest, ComponentHeightFollowsTheTextHeight)
{
    const juce::String oneLine ("One line.");
    const auto manyLines = juce::String::repeatedString ("A line of text that wraps. ", 30);
    AlertDialogComponent shortAlert (AlertDialogComponent::yesNoCancel, oneLine);
    AlertDialogComponent longAlert (AlertDialogComponent::yesNoCancel, manyLines);

    ReferenceMessage shortText (oneLine), longText (manyLines);
    const auto shortHeight = shortText.editor.getTextHeight();
    const auto longHeight = longText.editor.getTextHeight();
    ASSERT_GT (longHeight, 3 * shortHeight);
    EXPECT_EQ (shortAlert.messageTextHeight(), shortHeight);
    EXPECT_EQ (longAlert.messageTextHeight(), longHeight);

    EXPECT_EQ (shortAlert.getHeight(), 16 + shortHeight + 41 + 24);
    EXPECT_EQ (longAlert.getHeight(), 16 + longHeight + 41 + 24);

    auto* shortEditor = testsupport::findDescendantAs<juce::TextEditor> (shortAlert, "message");
    auto* longEditor = testsupport::findDescendantAs<juce::TextEditor> (longAlert, "message");
    ASSERT_TRUE (shortEditor != nullptr && longEditor != nullptr);
    EXPECT_EQ (shortEditor->getBounds(), juce::Rectangle<int> (16, 16, 384, 56));

    for (auto* alert : { &shortAlert, &longAlert })
    {
        auto* cancel = testsupport::findDescendant (*alert, "cancel");
        ASSERT_NE (cancel, nullptr);
        EXPECT_EQ (cancel->getY(), alert->messageTextHeight() + 41);
    }

    // The long message's editor shows its whole text and ends above the
    // buttons; ink on its last rows would mean the text ran past its edge.
    EXPECT_GT (longEditor->getHeight(), 56);
    EXPECT_LT (longEditor->getBottom(), longAlert.getHeight() - 16 - 24);
    auto image = longAlert.createComponentSnapshot (longAlert.getLocalBounds());
    for (int y = longEditor->getBottom() - 3; y < longEditor->getBottom(); ++y)
        for (int x = longEditor->getX(); x < longEditor->getRight(); ++x)
            ASSERT_EQ (image.getPixelAt (x, y), juce::Colour (0xff333333)) << "text cut at " << x << "," << y;
}

// The last line's descenders (g, j, p, q, y) are drawn whole: as low as in an
// editor with plenty of room below the text.
TEST_F (AlertDialogTest, LastLineKeepsItsDescenders)
{
    const juce::String text ("gjpqy gjpqy gjpqy");
    AlertDialogComponent alert (AlertDialogComponent::message, text);
    auto* editor = testsupport::findDescendant (alert, "message");
    ASSERT_NE (editor, nullptr);

    ReferenceMessage roomy (text + "\n\n");
    auto alertImage = alert.createComponentSnapshot (alert.getLocalBounds());
    auto roomyImage = roomy.editor.createComponentSnapshot (roomy.editor.getLocalBounds());

    // Left of the OK button, which overlaps the short message's editor.
    const auto inAlert = lowestInkRow (alertImage, editor->getBounds().withWidth (200)) - editor->getY();
    const auto inRoomy = lowestInkRow (roomyImage, roomy.editor.getLocalBounds());
    ASSERT_GT (inRoomy, 0);
    EXPECT_EQ (inAlert, inRoomy);
}

TEST_F (AlertDialogTest, UnknownKindFallsBackToAKnownOne)
{
    AlertDialogComponent tooHigh (7, "x");
    AlertDialogComponent negative (-3, "x");
    EXPECT_EQ (tooHigh.getKind(), AlertDialogComponent::yesNoCancel);
    EXPECT_EQ (negative.getKind(), AlertDialogComponent::message);
}

// An alert asked for while another dialog is open shows nothing, gives
// Cancel and leaves the outer dialog's flag set.
TEST_F (AlertDialogTest, NestedAlertShowsNothingAndKeepsTheOuterFlag)
{
    {
        ModalDialogGuard outer;
        ASSERT_FALSE (outer.wasAlreadyOpen());
        ASSERT_TRUE (ui::ModalDialogState::getInstance()->dialogOpen);

        ModalDialogDriver driver (testsupport::clickButton ("yes"), 300);
        EXPECT_EQ (AlertDialog().showYesNoCancel ("Nested", shortMessage), 0);
        EXPECT_FALSE (AlertDialog().showOkCancel ("Nested", shortMessage));
        AlertDialog().showMessage ("Nested", shortMessage);
        testsupport::runMessageLoop (400);

        EXPECT_FALSE (driver.hasActed()) << "a nested alert showed a window";
        EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
        EXPECT_TRUE (ui::ModalDialogState::getInstance()->dialogOpen);
    }
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

// A guarded dialog that opens an alert from inside its own modal loop: the
// alert does not show and the outer dialog still holds the flag afterwards.
TEST_F (AlertDialogTest, AlertFromInsideAGuardedDialog)
{
    int innerResult = -1;
    bool flagAfterInner = false;

    auto tryInnerAlert = [&] (juce::Component&)
    {
        innerResult = AlertDialog().showYesNoCancel ("Inner", shortMessage);
        flagAfterInner = ui::ModalDialogState::getInstance()->dialogOpen;
    };
    ModalDialogDriver driver (andThen (tryInnerAlert, testsupport::clickButton ("cancel")));

    auto outer = AlertDialog().showYesNoCancel ("Outer", shortMessage);
    EXPECT_TRUE (driver.hasActed());
    EXPECT_EQ (innerResult, 0);
    EXPECT_TRUE (flagAfterInner);
    EXPECT_EQ (outer, 0);
}
} // namespace
