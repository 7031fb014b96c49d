#include "support/UnitTestHeaders.h"

#include "formats/UserUnitBinary.h"
#include "library/UserUnitData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

using unittest::makeHeader;
using unittest::makePayload;

namespace
{
const std::string invalidHeaderText = "Unit binary header is invalid.";
const std::string wrongMagicText = "Binary magic bytes do not match the manifest's declared target module.";

struct BuildResult
{
    std::unique_ptr<std::uint8_t[]> image;
    std::size_t size = 12345; // sentinel: failures must leave it alone
    std::string error;
};

BuildResult build (const UnitHeaderRecord& header, const juce::MemoryBlock& payload)
{
    BuildResult result;
    result.image = buildUserUnitBinary (payload.getData(), header, payload.getSize(), result.size, result.error);
    return result;
}

void expectFailure (const BuildResult& result, const std::string& expectedText)
{
    EXPECT_EQ (result.image, nullptr);
    EXPECT_EQ (result.size, 12345u);
    EXPECT_EQ (result.error, expectedText);
}
} // namespace

TEST (UserUnitBinary, MinimalOscillatorImageHasHeaderSizePayloadAndZeroTail)
{
    auto header = makeHeader (UnitModuleOscillator);
    auto payload = makePayload ("UOSC");
    auto result = build (header, payload);

    ASSERT_NE (result.image, nullptr);
    ASSERT_EQ (result.size, payload.getSize() + 1156);
    EXPECT_EQ (result.size, 1160u);
    EXPECT_EQ (std::memcmp (result.image.get(), header.data(), 1020), 0);
    EXPECT_EQ (readUnitU32 (result.image.get() + 1020), 4u);
    EXPECT_EQ (std::memcmp (result.image.get() + 1024, "UOSC", 4), 0);
    for (std::size_t i = 1028; i < result.size; ++i)
        ASSERT_EQ (result.image[i], 0) << "tail byte " << i;
}

TEST (UserUnitBinary, LongerPayloadIsCopiedUnchangedForEveryModule)
{
    const char* magics[] = { "UGLB", "UMOD", "UDEL", "UREV", "UOSC" };
    for (int module = 0; module <= 4; ++module)
    {
        auto payload = makePayload (magics[module], 301);
        auto result = build (makeHeader (module), payload);
        ASSERT_NE (result.image, nullptr) << result.error;
        ASSERT_EQ (result.size, payload.getSize() + 1156);
        EXPECT_EQ (std::memcmp (result.image.get() + 1024, payload.getData(), payload.getSize()), 0);
        EXPECT_EQ (readUnitU32 (result.image.get() + 1020), (std::uint32_t) payload.getSize());
        EXPECT_EQ (result.image[0] & 0x7f, module);
        EXPECT_STREQ (getUnitModuleMagic (module), magics[module]);
    }
    EXPECT_EQ (getUnitModuleMagic (5), nullptr);
    EXPECT_EQ (getUnitModuleMagic (-1), nullptr);
}

TEST (UserUnitBinary, HeaderChecksFailWithDescriptionAppended)
{
    auto payload = makePayload ("UOSC");

    auto wrongPlatform = makeHeader (UnitModuleOscillator);
    wrongPlatform.setPlatform (2);
    expectFailure (build (wrongPlatform, payload),
                   invalidHeaderText + "\"Saw Lead\" v2.05-0 api:1.02-3 did:00001A2B uid:00000007");

    auto undefinedPlatform = makeHeader (UnitModuleOscillator);
    undefinedPlatform.setPlatform (0);
    expectFailure (build (undefinedPlatform, payload),
                   invalidHeaderText + formatUnitDescription (undefinedPlatform.getSummary()));

    auto module5 = makeHeader (5);
    expectFailure (build (module5, payload), invalidHeaderText + formatUnitDescription (module5.getSummary()));

    // 14 characters fill the name field without a NUL.
    auto noNul = makeHeader (UnitModuleOscillator);
    std::memcpy (noNul.data() + 18, "ABCDEFGHIJKLMN", 14);
    expectFailure (build (noNul, payload), invalidHeaderText + "\"ABCDEFGHIJKLMN\" v2.05-0 api:1.02-3 did:00001A2B uid:00000007");
}

TEST (UserUnitBinary, HeaderCheckIgnoresBitSevenOfModuleByte)
{
    auto header = makeHeader (UnitModuleOscillator);
    header.data()[0] |= 0x80;
    auto result = build (header, makePayload ("UOSC"));
    ASSERT_NE (result.image, nullptr) << result.error;
    EXPECT_EQ (result.image[0], 0x84);
}

TEST (UserUnitBinary, NulAnywhereInNameFieldPasses)
{
    auto header = makeHeader (UnitModuleOscillator);
    std::memcpy (header.data() + 18, "ABCDEFGHIJKLM", 13);
    header.data()[31] = 0;
    EXPECT_NE (build (header, makePayload ("UOSC")).image, nullptr);
}

TEST (UserUnitBinary, MagicChecks)
{
    expectFailure (build (makeHeader (UnitModuleOscillator), makePayload ("UMOD", 20)), wrongMagicText);
    expectFailure (build (makeHeader (UnitModuleGlobal), makePayload ("UOSC")), wrongMagicText);
    EXPECT_NE (build (makeHeader (UnitModuleGlobal), makePayload ("UGLB")).image, nullptr);

    // Shorter than the magic never matches, even when its bytes agree.
    expectFailure (build (makeHeader (UnitModuleOscillator), juce::MemoryBlock ("UOS", 3)), wrongMagicText);
    expectFailure (build (makeHeader (UnitModuleOscillator), juce::MemoryBlock()), wrongMagicText);

    std::size_t size = 99;
    std::string error;
    EXPECT_EQ (buildUserUnitBinary (nullptr, makeHeader (UnitModuleOscillator), 0, size, error), nullptr);
    EXPECT_EQ (error, wrongMagicText);
    EXPECT_EQ (size, 99u);
}

TEST (UserUnitBinary, HeaderCheckComesBeforeMagicCheck)
{
    auto header = makeHeader (5);
    auto result = build (header, makePayload ("XXXX"));
    EXPECT_EQ (result.error.rfind (invalidHeaderText, 0), 0u);
}

TEST (UserUnitBinary, OversizedPayloadIsRefusedBeforeAnythingIsRead)
{
    const std::uint8_t small[4] = { 'U', 'O', 'S', 'C' };
    const std::string tooLarge = "Unit payload is too large.";
    auto header = makeHeader (UnitModuleOscillator);

    // Sizes whose image size would wrap around size_t; the bytes are never read.
    for (std::size_t size : { std::numeric_limits<std::size_t>::max(),
                              std::numeric_limits<std::size_t>::max() - 1155,
                              (std::size_t) std::numeric_limits<std::uint32_t>::max() + 1,
                              UnitImageLayout::maxPayloadSize + 1 })
    {
        std::size_t imageSize = 7;
        std::string error;
        EXPECT_EQ (buildUserUnitBinary (small, header, size, imageSize, error), nullptr);
        EXPECT_EQ (error, tooLarge);
        EXPECT_EQ (imageSize, 7u);
    }
}

TEST (UserUnitBinary, PayloadAtTheCapIsBuilt)
{
    std::vector<std::uint8_t> payload (UnitImageLayout::maxPayloadSize, 0x5a);
    std::memcpy (payload.data(), "UOSC", 4);
    std::size_t imageSize = 0;
    std::string error;
    auto image = buildUserUnitBinary (payload.data(), makeHeader (UnitModuleOscillator), payload.size(), imageSize, error);
    ASSERT_NE (image, nullptr) << error;
    EXPECT_EQ (imageSize, payload.size() + 1156);
    EXPECT_EQ (readUnitU32 (image.get() + 1020), (std::uint32_t) payload.size());
    EXPECT_EQ (image[1024 + payload.size() - 1], 0x5a);
    EXPECT_EQ (image[imageSize - 1], 0);
}

TEST (UserUnitData, DefaultIsUninitialisedWithNoModule)
{
    x48305_data::UserUnitData unit;
    EXPECT_TRUE (unit.getImage().isEmpty());
    EXPECT_EQ (unit.getStatusText(), "Uninitialized data.");
    EXPECT_EQ (unit.getModuleIndex(), -1);
}

TEST (UserUnitData, BuildsImageOrKeepsTheReason)
{
    x48305_data::UserUnitData good (makeHeader (UnitModuleDelayEffect), makePayload ("UDEL", 10));
    EXPECT_EQ (good.getImage().getSize(), 14u + 1156u);
    EXPECT_TRUE (good.getStatusText().isEmpty());
    EXPECT_EQ (good.getModuleIndex(), UnitModuleDelayEffect);

    x48305_data::UserUnitData bad (makeHeader (UnitModuleDelayEffect), makePayload ("UREV", 10));
    EXPECT_TRUE (bad.getImage().isEmpty());
    EXPECT_EQ (bad.getStatusText(), juce::String (wrongMagicText));
    EXPECT_EQ (bad.getModuleIndex(), -1);

    x48305_data::UserUnitData copy;
    copy = good;
    EXPECT_EQ (copy.getImage(), good.getImage());
    EXPECT_TRUE (copy.getStatusText().isEmpty());
    copy = bad;
    EXPECT_TRUE (copy.getImage().isEmpty());
    EXPECT_EQ (copy.getStatusText(), bad.getStatusText());
}
