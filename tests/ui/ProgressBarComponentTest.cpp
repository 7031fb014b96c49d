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

INSTANTIATE_TEST_SUITE_P (Styles, ProgressBarComponentTest,
                          testing::Values (juce::Slider::LinearBar, juce::Slider::LinearHorizontal));
} // namespace
