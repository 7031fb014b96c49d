#include "ProgramListFixture.h"

#include "action/DataEditStatus.h"
#include "action/LibraryActions.h"
#include "library/CurrentProgramData.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/SelectedProgramStatus.h"

#include <cstring>

namespace programlisttest
{
namespace
{
constexpr int numTestPresets = 66;

// The preferences store lives below $HOME: this area gets a home of its own,
// with the start-up defaults and list fonts.
class InterfaceEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        testsupport::setUpInterfaceHome();

        auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();
        presets.clear();
        for (int p = 0; p < numTestPresets; ++p)
        {
            x48305_data::PresetData preset;
            for (int n = 0; n < x48305_data::PresetData::numPrograms; ++n)
                preset.getProgram (n).setName (presetProgramName (p, n));
            presets.addPreset (preset);
        }
    }

    void TearDown() override { x48305_data::DataCenter::getInstance()->getPresetLibrary().clear(); }
};

const auto* const environment = testing::AddGlobalTestEnvironment (new InterfaceEnvironment);

void appendText (std::vector<std::uint8_t>& image, const juce::String& text)
{
    const auto* utf8 = text.toRawUTF8();
    image.insert (image.end(), utf8, utf8 + std::strlen (utf8) + 1);
}
} // namespace

std::vector<std::uint8_t> libraryImage()
{
    const auto& library = x48305_data::DataCenter::getInstance()->getLibraryData();
    std::vector<std::uint8_t> image;
    for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
    {
        const auto& program = library.getProgram (p);
        image.insert (image.end(), program.getRawData(), program.getRawData() + x48305_data::programRecordSize);
        appendText (image, program.getInformation().getProgrammer());
        appendText (image, program.getInformation().getComment());
    }
    for (int bank = 0; bank < x48305_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < x48305_data::FavoriteData::numSlots; ++slot)
            for (int shift : { 0, 8, 16, 24 })
                image.push_back ((std::uint8_t) (library.getFavoriteData().getProgramNumber (bank, slot) >> shift));
    return image;
}

std::vector<int> likeBytesFor (int r)
{
    static const std::vector<std::vector<int>> patterns { { 0, 0, 0, 0 }, { 1, 0, 0, 0 }, { 0, 2, 0, 0 },
                                                          { 0, 0, 4, 0 }, { 0, 0, 0, 8 }, { 1, 2, 4, 8 } };
    return patterns[(size_t) (r % (int) patterns.size())];
}

x48305_data::ProgramData makeProgram (int r)
{
    x48305_data::ProgramData program;
    std::vector<std::uint8_t> record (program.getRawData(), program.getRawData() + x48305_data::programRecordSize);
    record[29] = (std::uint8_t) (r % 9);        // category
    record[19] = (std::uint8_t) (r % 3);        // timbre type
    record[80 + 10] = (std::uint8_t) (r % 3);   // first timbre: wave 1
    record[80 + 19] = (std::uint8_t) ((r + 1) % 3); // wave 2
    record[80 + 29] = (std::uint8_t) (r % 3);   // multi type
    const auto like = likeBytesFor (r);
    for (int i = 0; i < 4; ++i)
        record[(size_t) (76 + i)] = (std::uint8_t) like[(size_t) i];
    program.setRawData (record.data());
    program.setName (juce::String::formatted ("Prog %03d", r).toStdString());
    return program;
}

std::string nameOf (int program)
{
    const auto& library = x48305_data::DataCenter::getInstance()->getLibraryData();
    return juce::String (library.getProgram (program).getName()).trimEnd().toStdString();
}

std::string presetProgramName (int preset, int program)
{
    return juce::String::formatted ("Pre%02d %03d", preset, program).toStdString();
}

void ProgramListTest::SetUp()
{
    auto& lib = library();
    lib = x48305_data::LibraryData();
    for (int r = 0; r < x48305_data::LibraryData::numPrograms; ++r)
        lib.getProgram (r) = makeProgram (r);
    const unsigned favourites[] = { 0, 1, 2, 3, 4, 7, 499, 500 };
    for (int slot = 0; slot < 8; ++slot)
        lib.getFavoriteData().setProgramNumber (0, slot, favourites[slot]);

    ui::SelectedProgramStatus::getInstance()->setSelected ({ 0 });
    x48305_data::CurrentProgramData::setBackgroundSender (
        [this] (const x48305_data::ProgramData& p) { sent.push_back (juce::String (p.getName()).trimEnd().toStdString()); });
    x48305_data::CurrentProgramData::getInstance()->selectLibraryProgram (0);
    undoManager().clearUndoHistory();
    application::DataEditStatus::getInstance()->clearEdited();

    pane = std::make_unique<LeftPaneComponent>();
    window = std::make_unique<juce::DocumentWindow> ("programs", juce::Colours::black, 0, true);
    window->setContentNonOwned (pane.get(), true);
    window->setTopLeftPosition (0, 0);
    window->setVisible (true);
    testsupport::runMessageLoop (50);
    sent.clear();
}

void ProgramListTest::TearDown()
{
    window->clearContentComponent();
    pane.reset();
    window.reset();
    x48305_data::CurrentProgramData::setBackgroundSender ({});
    undoManager().clearUndoHistory();
    testsupport::runMessageLoop (20);
}

juce::Rectangle<int> ProgramListTest::rowBounds (int row)
{
    return list().getLocalArea (&box(), box().getRowPosition (row, true));
}

juce::Point<float> ProgramListTest::cellCentre (int row, int columnId)
{
    box().scrollToEnsureRowIsOnscreen (row);
    testsupport::runMessageLoop (10);
    auto& header = box().getHeader();
    const auto column = header.getColumnPosition (header.getIndexOfColumnId (columnId, true));
    return { (float) column.getCentreX(), (float) rowBounds (row).getCentreY() };
}

juce::Point<float> ProgramListTest::gapAbove (int row)
{
    return { cellCentre (row, 3).x, (float) rowBounds (row).getY() + 2.0f };
}

void ProgramListTest::clickCell (int row, int columnId, juce::ModifierKeys held)
{
    const auto point = cellCentre (row, columnId);
    testsupport::ScopedModifierKeys keys (held);
    testsupport::click (list(), point);
    testsupport::runMessageLoop (10);
}

void ProgramListTest::pressAndDragTo (int row, int columnId, juce::Point<float> to)
{
    const auto from = cellCentre (row, columnId);
    testsupport::mouseMove (list(), from);
    testsupport::mouseDown (list(), from);
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        testsupport::mouseDrag (list(), from + (to - from) * ((float) i / (float) steps));
    lastDragPoint = to;
    testsupport::runMessageLoop (50);
}

void ProgramListTest::release()
{
    testsupport::mouseUp (list(), lastDragPoint);
    testsupport::runMessageLoop (50);
}

void ProgramListTest::makeEarlierEdit()
{
    undoManager().beginNewTransaction ("Earlier");
    undoManager().perform (new x48305_action::SetProgramNameAction (250, "Earlier", library().getProgram (250)));
    testsupport::runMessageLoop (20);
    sent.clear();
}

void ProgramListTest::expectUndoRestores (const juce::String& transactionName, const std::vector<std::uint8_t>& before)
{
    EXPECT_EQ (undoManager().getUndoDescription(), transactionName);
    EXPECT_TRUE (undoManager().undo());
    EXPECT_TRUE (libraryImage() == before) << "one undo of " << transactionName << " does not restore the library";
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    EXPECT_EQ (nameOf (250), "Earlier");
    testsupport::runMessageLoop (20);
}

std::vector<int> ProgramListTest::selectedRows()
{
    std::vector<int> rows;
    const auto set = box().getSelectedRows();
    for (int i = 0; i < set.size(); ++i)
        rows.push_back (set[i]);
    return rows;
}

juce::Image ProgramListTest::screenOfList()
{
    auto image = list().createComponentSnapshot (list().getLocalBounds(), true, 1.0f);
    juce::Graphics g (image);
    auto& desktop = juce::Desktop::getInstance();
    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        auto* floating = desktop.getComponent (i);
        if (floating->isVisible() && dynamic_cast<juce::TopLevelWindow*> (floating) == nullptr)
        {
            const auto at = list().getLocalPoint (nullptr, floating->getScreenPosition());
            g.drawImageAt (floating->createComponentSnapshot (floating->getLocalBounds(), true, 1.0f), at.x, at.y);
        }
    }
    return image;
}

juce::Colour ProgramListTest::fillerPixel (const juce::Image& screen, int row, int yInRow)
{
    auto& header = box().getHeader();
    const int x = header.getColumnPosition (header.getIndexOfColumnId (9, true)).getCentreX();
    return screen.getPixelAt (x, rowBounds (row).getY() + yInRow);
}
} // namespace programlisttest
