#include "ProgramListFixture.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "ui/FontLibrary.h"

using namespace programlisttest;

namespace
{
const char* const categories[] { "POLY SYNTH", "BASS", "LEAD", "PAD/STRINGS", "KEY/BELL", "CHORD", "ARP", "COMBINATION", "SFX" };
const char* const timbreTypes[] { "LAYER", "XFADE", "SPLIT" };
const char* const waves[] { "SQR", "TRI", "SAW" };
const char* const multiTypes[] { "NOISE", "VPM", "USER" };

// What each column of row r of the test library shows.
std::vector<juce::String> expectedCells (int r)
{
    return { juce::String (r + 1),
             juce::String::formatted ("Prog %03d    ", r),
             categories[r % 9],
             r % 6 == 0 ? "---" : "@",
             timbreTypes[r % 3],
             waves[r % 3],
             waves[(r + 1) % 3],
             multiTypes[r % 3],
             "" };
}

const juce::Colour listBackground (0xff000000);
const juce::Colour rowLine (0x44aaaaaa);
} // namespace

class ProgramListDisplay : public ProgramListTest
{
protected:
    juce::Image snapshotOfList() { return list().createComponentSnapshot (list().getLocalBounds(), true, 1.0f); }

    juce::Rectangle<int> cellArea (int row, int columnId)
    {
        auto& header = box().getHeader();
        const auto column = header.getColumnPosition (header.getIndexOfColumnId (columnId, true));
        return rowBounds (row).withX (column.getX()).withWidth (column.getWidth());
    }

    // The cell as the list should paint it on an unselected row: the row
    // line, then the text in its font, from its indent.
    juce::Image referenceCell (const juce::String& text, const char* fontKey, int indent, juce::Rectangle<int> area)
    {
        juce::Image image (juce::Image::ARGB, area.getWidth(), area.getHeight(), true);
        juce::Graphics g (image);
        g.fillAll (listBackground);
        g.setColour (rowLine);
        g.fillRect (0, area.getHeight() - 1, area.getWidth(), 1);
        g.setColour (juce::Colour (0xff808080));
        g.setFont (ui::FontLibrary::getInstance()->getFont (fontKey));
        g.drawText (text, indent, 0, area.getWidth() - indent, area.getHeight(), juce::Justification::centredLeft, false);
        return image;
    }

    int countDifferentPixels (const juce::Image& shown, juce::Rectangle<int> area, const juce::Image& reference)
    {
        int different = 0;
        for (int y = 0; y < area.getHeight(); ++y)
            for (int x = 0; x < area.getWidth(); ++x)
                if (shown.getPixelAt (area.getX() + x, area.getY() + y).getARGB() != reference.getPixelAt (x, y).getARGB())
                    ++different;
        return different;
    }
};

TEST_F (ProgramListDisplay, FiveHundredRowsWithTheirParameterColumns)
{
    ASSERT_EQ (list().getNumRows(), 500);

    const juce::String titles[] { "", "Name", "Category", "Like", "Timbre Type", "VCO 1 Wave", "VCO 2 Wave", "Multi Type", "" };
    const int widths[] { 48, 180, 120, 48, 120, 80, 80, 120, 100 };
    auto& header = box().getHeader();
    ASSERT_EQ (header.getNumColumns (true), 9);
    for (int id = 1; id <= 9; ++id)
    {
        EXPECT_EQ (header.getColumnName (id), titles[id - 1]) << id;
        EXPECT_EQ (header.getColumnWidth (id), widths[id - 1]) << id;
    }

    // Every cell text of every row, through the list's own view.
    x48305_ui::ProgramListView view (library());
    for (int r = 0; r < 500; ++r)
    {
        const auto expected = expectedCells (r);
        for (int id = 1; id <= 9; ++id)
            ASSERT_EQ (view.getCellText (r, id), expected[(size_t) (id - 1)]) << "row " << r << " column " << id;
    }

    // What the list paints is that text, in the column's font, on the rows
    // at the top and at the bottom of the list.
    const char* const fonts[] { "ProgramListNumber", "", "ProgramListCategory", "ProgramListLike", "ProgramListTimbType",
                                "ProgramListVco1Wave", "ProgramListVco2Wave", "ProgramListMultiType" };
    for (int firstRow : { 0, 490 })
    {
        box().scrollToEnsureRowIsOnscreen (firstRow + 9);
        box().scrollToEnsureRowIsOnscreen (firstRow);
        testsupport::runMessageLoop (20);
        const auto shown = snapshotOfList();
        for (int r = firstRow + 1; r < firstRow + 8; ++r)
        {
            const auto expected = expectedCells (r);
            for (int id : { 1, 3, 4, 5, 6, 7, 8 })
            {
                const auto area = cellArea (r, id);
                const auto reference = referenceCell (expected[(size_t) (id - 1)], fonts[id - 1], id == 1 ? 12 : 0, area);
                EXPECT_EQ (countDifferentPixels (shown, area, reference), 0) << "row " << r << " column " << id;
            }
            // The name is the row's label, showing the program's name.
            auto* wrapper = dynamic_cast<ProgramListItemComponentWrapper*> (box().getCellComponent (2, r));
            ASSERT_NE (wrapper, nullptr);
            EXPECT_EQ (wrapper->getLabel().getText(), expected[1]);
            EXPECT_EQ (wrapper->getRow(), r);
        }
    }
}

TEST_F (ProgramListDisplay, SelectedRowsAreFilledAndOthersLined)
{
    box().scrollToEnsureRowIsOnscreen (0);
    testsupport::runMessageLoop (20);
    const auto shown = snapshotOfList();
    const int x = cellArea (0, 9).getCentreX(); // the filler column: nothing is written there

    const auto selected = rowBounds (0);
    const auto plain = rowBounds (1);
    EXPECT_EQ (shown.getPixelAt (x, selected.getCentreY()), listBackground.overlaidWith (rowLine));
    EXPECT_EQ (shown.getPixelAt (x, selected.getBottom() - 1), listBackground.overlaidWith (rowLine));
    EXPECT_EQ (shown.getPixelAt (x, plain.getCentreY()), listBackground);
    EXPECT_EQ (shown.getPixelAt (x, plain.getBottom() - 1), listBackground.overlaidWith (rowLine));

    // Selected names are brighter than the rest.
    auto* selectedName = dynamic_cast<ProgramListItemComponentWrapper*> (box().getCellComponent (2, 0));
    auto* plainName = dynamic_cast<ProgramListItemComponentWrapper*> (box().getCellComponent (2, 1));
    ASSERT_TRUE (selectedName != nullptr && plainName != nullptr);
    EXPECT_EQ (selectedName->getLabel().findColour (juce::Label::textColourId), juce::Colour (0xffffffff));
    EXPECT_EQ (plainName->getLabel().findColour (juce::Label::textColourId), juce::Colour (0xffd3d3d3));

    testsupport::writeSnapshot (*pane, "program-list");
}

TEST_F (ProgramListDisplay, RowHeightFollowsThePreference)
{
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    EXPECT_EQ (box().getRowHeight(), 25);
    EXPECT_EQ (box().getHeader().getHeight(), 28);

    preferences->setInt (x48305_preferences::keys::programListHeight, 34);
    application::PreferencesDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (box().getRowHeight(), 34);

    preferences->setInt (x48305_preferences::keys::programListHeight, 25);
    application::PreferencesDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (box().getRowHeight(), 25);
}

// Every column title shows whole in both languages: the header squeezes a
// title in its bold font down to the framework's smallest scale at most,
// and shortens it with an ellipsis beyond that.
TEST_F (ProgramListDisplay, ColumnTitlesFitTheirColumnsInBothLanguages)
{
    auto& header = box().getHeader();
    const juce::Font font (ui::FontLibrary::getInstance()->getTypefaceName(), (float) header.getHeight() * 0.5f,
                           juce::Font::bold);
    x48305_ui::ProgramListView view (library());
    for (const bool japanese : { false, true })
    {
        const testsupport::ScopedInterfaceLanguage language (japanese);
        for (int id = 1; id <= view.getNumColumns(); ++id)
            EXPECT_LT (font.getStringWidthFloat (view.getColumnName (id)) * juce::Font::getDefaultMinimumHorizontalScaleFactor(),
                       (float) (header.getColumnWidth (id) - 8))
                << view.getColumnName (id);
    }
}
