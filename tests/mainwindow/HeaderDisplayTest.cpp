#include "MainWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "resources/InterfaceImages.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/FontLibrary.h"
#include "ui/ProgramPaneComponent.h"

#include <cmath>

namespace
{
using namespace mainwindowtest;

x48305_data::CurrentProgramData& current()
{
    return *x48305_data::CurrentProgramData::getInstance();
}

juce::String trimmedName (const x48305_data::ProgramData& program)
{
    return juce::String (program.getName()).trim();
}

TEST (ProgramNameDisplayTest, LinesAreIndentedByHalfTheirShortfallFromSixteen)
{
    const std::pair<const char*, const char*> cases[] = {
        { "Prog 001", "    Prog 001" },         { "Preset 500", "   Preset 500" },
        { "Soft Saws   ", "  Soft Saws   " },    { "ABCDEFGHIJK", "  ABCDEFGHIJK" },
        { "X", "       X" },                     { "", "        " },
        { "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO" }, { "ABCDEFGHIJKLMNOPQRS", "ABCDEFGHIJKLMNOPQRS" },
    };
    for (const auto& [line, padded] : cases)
        EXPECT_EQ (ProgramNameDisplayComponent::padLine (line), padded) << '"' << line << '"';

    ProgramNameDisplayComponent display;
    EXPECT_EQ (display.getBounds(), juce::Rectangle<int> (0, 0, 200, 40));
    EXPECT_TRUE (display.getFirstLine().isEmpty());
    EXPECT_TRUE (display.getSecondLine().isEmpty());
    display.setText ("Prog ---", "------------");
    EXPECT_EQ (display.getFirstLine(), "    Prog ---");
    EXPECT_EQ (display.getSecondLine(), "  ------------");
}

TEST_F (MainWindowTest, DisplayShowsTheCurrentLibraryOrPresetProgramOrDashes)
{
    openWindow();
    auto& display = header().getDisplay();
    const auto& library = x48305_data::DataCenter::getInstance()->getLibraryData();
    auto expectLines = [&] (const juce::String& first, const juce::String& second) {
        testsupport::runMessageLoop();
        EXPECT_EQ (display.getFirstLine(), ProgramNameDisplayComponent::padLine (first));
        EXPECT_EQ (display.getSecondLine(), ProgramNameDisplayComponent::padLine (second));
    };

    // Program 0 is current (the list's first row) when the window opens.
    expectLines ("Prog 001", trimmedName (library.getProgram (0)));

    // A click on a row of the list.
    auto& list = *mainComponent().getProgramPane().getLeftPane()->getProgramListComponent();
    auto& box = list.getListBox();
    auto clickRow = [&] (int row, juce::ModifierKeys held) {
        const auto bounds = list.getLocalArea (&box, box.getRowPosition (row, true));
        const testsupport::ScopedModifierKeys keys (held);
        testsupport::click (list, { 150.0f, (float) bounds.getCentreY() });
    };
    clickRow (6, {});
    expectLines ("Prog 007", trimmedName (library.getProgram (6)));

    // Renaming the current program shows the new name, without the white
    // space around it; undo brings the old one back.
    auto* undo = application::ApplicationUndoManager::getInstance();
    const auto oldName = trimmedName (library.getProgram (6));
    undo->beginNewTransaction ("Rename");
    undo->perform (new x48305_action::SetProgramNameAction (6, " Night Pad  ", library.getProgram (6)));
    expectLines ("Prog 007", "Night Pad");
    undo->undo();
    expectLines ("Prog 007", oldName);

    // Two rows selected: no program is current.
    clickRow (8, juce::ModifierKeys::commandModifier);
    expectLines ("Prog ---", "------------");

    // A program of the preset window.
    current().selectPresetProgram (0, 0);
    expectLines ("Preset 001", trimmedName (factoryPreset().getProgram (0)));
    current().selectPresetProgram (0, 499);
    expectLines ("Preset 500", trimmedName (factoryPreset().getProgram (499)));

    // The last library program.
    current().selectLibraryProgram (499);
    expectLines ("Prog 500", trimmedName (library.getProgram (499)));
}

// The average of the picture's pixels that land on one screen pixel when the
// picture is drawn into dest, laid over what lies beneath.
juce::Colour drawnPixel (const juce::Image& picture, juce::Rectangle<int> dest, juce::Point<int> at, juce::Colour beneath)
{
    // The picture's pixels under the screen pixel's footprint.
    const auto footprint = [] (int screen, int destStart, int destSize, int pictureSize) {
        const double scale = (double) pictureSize / (double) destSize;
        return juce::Range<int> ((int) std::floor ((screen - destStart) * scale),
                                 (int) std::ceil ((screen + 1 - destStart) * scale));
    };
    const auto xs = footprint (at.x, dest.getX(), dest.getWidth(), picture.getWidth());
    const auto ys = footprint (at.y, dest.getY(), dest.getHeight(), picture.getHeight());
    float a = 0, r = 0, g = 0, b = 0;
    for (int y = ys.getStart(); y < ys.getEnd(); ++y)
        for (int x = xs.getStart(); x < xs.getEnd(); ++x)
        {
            const auto c = picture.getPixelAt (x, y);
            a += c.getFloatAlpha();
            r += c.getFloatRed() * c.getFloatAlpha();
            g += c.getFloatGreen() * c.getFloatAlpha();
            b += c.getFloatBlue() * c.getFloatAlpha();
        }
    const float n = (float) (xs.getLength() * ys.getLength());
    if (a <= 0.0f)
        return beneath;
    return beneath.overlaidWith (juce::Colour::fromFloatRGBA (r / a, g / a, b / a, a / n));
}

void expectClose (juce::Colour shown, juce::Colour expected, const std::string& what)
{
    const int tolerance = 10;
    EXPECT_NEAR (shown.getRed(), expected.getRed(), tolerance) << what << ": " << shown.toString() << " vs " << expected.toString();
    EXPECT_NEAR (shown.getGreen(), expected.getGreen(), tolerance) << what;
    EXPECT_NEAR (shown.getBlue(), expected.getBlue(), tolerance) << what;
}

int countBrightPixels (const juce::Image& image, juce::Rectangle<int> area)
{
    int count = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            if (image.getPixelAt (x, y).getBrightness() > 0.8f)
                ++count;
    return count;
}

TEST_F (MainWindowTest, HeaderPixelsShowTheBlackDisplayTheBezelAndTheCaptions)
{
    openWindow();
    const auto shown = header().createComponentSnapshot (header().getLocalBounds(), true, 1.0f);
    const juce::Colour background (0xff111111);
    const juce::Colour glass (0xff000000);

    // The header's own background left of the pictures and under the buttons.
    expectClose (shown.getPixelAt (5, 5), background, "background top left");
    expectClose (shown.getPixelAt (530, 80), background, "background under the display");

    // The display's area is black wherever no letter is drawn: the black
    // ground under the bezel's dark glass.
    const auto bezel = x48305_ui::InterfaceImages::displayBezel();
    for (const juce::Point<int> at : { juce::Point<int> (280, 24), juce::Point<int> (480, 58), juce::Point<int> (290, 40) })
    {
        const auto expected = drawnPixel (bezel, HeaderComponent::bezelArea(), at, glass);
        expectClose (shown.getPixelAt (at.x, at.y), expected, "glass at " + at.toString().toStdString());
        EXPECT_LT (shown.getPixelAt (at.x, at.y).getBrightness(), 0.1f) << at.toString();
    }

    // The bezel's frame and screws, drawn at half size over the background.
    for (const juce::Point<int> at : { juce::Point<int> (258, 43), juce::Point<int> (262, 43), juce::Point<int> (506, 43),
                                       juce::Point<int> (300, 18), juce::Point<int> (380, 66) })
        expectClose (shown.getPixelAt (at.x, at.y), drawnPixel (bezel, HeaderComponent::bezelArea(), at, background),
                     "bezel at " + at.toString().toStdString());

    // The lettering left of the display.
    const auto decoration = x48305_ui::InterfaceImages::headerDecoration();
    for (const juce::Point<int> at : { juce::Point<int> (60, 40), juce::Point<int> (100, 50), juce::Point<int> (150, 62) })
        expectClose (shown.getPixelAt (at.x, at.y),
                     drawnPixel (decoration, HeaderComponent::decorationArea(), at, background),
                     "decoration at " + at.toString().toStdString());

    // Both captions in white capitals above their buttons, and nothing white
    // beside them.
    const auto programsCaption = x48305_ui::InterfaceImages::programsCaption();
    const auto userCaption = x48305_ui::InterfaceImages::userOscFxCaption();
    for (int y = 5; y < 15; ++y)
        for (int x = 603; x < 663; x += 3)
            expectClose (shown.getPixelAt (x, y),
                         drawnPixel (programsCaption, HeaderComponent::programsCaptionArea(), { x, y }, background),
                         "PROGRAMS caption");
    EXPECT_GT (countBrightPixels (shown, HeaderComponent::programsCaptionArea()), 20);
    EXPECT_GT (countBrightPixels (shown, HeaderComponent::userOscFxCaptionArea()), 20);
    for (int y = 5; y < 15; ++y)
        for (int x = 765; x < 835; x += 3)
            expectClose (shown.getPixelAt (x, y),
                         drawnPixel (userCaption, HeaderComponent::userOscFxCaptionArea(), { x, y }, background),
                         "USER OSC/FX caption");
    EXPECT_EQ (countBrightPixels (shown, { 540, 0, 330, 5 }), 0);

    // White letters on both lines of the display.
    const auto display = HeaderComponent::displayArea();
    EXPECT_GT (countBrightPixels (shown, display.withHeight (18)), 20);
    EXPECT_GT (countBrightPixels (shown, display.withTrimmedTop (18).withHeight (18)), 20);

    // With no program there is still a line of dashes, and no name.
    x48305_data::CurrentProgramData::getInstance()->clearCurrentProgram();
    testsupport::runMessageLoop();
    const auto dashes = header().createComponentSnapshot (header().getLocalBounds(), true, 1.0f);
    EXPECT_GT (countBrightPixels (dashes, display.withTrimmedTop (18).withHeight (18)), 10);
    EXPECT_LT (countBrightPixels (dashes, display.withTrimmedTop (18).withHeight (18)),
               countBrightPixels (shown, display.withTrimmedTop (18).withHeight (18)));
}
} // namespace

namespace
{
TEST (ImageTextButtonTest, DrawsItsCaptionOverThePictureInItsFontAndColour)
{
    testsupport::setUpInterfaceFonts();
    ui::ImageTextButton button ("caption");
    EXPECT_EQ (button.getName(), "caption");
    EXPECT_EQ (button.getTextFont(), ui::FontLibrary::getInstance()->getFont ("ImageTextButton"));
    EXPECT_EQ (button.getTextColour(), juce::Colour (0xffffffff));

    const auto face = x48305_ui::InterfaceImages::headerButtonNormal();
    button.setImages (false, true, true, face, 1.0f, {}, {}, 1.0f, {}, face, 1.0f, {}, 0.0f);
    button.setBounds (0, 0, 80, 24);
    auto pixelsOf = [&button] (juce::Colour colour) {
        const auto image = button.createComponentSnapshot (button.getLocalBounds(), true, 1.0f);
        int count = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).withAlpha (1.0f) == colour)
                    ++count;
        return count;
    };

    const juce::Colour red (0xffff0000);
    button.setTextColour (red);
    button.setButtonText ({});
    EXPECT_EQ (pixelsOf (red), 0);
    button.setButtonText ("SEND");
    EXPECT_GT (pixelsOf (red), 10);

    // Disabled, the caption fades.
    button.setEnabled (false);
    EXPECT_EQ (pixelsOf (red), 0);
}
} // namespace
