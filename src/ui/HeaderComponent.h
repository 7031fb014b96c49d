#pragma once

#include "action/DataChangeObserver.h"
#include "library/CurrentProgramData.h"
#include "ui/ImageTextButton.h"
#include "ui/ProgramNameDisplayComponent.h"
#include "ui/RightPanePageModel.h"

#include <array>
#include <memory>

// The strip above the tabs: the current program on a picture of the
// instrument's two-line display, and the six transfer buttons, each of which
// invokes its command through the application's command manager.
class HeaderComponent : public juce::Component,
                        public x48305_data::CurrentProgramDataObserver,
                        public data::DataChangeObserver,
                        public x48305_ui::RightPanePageModelObserver,
                        public juce::Button::Listener
{
public:
    // The buttons in their order.
    enum ButtonIndex
    {
        librarySend = 0,
        programSend,
        programReceive,
        libraryReceive,
        userDataSend,
        userDataReceive,
        numButtons
    };

    struct ButtonSpec
    {
        const char* text;
        int commandId;
        juce::Rectangle<int> bounds;
    };

    static const std::array<ButtonSpec, numButtons>& getButtonSpecs();

    // Where the black glass, the display and the pictures sit.
    static juce::Rectangle<int> glassArea() { return { 276, 20, 212, 42 }; }
    static juce::Rectangle<int> displayArea() { return { 283, 23, 204, 40 }; }
    static juce::Rectangle<int> decorationArea() { return { 39, 19, 174, 50 }; }
    static juce::Rectangle<int> bezelArea() { return { 252, 17, 264, 52 }; }
    static juce::Rectangle<int> userOscFxCaptionArea() { return { 765, 5, 70, 10 }; }
    static juce::Rectangle<int> programsCaptionArea() { return { 603, 5, 60, 10 }; }

    HeaderComponent();
    ~HeaderComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    void buttonClicked (juce::Button*) override {}
    void currentProgramChanged() override { updateProgramDisplay(); }
    void dataChanged() override { updateProgramDisplay(); }
    void pageChanged() override {}

    ui::ImageTextButton& getButton (int index) { return *buttons[(size_t) index]; }
    ProgramNameDisplayComponent& getDisplay() { return display; }

    // The two display lines (unpadded) for the current program.
    static std::pair<juce::String, juce::String> displayLinesFor (const x48305_data::CurrentProgramData& current);

private:
    void updateProgramDisplay();
    void setUpButton (ui::ImageTextButton& button, const ButtonSpec& spec);

    ProgramNameDisplayComponent display;
    std::array<std::unique_ptr<ui::ImageTextButton>, numButtons> buttons;
    juce::Image decoration;
    juce::Image bezel;
    juce::Image userOscFxCaption;
    juce::Image programsCaption;

    JUCE_DECLARE_NON_COPYABLE (HeaderComponent)
};
