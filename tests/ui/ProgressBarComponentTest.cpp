#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/ProgressBarComponent.h"

#include <gtest/gtest.h>

namespace
{
// A window on the desktop holding one slider, so that input arrives through
// the window system's path.
template <typename SliderType>
struct SliderWindow
{
    explicit SliderWindow (juce::Slider::SliderStyle style)
        : slider ("ProgressBar")
    {
        slider.setSliderStyle (style);
        slider.setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
        slider.setRange (0.0, 100.0, 1.0);
        slider.setValue (40.0, juce::dontSendNotification);
        slider.setBounds (0, 0, 300, 24);
        window.setContentNonOwned (&slider, true);
        window.setTopLeftPosition (40, 40);
        window.setVisible (true);
        testsupport::runMessageLoop (30);
    }

    ~SliderWindow() { window.clearContentComponent(); }

    void pokeWithTheMouse()
    {
        const juce::Point<float> left (30.0f, 12.0f), right (270.0f, 12.0f);
        testsupport::click (slider, right);
        testsupport::drag (slider, left, right);
        testsupport::doubleClick (slider, left);
        testsupport::wheel (slider, { 150.0f, 12.0f }, 0.5f);
        testsupport::wheel (slider, { 150.0f, 12.0f }, -0.5f);
        testsupport::wheel (slider, { 150.0f, 12.0f }, -0.5f);
        testsupport::runMessageLoop (30);
    }

    SliderType slider;
    juce::DocumentWindow window { "slider", juce::Colours::black, 0, true };
};

struct PlainSlider : juce::Slider
{
    explicit PlainSlider (const juce::String& name) : juce::Slider (name) {}
};

class ProgressBarComponentTest : public testing::TestWithParam<juce::Slider::SliderStyle>
{
};

// The same input moves a plain slider: the events really reach it.
TEST_P (ProgressBarComponentTest, TheSameInputMovesAPlainSlider)
{
    SliderWindow<PlainSlider> plain (GetParam());
    plain.pokeWithTheMouse();
    EXPECT_NE (plain.slider.getValue(), 40.0);
}

TEST_P (ProgressBarComponentTest, MouseAndWheelLeaveTheValueAlone)
{
    SliderWindow<ui::ProgressBarComponent> bar (GetParam());
    EXPECT_EQ (bar.slider.getName(), "ProgressBar");
    bar.pokeWithTheMouse();
    EXPECT_EQ (bar.slider.getValue(), 40.0);

    // The owner still moves it.
    bar.slider.setValue (75.0);
    EXPECT_EQ (bar.slider.getValue(), 75.0);
}

// The bar shows its value as text across the whole bar. The framework makes
// that text editable unless the owner says read-only, and a click on it then
// opens an editor that sets the value: the bar never lets that happen.
struct ValueTextClick
{
    juce::String shown;       // the value text before the click
    bool editorOpened = false;
    double valueAfterTyping = 0.0;
};

template <typename SliderType>
ValueTextClick clickOnTheValueTextAndType99()
{
    SliderWindow<SliderType> bar (juce::Slider::LinearBar);
    bar.slider.setTextValueSuffix ("%");
    bar.slider.setTextBoxStyle (juce::Slider::TextBoxLeft, false, 300, 24);
    testsupport::runMessageLoop (30);

    ValueTextClick result;
    auto* text = dynamic_cast<juce::Label*> (bar.slider.getChildComponent (0));
    if (text == nullptr)
        return result;
    result.shown = text->getText();

    testsupport::click (bar.slider, { 150.0f, 12.0f });
    testsupport::runMessageLoop (30);
    result.editorOpened = text->isBeingEdited();

    if (auto* editor = text->getCurrentTextEditor())
    {
        editor->setText ("99", juce::sendNotification);
        text->hideEditor (false);
        testsupport::runMessageLoop (30);
    }
    result.valueAfterTyping = bar.slider.getValue();
    return result;
}

TEST (ProgressBarComponentValueText, AClickOnTheValueTextEditsAPlainSlider)
{
    const auto plain = clickOnTheValueTextAndType99<PlainSlider>();
    EXPECT_EQ (plain.shown, "40%");
    EXPECT_TRUE (plain.editorOpened);
    EXPECT_EQ (plain.valueAfterTyping, 99.0);
}

TEST (ProgressBarComponentValueText, TheBarsValueTextIsNeverEditable)
{
    const auto bar = clickOnTheValueTextAndType99<ui::ProgressBarComponent>();
    EXPECT_EQ (bar.shown, "40%");
    EXPECT_FALSE (bar.editorOpened);
    EXPECT_EQ (bar.valueAfterTyping, 40.0);

    ui::ProgressBarComponent unshown ("ProgressBar");
    unshown.setSliderStyle (juce::Slider::LinearBar);
    unshown.setTextBoxStyle (juce::Slider::TextBoxLeft, false, 80, 24);
    EXPECT_FALSE (unshown.isTextBoxEditable());
}

INSTANTIATE_TEST_SUITE_P (Styles, ProgressBarComponentTest,
                          testing::Values (juce::Slider::LinearBar, juce::Slider::LinearHorizontal));
} // namespace
