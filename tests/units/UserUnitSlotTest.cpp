#include "support/UnitTestHeaders.h"

#include "formats/UserUnitBinary.h"
#include "library/UserData.h"
#include "library/UserUnitData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace x48305_data;
using unittest::makeHeader;
using unittest::makePayload;
using unittest::makeSummary;

namespace
{
juce::MemoryBlock makeImage (int module, const char* magic, const std::string& name = "Saw Lead")
{
    UserUnitData unit (makeHeader (module, name), makePayload (magic, 16));
    EXPECT_FALSE (unit.getImage().isEmpty()) << unit.getStatusText();
    return unit.getImage();
}

void expectEmptySlot (const UserUnitSlotData& slot)
{
    EXPECT_TRUE (slot.getImage().isEmpty());
    EXPECT_EQ (slot.getHeaderSummary(), UnitHeaderSummary {});
    EXPECT_EQ (slot.getSlotIndex(), 0xFFFFFFFFu);
    EXPECT_EQ (slot.getState(), UnitSlotState::Empty);
    EXPECT_FALSE (slot.hasUnit());
    EXPECT_EQ (slot.getName(), "");
    EXPECT_EQ (slot.getVersionText(), "");
    EXPECT_EQ (slot.getApiVersionText(), "");
}

std::string captureStdout (const std::function<void()>& fn)
{
    testing::internal::CaptureStdout();
    fn();
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST (UserUnitSlot, DefaultAndEmptyImageGiveAnEmptySlot)
{
    expectEmptySlot (UserOscData());
    expectEmptySlot (UserRevFXData (juce::MemoryBlock()));
}

TEST (UserUnitSlot, ImageShorterThanAnyValidImageGivesAnEmptySlot)
{
    // Ends exactly at the block, so any read of the header copy past the
    // bytes would be seen by the address sanitizer.
    for (std::size_t size : { (std::size_t) 1, (std::size_t) 31, (std::size_t) 32, (std::size_t) 1155,
                              UnitImageLayout::minimumImageSize - 1 })
    {
        juce::MemoryBlock shortImage (size, true);
        std::memset (shortImage.getData(), 0x41, size);
        expectEmptySlot (UserModFXData (shortImage));
    }
}

TEST (UserUnitSlot, ImageFromPackageIsFromFileWithItsTexts)
{
    auto image = makeImage (UnitModuleOscillator, "UOSC");
    UserOscData slot (image);
    EXPECT_EQ (slot.getState(), UnitSlotState::FromFile);
    EXPECT_EQ (slot.getImage(), image);
    EXPECT_EQ (std::memcmp (slot.getHeaderSummary().data(), image.getData(), 32), 0);
    EXPECT_EQ (slot.getSlotIndex(), 0xFFFFFFFFu);
    EXPECT_EQ (slot.getName(), "Saw Lead");
    EXPECT_EQ (slot.getVersionText(), "2.05-0");
    EXPECT_EQ (slot.getApiVersionText(), "1.02-3");

    slot.setSlotIndex (3);
    EXPECT_EQ (slot.getState(), UnitSlotState::InSlot);
    EXPECT_EQ (slot.getSlotIndex(), 3u);
    EXPECT_EQ (slot.getImage(), image);
}

TEST (UserUnitSlot, SetSlotIndexKeepsEmptyAndInSlotStates)
{
    UserDelFXData empty;
    empty.setSlotIndex (4);
    EXPECT_EQ (empty.getState(), UnitSlotState::Empty);
    EXPECT_EQ (empty.getSlotIndex(), 4u);

    UserDelFXData inSlot (2u, makeSummary (UnitModuleDelayEffect, "Echo"));
    inSlot.setSlotIndex (6);
    EXPECT_EQ (inSlot.getState(), UnitSlotState::InSlot);
    EXPECT_EQ (inSlot.getSlotIndex(), 6u);
}

TEST (UserUnitSlot, SetSlotIndexOnlyKeepsEveryState)
{
    UserOscData fromFile (makeImage (UnitModuleOscillator, "UOSC"));
    fromFile.setSlotIndexOnly (7);
    EXPECT_EQ (fromFile.getState(), UnitSlotState::FromFile);
    EXPECT_EQ (fromFile.getSlotIndex(), 7u);

    UserOscData inSlot (2u, makeSummary (UnitModuleOscillator, "Pad"));
    inSlot.setSlotIndexOnly (9);
    EXPECT_EQ (inSlot.getState(), UnitSlotState::InSlot);
    EXPECT_EQ (inSlot.getSlotIndex(), 9u);
}

TEST (UserUnitSlot, ReceivedHeaders)
{
    UserModFXData received (9u, makeSummary (UnitModuleModulationEffect, "Chorus"));
    EXPECT_EQ (received.getState(), UnitSlotState::InSlot);
    EXPECT_EQ (received.getSlotIndex(), 9u);
    EXPECT_TRUE (received.getImage().isEmpty());
    EXPECT_EQ (received.getName(), "Chorus");

    UserModFXData zeros (3u, UnitHeaderSummary {});
    EXPECT_EQ (zeros.getState(), UnitSlotState::Empty);
    EXPECT_EQ (zeros.getSlotIndex(), 3u);
    EXPECT_EQ (zeros.getName(), "");
    EXPECT_EQ (zeros.getVersionText(), "");
    EXPECT_EQ (zeros.getApiVersionText(), "");

    // A global unit: module byte 0, platform 1.
    UnitHeaderSummary global {};
    global[1] = 1;
    UserOscData globalSlot (0u, global);
    EXPECT_EQ (globalSlot.getState(), UnitSlotState::InSlot);
    EXPECT_TRUE (globalSlot.hasUnit());
    EXPECT_EQ (globalSlot.getVersionText(), "0.00-0");

    // From raw bytes: only 32 are taken; a short reply is zero-filled.
    auto summary = makeSummary (UnitModuleOscillator, "Raw");
    std::uint8_t longer[40];
    std::memset (longer, 0x7e, sizeof (longer));
    std::memcpy (longer, summary.data(), 32);
    EXPECT_EQ (UserOscData (1u, longer, sizeof (longer)).getHeaderSummary(), summary);
    UserOscData shortReply (1u, summary.data(), 20);
    EXPECT_EQ (shortReply.getHeaderSummary()[19], summary[19]);
    EXPECT_EQ (shortReply.getHeaderSummary()[20], 0);
    EXPECT_EQ (shortReply.getName(), "Ra");
}

TEST (UserUnitSlot, NameWithoutNulStopsAtTheHeaderEnd)
{
    UnitHeaderSummary summary = makeSummary (UnitModuleReverbEffect, "");
    std::memset (summary.data() + 18, 'R', 14);
    UserRevFXData slot (1u, summary);
    EXPECT_EQ (slot.getName(), std::string (14, 'R'));
}

TEST (UserUnitSlot, VersionComponentAboveNinetyNineShowsAsNinetyNine)
{
    auto header = makeHeader (UnitModuleOscillator);
    header.setUnitVersion (120u << 16 | 3u << 8 | 100u);
    header.setApiVersion (1u << 16 | 127u << 8 | 0u);
    UserOscData slot (0u, header.getSummary());
    EXPECT_EQ (slot.getVersionText(), "99.03-99");
    EXPECT_EQ (slot.getApiVersionText(), "1.99-0");
}

TEST (UserUnitSlot, CopiesCarryAllFourFields)
{
    UserOscData original (makeImage (UnitModuleOscillator, "UOSC"));
    original.setSlotIndex (11);
    UserOscData copy (original);
    EXPECT_EQ (copy, original);
    UserOscData assigned;
    assigned = original;
    EXPECT_EQ (assigned, original);
    EXPECT_EQ (assigned.getState(), UnitSlotState::InSlot);
    EXPECT_EQ (assigned.getSlotIndex(), 11u);
}

TEST (UserData, NewStoreIsEmptyAndGettersReachEachSlot)
{
    UserData store;
    for (std::uint32_t i = 0; i < 16; ++i)
    {
        expectEmptySlot (store.getUserOscData (i));
        expectEmptySlot (store.getUserModFXData (i));
    }
    for (std::uint32_t i = 0; i < 8; ++i)
    {
        expectEmptySlot (store.getUserDelFXData (i));
        expectEmptySlot (store.getUserRevFXData (i));
    }

    store.getUserOscData (8) = UserOscData (8u, makeSummary (UnitModuleOscillator, "Osc8"));
    store.getUserDelFXData (7) = UserDelFXData (7u, makeSummary (UnitModuleDelayEffect, "Del7"));
    EXPECT_EQ (store.getUserOscData (8).getName(), "Osc8");
    EXPECT_EQ (store.getUserDelFXData (7).getName(), "Del7");
    EXPECT_NE (&store.getUserOscData (8), &store.getUserOscData (9));
}

TEST (UserData, OutOfRangeIndicesPrintAndReachOnlyTheSpare)
{
    UserData store;
    const UserData before (store);

    std::string out = captureStdout ([&] {
        store.getUserDelFXData (8) = UserDelFXData (0u, makeSummary (UnitModuleDelayEffect, "Spare"));
    });
    EXPECT_EQ (out, "User delay fx slot index error: 8\n");
    EXPECT_EQ (store, before);
    EXPECT_EQ (captureStdout ([&] { EXPECT_EQ (store.getUserDelFXData (9).getName(), "Spare"); }),
               "User delay fx slot index error: 9\n");

    EXPECT_EQ (captureStdout ([&] { store.getUserOscData (16); }), "User oscillator slot index error: 16\n");
    EXPECT_EQ (captureStdout ([&] { store.getUserModFXData (0xFFFFFFFFu); }),
               "User modulation fx slot index error: -1\n");
    EXPECT_EQ (captureStdout ([&] { store.getUserRevFXData (8); }), "User reverb fx slot index error: 8\n");
    EXPECT_EQ (captureStdout ([&] { store.getUserOscData (15); }), "");

    const UserData& constStore = store;
    EXPECT_EQ (captureStdout ([&] { constStore.getUserRevFXData (100); }), "User reverb fx slot index error: 100\n");
}

TEST (UserData, AssignmentCopiesRegularSlotsButNotSpares)
{
    UserData source;
    source.getUserOscData (0) = UserOscData (0u, makeSummary (UnitModuleOscillator, "A"));
    source.getUserModFXData (15) = UserModFXData (15u, makeSummary (UnitModuleModulationEffect, "B"));
    source.getUserDelFXData (3) = UserDelFXData (3u, makeSummary (UnitModuleDelayEffect, "C"));
    source.getUserRevFXData (7) = UserRevFXData (7u, makeSummary (UnitModuleReverbEffect, "D"));
    captureStdout ([&] {
        source.getUserOscData (99) = UserOscData (0u, makeSummary (UnitModuleOscillator, "SourceSpare"));
    });

    UserData target;
    captureStdout ([&] {
        target.getUserOscData (99) = UserOscData (0u, makeSummary (UnitModuleOscillator, "TargetSpare"));
    });
    target = source;
    EXPECT_EQ (target, source);
    EXPECT_EQ (target.getUserRevFXData (7).getName(), "D");
    captureStdout ([&] { EXPECT_EQ (target.getUserOscData (99).getName(), "TargetSpare"); });

    // Copy construction takes the spares too.
    UserData copy (source);
    EXPECT_EQ (copy, source);
    captureStdout ([&] { EXPECT_EQ (copy.getUserOscData (99).getName(), "SourceSpare"); });
}
