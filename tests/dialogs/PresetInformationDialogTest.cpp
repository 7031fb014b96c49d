#include "DialogTestSupport.h"

#include "support/InterfaceSetUp.h"
#include "support/UserInput.h"
#include "ui/PresetInformationEditComponent.h"

using dialogtest::inOrder;
using dialogtest::typeInto;
using testsupport::ModalDialogDriver;

namespace
{
const juce::String title ("Preset Information");

class PresetInformationDialogTest : public dialogtest::DialogTest
{
protected:
    int run (ModalDialogDriver::Action action) { return dialogtest::runDialog (content, title, std::move (action)); }

    const x48305_data::PresetInformation& information() const { return content.getInformation(); }

    PresetInformationEditComponent content;
};

// Steps a slider the way the dialog offers: its "+" or "-" button.
ModalDialogDriver::Action stepSlider (const juce::String& sliderName, const char* button, int steps)
{
    return [sliderName, button, steps] (juce::Component& dialog)
    {
        auto* slider = testsupport::findDescendantAs<juce::Slider> (dialog, sliderName);
        ASSERT_NE (slider, nullptr);
        auto* target = testsupport::findDescendant (*slider, button);
        ASSERT_NE (target, nullptr);
        for (int i = 0; i < steps; ++i)
            testsupport::click (*target);
    };
}

ModalDialogDriver::Action stepUp (const juce::String& sliderName, int steps) { return stepSlider (sliderName, "+", steps); }
ModalDialogDriver::Action stepDown (const juce::String& sliderName, int steps) { return stepSlider (sliderName, "-", steps); }
} // namespace

TEST_F (PresetInformationDialogTest, OkWithoutTouchingAnythingGivesEmptyTextsAndOnes)
{
    EXPECT_EQ (run (testsupport::clickButton ("okButton")), 1);

    EXPECT_EQ (information().DataID, "");
    EXPECT_EQ (information().Name, "");
    EXPECT_EQ (information().Author, "");
    EXPECT_EQ (information().Date, "");
    EXPECT_EQ (information().Copyright, "");
    EXPECT_EQ (information().Prefix, "");
    EXPECT_EQ (information().Version, 1);
    EXPECT_EQ (information().NumOfProg, 1);
}

// Every field reaches its place; a long data ID is taken whole, and Return
// typed in an editor presses OK without breaking the line.
TEST_F (PresetInformationDialogTest, OkTakesWhatWasTypedAndStepped)
{
    const juce::String longId ("0123456789abcdefghijABCDEFGHIJ0123456789");
    ASSERT_EQ (longId.length(), 40);

    auto result = run (inOrder ({ stepUp ("versionSlider", 2),
                                  stepUp ("programCountSlider", 249),
                                  typeInto ("dataIdEditor", longId),
                                  typeInto ("nameEditor", "Evening Pads"),
                                  typeInto ("authorEditor", "R. Quill"),
                                  typeInto ("dateEditor", "2026-03-14"),
                                  typeInto ("copyrightEditor", juce::String::fromUTF8 ("© 2026 R. Quill")),
                                  testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::returnKey)) }));

    EXPECT_EQ (result, 1);
    EXPECT_EQ (information().DataID, longId);
    EXPECT_EQ (information().Name, "Evening Pads");
    EXPECT_EQ (information().Author, "R. Quill");
    EXPECT_EQ (information().Date, "2026-03-14");
    EXPECT_EQ (information().Copyright, juce::String::fromUTF8 ("© 2026 R. Quill"));
    EXPECT_EQ (information().Version, 3);
    EXPECT_EQ (information().NumOfProg, 250);
}

TEST_F (PresetInformationDialogTest, SlidersStayWithinTheirLimits)
{
    auto* version = testsupport::findDescendantAs<juce::Slider> (content, "versionSlider");
    auto* count = testsupport::findDescendantAs<juce::Slider> (content, "programCountSlider");
    ASSERT_TRUE (version != nullptr && count != nullptr);

    EXPECT_EQ (version->getMinimum(), 1.0);
    EXPECT_EQ (version->getMaximum(), 1000.0);
    EXPECT_EQ (count->getMinimum(), 1.0);
    EXPECT_EQ (count->getMaximum(), 500.0);
    EXPECT_EQ (version->getInterval(), 1.0);
    EXPECT_EQ (count->getInterval(), 1.0);

    // Below the minimum at once; to the top and past it near the maximum.
    auto result = run (inOrder ({ stepDown ("versionSlider", 2),
                                  stepDown ("programCountSlider", 2),
                                  [&] (juce::Component&) { version->setValue (998.0); count->setValue (498.0); },
                                  stepUp ("versionSlider", 5),
                                  stepUp ("programCountSlider", 5),
                                  testsupport::clickButton ("okButton") }));
    EXPECT_EQ (result, 1);
    EXPECT_EQ (information().Version, 1000);
    EXPECT_EQ (information().NumOfProg, 500);
}

TEST_F (PresetInformationDialogTest, StepDownStopsAtOne)
{
    auto result = run (inOrder ({ stepUp ("versionSlider", 1),
                                  stepDown ("versionSlider", 3),
                                  stepDown ("programCountSlider", 3),
                                  testsupport::clickButton ("okButton") }));
    EXPECT_EQ (result, 1);
    EXPECT_EQ (information().Version, 1);
    EXPECT_EQ (information().NumOfProg, 1);
}

// Cancel, Escape and the close button end with 0 and leave the information
// as it was made, whatever was typed.
TEST_F (PresetInformationDialogTest, EndingWithoutOkLeavesTheInformationDefault)
{
    const std::pair<const char*, ModalDialogDriver::Action> endings[] = {
        { "Cancel", testsupport::clickButton ("cancelButton") },
        { "Escape", testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey)) },
        { "close button", testsupport::clickCloseButton() },
    };

    for (const auto& [name, ending] : endings)
    {
        SCOPED_TRACE (name);
        PresetInformationEditComponent fresh;
        auto result = dialogtest::runDialog (fresh, title,
                                             inOrder ({ typeInto ("nameEditor", "Not Saved"),
                                                        stepUp ("programCountSlider", 3), ending }));
        EXPECT_EQ (result, 0);
        EXPECT_EQ (fresh.getInformation(), x48305_data::PresetInformation());
        EXPECT_EQ (fresh.getInformation().Version, 0);
        EXPECT_EQ (fresh.getInformation().NumOfProg, 500);
    }
}

TEST_F (PresetInformationDialogTest, LayoutAndCaptionsInBothLanguages)
{
    const std::tuple<const char*, juce::Rectangle<int>, const char*> rows[] = {
        { "dataIdLabel", { 24, 24, 120, 24 }, "data ID" },
        { "dataIdEditor", { 152, 24, 288, 24 }, "" },
        { "nameLabel", { 24, 64, 120, 24 }, "display name" },
        { "nameEditor", { 152, 64, 288, 24 }, "" },
        { "authorLabel", { 24, 104, 120, 24 }, "author" },
        { "authorEditor", { 152, 104, 288, 24 }, "" },
        { "dateLabel", { 24, 144, 120, 24 }, "date" },
        { "dateEditor", { 152, 144, 288, 24 }, "" },
        { "copyrightLabel", { 24, 184, 120, 24 }, "copyright" },
        { "copyrightEditor", { 152, 184, 288, 24 }, "" },
        { "versionLabel", { 24, 224, 120, 24 }, "version" },
        { "versionSlider", { 152, 224, 150, 24 }, "" },
        { "programCountLabel", { 24, 264, 96, 24 }, "Program       1  ~" },
        { "programCountSlider", { 152, 264, 150, 24 }, "" },
        { "okButton", { 272, 320, 78, 24 }, "OK" },
        { "cancelButton", { 360, 320, 78, 24 }, "Cancel" },
    };

    EXPECT_EQ (content.getWidth(), 480);
    EXPECT_EQ (content.getHeight(), 380);
    for (const auto& [name, bounds, text] : rows)
    {
        auto* child = testsupport::findDescendant (content, name);
        ASSERT_NE (child, nullptr) << name;
        EXPECT_EQ (child->getBounds(), bounds) << name;
        if (auto* label = dynamic_cast<juce::Label*> (child))
        {
            EXPECT_EQ (label->getText(), text) << name;
        }
        if (auto* button = dynamic_cast<juce::TextButton*> (child))
        {
            EXPECT_EQ (button->getButtonText(), text) << name;
        }
    }

    // The count's caption is the one that the dialog's fixed layout squeezes.
    dialogtest::expectCaptionsFit (content, { "programCountLabel" });

    run (inOrder ({ typeInto ("dataIdEditor", "SLVN-FACTORY-02"), typeInto ("nameEditor", "Evening Pads"),
                    dialogtest::snapshot ("preset-information-en"), testsupport::clickButton ("cancelButton") }));

    // In Japanese only the framework's own words change: Cancel.
    testsupport::ScopedInterfaceLanguage japanese (true);
    dialogtest::ScopedFrameworkTranslations translations;
    PresetInformationEditComponent inJapanese;
    auto* cancel = testsupport::findDescendantAs<juce::TextButton> (inJapanese, "cancelButton");
    auto* ok = testsupport::findDescendantAs<juce::TextButton> (inJapanese, "okButton");
    ASSERT_TRUE (cancel != nullptr && ok != nullptr);
    EXPECT_EQ (cancel->getButtonText(), juce::String::fromUTF8 ("キャンセル"));
    EXPECT_EQ (ok->getButtonText(), "OK");
    dialogtest::expectCaptionsFit (inJapanese, { "programCountLabel" });
    dialogtest::runDialog (inJapanese, juce::String::fromUTF8 ("プリセット情報"),
                           inOrder ({ typeInto ("nameEditor", juce::String::fromUTF8 ("夕暮れのパッド")),
                                      dialogtest::snapshot ("preset-information-ja"),
                                      testsupport::clickButton ("cancelButton") }));
}
