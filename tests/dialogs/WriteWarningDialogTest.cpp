#include "DialogTestSupport.h"

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/PreferencesEditComponent.h"
#include "ui/WriteWarningComponent.h"

using dialogtest::inOrder;
using testsupport::ModalDialogDriver;
namespace keys = x48305_preferences::keys;

namespace
{
x48305_preferences::PreferencesData& store()
{
    return *x48305_preferences::PreferencesData::getInstance();
}

// One of the two confirmations, made fresh for each run.
struct Warning
{
    const char* name;
    const char* titleKey;
    std::function<std::unique_ptr<juce::Component>()> make;
};

const Warning warnings[] = {
    { "library", "WriteWarningDialogTitle", [] { return std::make_unique<WriteWarningComponent>(); } },
    { "user data", "WriteUserDataWarningDialogTitle", [] { return std::make_unique<WriteUserDataWarningComponent>(); } },
};

int runWarning (const Warning& warning, ModalDialogDriver::Action action)
{
    auto content = warning.make();
    return dialogtest::runDialog (*content, getLocalizedText (warning.titleKey), std::move (action));
}

const auto clickToggle = testsupport::clickButton ("dontConfirmToggle");
const auto clickOk = testsupport::clickButton ("okButton");

class WriteWarningDialogTest : public dialogtest::DialogTest
{
};
} // namespace

// OK goes on and writes the toggle's answer: untouched, the next write asks
// again; ticked, "WarnBeforeWriting" goes off, which silences both
// confirmations and shows in the preferences dialog. Cancel, Escape and the
// close button stop the write and write nothing.
TEST_F (WriteWarningDialogTest, ButtonsToggleAndKeysGiveTheirResultsAndPreference)
{
    const std::tuple<const char*, ModalDialogDriver::Action, int, const char*> cases[] = {
        { "OK", clickOk, 1, "1" },
        { "tick, OK", inOrder ({ clickToggle, clickOk }), 1, "0" },
        { "tick twice, OK", inOrder ({ clickToggle, clickToggle, clickOk }), 1, "1" },
        { "tick, Cancel", inOrder ({ clickToggle, testsupport::clickButton ("cancelButton") }), 0, "yes" },
        { "tick, Escape", inOrder ({ clickToggle, testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey)) }), 0, "yes" },
        // Return goes to OK, not to the focused toggle that was just clicked.
        { "tick, Return", inOrder ({ clickToggle, testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::returnKey)) }), 1, "0" },
        { "tick, close", inOrder ({ clickToggle, testsupport::clickCloseButton() }), 0, "yes" },
    };

    for (const auto& warning : warnings)
    {
        for (const auto& [name, action, result, stored] : cases)
        {
            SCOPED_TRACE (std::string (warning.name) + ": " + name);
            store().setString (keys::warnBeforeWriting, "yes");
            EXPECT_EQ (runWarning (warning, action), result);
            EXPECT_EQ (store().getString (keys::warnBeforeWriting, {}), stored);
        }
    }
}

TEST_F (WriteWarningDialogTest, TurningOffOneConfirmationShowsInThePreferences)
{
    store().setBool (keys::warnBeforeWriting, true);
    EXPECT_EQ (runWarning (warnings[1], inOrder ({ clickToggle, clickOk })), 1);
    EXPECT_FALSE (store().getBool (keys::warnBeforeWriting, true));

    PreferencesEditComponent preferences;
    auto* toggle = testsupport::findDescendantAs<juce::ToggleButton> (preferences, "warnBeforeWritingToggle");
    ASSERT_NE (toggle, nullptr);
    EXPECT_FALSE (toggle->getToggleState());
}

// Without a dialog around it, OK still writes the answer and nothing breaks.
TEST_F (WriteWarningDialogTest, OutsideADialogOkStillWrites)
{
    for (const auto& warning : warnings)
    {
        SCOPED_TRACE (warning.name);
        store().setBool (keys::warnBeforeWriting, true);
        auto content = warning.make();
        juce::DocumentWindow window ("plain", juce::Colours::black, 0, true);
        window.setContentNonOwned (content.get(), true);
        window.setVisible (true);
        testsupport::runMessageLoop (20);

        testsupport::click (*testsupport::findDescendant (*content, "dontConfirmToggle"));
        testsupport::click (*testsupport::findDescendant (*content, "okButton"));
        EXPECT_FALSE (store().getBool (keys::warnBeforeWriting, true));
        EXPECT_TRUE (window.isVisible());
        window.clearContentComponent();
    }
}

TEST_F (WriteWarningDialogTest, LayoutAndTextsInBothLanguages)
{
    for (bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        const auto suffix = juce::String (japanese ? "-ja" : "-en");

        WriteWarningComponent library;
        EXPECT_EQ (library.getBounds(), juce::Rectangle<int> (0, 0, 455, 110));
        const std::tuple<const char*, juce::Rectangle<int>, juce::String> libraryChildren[] = {
            { "line1Label", { 16, 16, 424, 16 }, getLocalizedText ("WriteWarningDialogLine1") },
            { "line2Label", { 16, 40, 424, 16 }, getLocalizedText ("WriteWarningDialogLine2") },
            { "okButton", { 368, 72, 72, 24 }, getLocalizedText ("CommonOK") },
            { "cancelButton", { 288, 72, 72, 24 }, getLocalizedText ("CommonCancel") },
            { "dontConfirmToggle", { 16, 72, 256, 24 }, getLocalizedText ("WriteWarningDialogDontConfirmNext") },
        };

        WriteUserDataWarningComponent userData;
        EXPECT_EQ (userData.getBounds(), juce::Rectangle<int> (0, 0, 540, 180));
        const auto message = getLocalizedText ("WriteUserDataWarningDialogLine1") + getLocalizedText ("WriteUserDataWarningDialogLine2")
                             + getLocalizedText ("WriteUserDataWarningDialogLine3") + getLocalizedText ("WriteUserDataWarningDialogLine4");
        const std::tuple<const char*, juce::Rectangle<int>, juce::String> userDataChildren[] = {
            { "messageLabel", { 16, 16, 504, 112 }, message },
            { "okButton", { 318, 139, 127, 24 }, getLocalizedText ("WriteUserDataWarningDialogOk") },
            { "cancelButton", { 453, 139, 72, 24 }, getLocalizedText ("CommonCancel") },
            { "dontConfirmToggle", { 17, 139, 256, 24 }, getLocalizedText ("WriteUserDataWarningDialogDontConfirmNext") },
        };

        const auto check = [] (juce::Component& content, const auto& children)
        {
            for (const auto& [name, bounds, text] : children)
            {
                auto* child = testsupport::findDescendant (content, name);
                ASSERT_NE (child, nullptr) << name;
                EXPECT_EQ (child->getBounds(), bounds) << name;
                EXPECT_TRUE (text.isNotEmpty()) << name;
                if (auto* label = dynamic_cast<juce::Label*> (child))
                {
                    EXPECT_EQ (label->getText(), text) << name;
                }
                if (auto* button = dynamic_cast<juce::Button*> (child))
                {
                    EXPECT_EQ (button->getButtonText(), text) << name;
                }
            }
        };
        check (library, libraryChildren);
        check (userData, userDataChildren);
        dialogtest::expectCaptionsFit (library);
        dialogtest::expectCaptionsFit (userData);
        EXPECT_TRUE (message.contains ("\n"));

        dialogtest::runDialog (library, getLocalizedText ("WriteWarningDialogTitle"),
                               inOrder ({ dialogtest::snapshot ("write-warning" + suffix), clickToggle,
                                          dialogtest::snapshot ("write-warning-ticked" + suffix),
                                          testsupport::clickButton ("cancelButton") }));
        dialogtest::runDialog (userData, getLocalizedText ("WriteUserDataWarningDialogTitle"),
                               inOrder ({ dialogtest::snapshot ("write-user-data-warning" + suffix),
                                          testsupport::clickButton ("cancelButton") }));
    }
}

// Missing message keys give an empty message, not the keys' names.
TEST_F (WriteWarningDialogTest, MissingMessageKeysGiveAnEmptyMessage)
{
    testsupport::ScopedInterfaceLanguage english (false);
    const auto file = juce::File::getSpecialLocation (juce::File::tempDirectory)
                          .getNonexistentChildFile ("slvn-strings", ".xml", false);
    ASSERT_TRUE (file.replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<LocalizableStrings><CommonOK Text=\"OK\"/></LocalizableStrings>\n"));
    CPXWResource::getInstance()->reloadFrom (file);

    WriteUserDataWarningComponent userData;
    auto* message = testsupport::findDescendantAs<juce::Label> (userData, "messageLabel");
    ASSERT_NE (message, nullptr);
    EXPECT_EQ (message->getText(), "");
    file.deleteFile();
}
