#include "support/PackageFixtures.h"

#include "formats/JsonNestingDepth.h"
#include "formats/UnitManifestReader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using pkgtest::descriptor;
using pkgtest::ManifestText;
using pkgtest::quoted;

namespace
{
struct Parsed
{
    std::optional<UnitHeaderRecord> record;
    std::string text = "untouched";
};

// Parses from an exactly sized buffer: nothing after the text, not even a
// terminating zero, so reading past the length shows up under the sanitizer.
Parsed parse (const std::string& manifest)
{
    std::vector<char> exact (manifest.begin(), manifest.end());
    Parsed parsed;
    parsed.record = parseUnitManifest (exact.data(), exact.size(), parsed.text);
    return parsed;
}

Parsed parse (const ManifestText& manifest)
{
    return parse (manifest.str());
}

void expectFailure (const Parsed& parsed, const std::string& message)
{
    EXPECT_FALSE (parsed.record.has_value());
    EXPECT_EQ (parsed.text, message);
}

std::vector<int> bytesAt (const UnitHeaderRecord& record, std::size_t offset, std::size_t count)
{
    std::vector<int> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back (record.data()[offset + i]);
    return bytes;
}

std::string nested (int depth)
{
    return std::string ((std::size_t) depth, '[') + std::string ((std::size_t) depth, ']');
}
} // namespace

TEST (UnitManifest, ModulationEffectFillsTheHeaderFieldsAndLeavesTheRestZero)
{
    const auto parsed = parse (ManifestText ("modfx", "Chorus"));
    ASSERT_TRUE (parsed.record.has_value()) << parsed.text;
    EXPECT_EQ (parsed.text, "");

    const auto& record = *parsed.record;
    EXPECT_EQ (record.data()[0], 1);
    EXPECT_EQ (record.getPlatform(), 1);
    EXPECT_EQ (bytesAt (record, 2, 4), (std::vector<int> { 0x03, 0x02, 0x01, 0x00 }));
    EXPECT_EQ (record.getDeveloperId(), 0x1A2Bu);
    EXPECT_EQ (record.getUnitId(), 7u);
    EXPECT_EQ (bytesAt (record, 14, 4), (std::vector<int> { 0x00, 0x05, 0x02, 0x00 }));
    EXPECT_EQ (record.getName(), "Chorus");
    for (std::size_t i = 18 + 6; i < UnitHeaderRecord::size; ++i)
        ASSERT_EQ (record.data()[i], 0) << "byte " << i;
}

TEST (UnitManifest, EveryModuleNameGivesItsIndex)
{
    for (std::size_t index = 0; index < UnitModuleIds.size(); ++index)
    {
        const auto parsed = parse (ManifestText (UnitModuleIds[index]).withParams ({}));
        ASSERT_TRUE (parsed.record.has_value()) << UnitModuleIds[index] << ": " << parsed.text;
        EXPECT_EQ (parsed.record->getModuleIndex(), (int) index);
    }
    expectFailure (parse (ManifestText ("lfo")), "Invalid module specifier. (lfo)");
    expectFailure (parse (ManifestText ("OSC")), "Invalid module specifier. (OSC)");
}

TEST (UnitManifest, PlatformMustBeExactlyTheInstrument)
{
    expectFailure (parse (ManifestText ("osc").setText ("platform", "Solivane")),
                   "Wrong target platform. (Solivane)");
    expectFailure (parse (ManifestText ("osc").setText ("platform", "")), "Wrong target platform. ()");
}

TEST (UnitManifest, VersionTextsAreCheckedForFormatAndRange)
{
    expectFailure (parse (ManifestText ("modfx").setText ("api", "1.100-0")),
                   "API version component out of range. (1.100-0)");
    expectFailure (parse (ManifestText ("modfx").setText ("api", "1.2.3")), "Invalid API version format. (1.2.3)");
    expectFailure (parse (ManifestText ("modfx").setText ("api", "1.2-3 ")), "Invalid API version format. (1.2-3 )");
    expectFailure (parse (ManifestText ("modfx").setText ("version", "2.0-100")),
                   "version component out of range. (2.0-100)");
    expectFailure (parse (ManifestText ("modfx").setText ("version", "v2.0-1")), "Invalid version format. (v2.0-1)");

    // Too large for a 32-bit integer: the conversion's own text follows.
    const auto huge = parse (ManifestText ("modfx").setText ("api", "1.99999999999-0"));
    EXPECT_FALSE (huge.record.has_value());
    EXPECT_EQ (huge.text.rfind ("Invalid API version format. (1.99999999999-0) : ", 0), 0u) << huge.text;
    EXPECT_GT (huge.text.size(), std::string ("Invalid API version format. (1.99999999999-0) : ").size());

    const auto top = parse (ManifestText ("modfx").setText ("api", "99.99-99").setText ("version", "0.0-0"));
    ASSERT_TRUE (top.record.has_value()) << top.text;
    EXPECT_EQ (top.record->getApiVersion(), (99u << 16) | (99u << 8) | 99u);
    EXPECT_EQ (top.record->getUnitVersion(), 0u);
}

TEST (UnitManifest, IdentifiersAreUnsigned32BitNumbers)
{
    const auto full = parse (ManifestText ("delfx").set ("dev_id", "4294967295").set ("prg_id", "0"));
    ASSERT_TRUE (full.record.has_value()) << full.text;
    EXPECT_EQ (full.record->getDeveloperId(), 0xFFFFFFFFu);
    EXPECT_EQ (full.record->getUnitId(), 0u);

    // A negative number would otherwise wrap around to a large identifier.
    expectFailure (parse (ManifestText ("delfx").set ("dev_id", "-1")), "Negative value for header.dev_id. (-1)");

    const auto tooLarge = parse (ManifestText ("delfx").set ("prg_id", "4294967296"));
    EXPECT_FALSE (tooLarge.record.has_value());
    EXPECT_NE (tooLarge.text.find ("conversion"), std::string::npos) << tooLarge.text;

    const auto notANumber = parse (ManifestText ("delfx").setText ("dev_id", "abc"));
    EXPECT_FALSE (notANumber.record.has_value());
    EXPECT_NE (notANumber.text.find ("conversion"), std::string::npos) << notANumber.text;
}

TEST (UnitManifest, NamesAreClippedWithAWarningAndNeverAcceptedEmptyOrUnprintable)
{
    const auto thirteen = parse (ManifestText ("revfx", "Thirteen Char"));
    ASSERT_TRUE (thirteen.record.has_value());
    EXPECT_EQ (thirteen.text, "");
    EXPECT_EQ (thirteen.record->getName(), "Thirteen Char");

    const auto twenty = parse (ManifestText ("revfx", "A Twenty Char Name!!"));
    ASSERT_TRUE (twenty.record.has_value()) << twenty.text;
    EXPECT_EQ (twenty.record->getName(), "A Twenty Char");
    EXPECT_EQ (twenty.text, "Warning: name clipped to 13chars.\n");
    EXPECT_EQ (twenty.record->data()[18 + 13], 0);

    const std::string invalid = "Invalid name format. Expected printable ASCII.\n";
    expectFailure (parse (ManifestText ("revfx", "")), invalid);
    expectFailure (parse (ManifestText ("revfx", "Tab\there")), invalid);
    expectFailure (parse (ManifestText ("revfx", "Caf\xC3\xA9")), invalid);
    expectFailure (parse (ManifestText ("revfx").set ("name", "\"Nul\\u0000\"")), invalid);
}

TEST (UnitManifest, MissingKeysFailWithTheLibraryText)
{
    const auto noName = parse (ManifestText ("modfx").remove ("name"));
    EXPECT_FALSE (noName.record.has_value());
    EXPECT_NE (noName.text.find ("header.name"), std::string::npos) << noName.text;

    // Not an oscillator: the parameter keys are never read.
    const auto effect = parse (ManifestText ("modfx"));
    ASSERT_TRUE (effect.record.has_value());
    EXPECT_EQ (effect.record->getParamCount(), 0u);

    const auto oscillator = parse (ManifestText ("osc"));
    EXPECT_FALSE (oscillator.record.has_value());
    EXPECT_NE (oscillator.text.find ("header.num_param"), std::string::npos) << oscillator.text;

    const auto noParams = parse (ManifestText ("osc").set ("num_param", "1"));
    EXPECT_FALSE (noParams.record.has_value());
    EXPECT_NE (noParams.text.find ("header.params"), std::string::npos) << noParams.text;
}

TEST (UnitManifest, DescriptorsArePackedInManifestOrder)
{
    const auto parsed = parse (ManifestText ("osc").withParams (
        { descriptor ("Depth", -50, 50, "%"), descriptor ("Rate", 0, 100, "%"), descriptor ("Shape", -100, 3, "") }));
    ASSERT_TRUE (parsed.record.has_value()) << parsed.text;
    EXPECT_EQ (parsed.record->getParamCount(), 3u);

    EXPECT_EQ (bytesAt (*parsed.record, 36, 16),
               (std::vector<int> { 0xCE, 0x32, 0x01, 'D', 'e', 'p', 't', 'h', 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ (bytesAt (*parsed.record, 52, 3), (std::vector<int> { 0x00, 0x64, 0x00 }));
    EXPECT_EQ (parsed.record->getParamDescriptor (1).getName(), "Rate");
    EXPECT_EQ (bytesAt (*parsed.record, 68, 3), (std::vector<int> { 0x9C, 0x03, 0x02 }));
    EXPECT_EQ (parsed.record->getParamDescriptor (2).getName(), "Shape");
    for (std::size_t i = 84; i < UnitHeaderRecord::size; ++i)
        ASSERT_EQ (parsed.record->data()[i], 0) << "byte " << i;
}

TEST (UnitManifest, DescriptorProblemsFailTheParse)
{
    const auto ok = descriptor ("Ok", 0, 1, "");
    expectFailure (parse (ManifestText ("osc").withParams ({ ok, ok, ok }).set ("num_param", "2")),
                   "Parameter descriptor count does not match num_param field.");
    expectFailure (parse (ManifestText ("osc").withParams ({ ok, "[\"Short\", 0, 1]" })),
                   "Parameter descriptor #1 has invalid length.");
    expectFailure (parse (ManifestText ("osc").withParams ({ descriptor ("Low", -101, 0, "%") })),
                   "Minimum value in parameter descriptor #0 exceeds value limits.\n");
    expectFailure (parse (ManifestText ("osc").withParams ({ ok, ok, descriptor ("High", 0, 101, "%") })),
                   "Maximum value in parameter descriptor #2 exceeds value limits.\n");
    expectFailure (parse (ManifestText ("osc").withParams ({ descriptor ("Gain", 0, 10, "dB") })),
                   "Invalid type identifier in parameter descriptor #0.");
    expectFailure (parse (ManifestText ("osc").withParams ({ "[\"Gain\", 0, 10, [\"%\"]]" })),
                   "Invalid type identifier in parameter descriptor #0.");
    expectFailure (parse (ManifestText ("osc").withParams ({ descriptor ("", 0, 10, "") })),
                   "Invalid param name format. Expected printable ASCII.\n");
    expectFailure (parse (ManifestText ("osc").set ("num_param", "1").set ("params", "{\"a\": [\"x\", 0, 1, \"\"]}")),
                   "Parameter descriptor count does not match num_param field.");

    const auto fraction = parse (ManifestText ("osc").withParams ({ "[\"Frac\", 0.5, 1, \"\"]" }));
    EXPECT_FALSE (fraction.record.has_value());
    EXPECT_NE (fraction.text.find ("conversion"), std::string::npos) << fraction.text;
}

TEST (UnitManifest, LongParameterNamesFillTheFieldWithAWarning)
{
    const auto parsed = parse (ManifestText ("osc").withParams ({ descriptor ("Fourteen Chars", 1, 2, "%") }));
    ASSERT_TRUE (parsed.record.has_value());
    EXPECT_EQ (parsed.text, "Warning: param name clipped to 13chars.\n");
    EXPECT_EQ (parsed.record->getParamDescriptor (0).getName(), "Fourteen Char");
    EXPECT_EQ (parsed.record->data()[36 + 15], 'r');
    EXPECT_EQ (parsed.record->data()[52], 0);
}

TEST (UnitManifest, ParameterCountMustFitTheRecordAndBeNonNegative)
{
    std::vector<std::string> descriptors;
    for (int i = 0; i < 62; ++i)
        descriptors.push_back (descriptor ("P" + std::to_string (i), -i, i, i % 2 == 0 ? "%" : ""));

    const std::vector<std::string> sixtyOne (descriptors.begin(), descriptors.begin() + 61);
    const auto full = parse (ManifestText ("osc").withParams (sixtyOne));
    ASSERT_TRUE (full.record.has_value()) << full.text;
    EXPECT_EQ (full.record->getParamCount(), 61u);
    EXPECT_EQ (full.record->getParamDescriptor (60).getName(), "P60");
    EXPECT_EQ (bytesAt (*full.record, 36 + 60 * 16, 3), (std::vector<int> { 0xC4, 60, 0x01 }));
    for (std::size_t i = 1012; i < UnitHeaderRecord::size; ++i)
        ASSERT_EQ (full.record->data()[i], 0) << "byte " << i;

    expectFailure (parse (ManifestText ("osc").withParams (descriptors)),
                   "Too many parameter descriptors: the header holds at most 61.");
    expectFailure (parse (ManifestText ("osc").withParams ({}).set ("num_param", "-1")),
                   "Negative value for header.num_param. (-1)");
    expectFailure (parse (ManifestText ("osc").withParams ({ descriptor ("A", 0, 1, "") }).set ("num_param", "5")),
                   "Parameter descriptor count does not match num_param field.");

    // A count of zero ends the read before the array is looked at.
    const auto none = parse (ManifestText ("osc").set ("num_param", "0"));
    ASSERT_TRUE (none.record.has_value()) << none.text;
    EXPECT_EQ (none.record->getParamCount(), 0u);
}

TEST (UnitManifest, TextIsTakenByLengthAndNotByTerminator)
{
    const auto manifest = ManifestText ("modfx", "Phaser").str();
    const std::string withTrailer = manifest + "this is not JSON";
    std::string text = "untouched";
    const auto record = parseUnitManifest (withTrailer.data(), manifest.size(), text);
    ASSERT_TRUE (record.has_value()) << text;
    EXPECT_EQ (record->getName(), "Phaser");

    // Cutting the same text short makes it invalid JSON.
    EXPECT_FALSE (parseUnitManifest (manifest.data(), manifest.size() - 4, text).has_value());
    EXPECT_FALSE (text.empty());

    EXPECT_FALSE (parseUnitManifest (nullptr, 10, text).has_value());
    EXPECT_EQ (text, "Tried to parse null data...");
}

TEST (UnitManifest, SyntaxErrorsCarryTheParserText)
{
    const auto parsed = parse (std::string ("{\"header\": {\"platform\": }"));
    EXPECT_FALSE (parsed.record.has_value());
    EXPECT_FALSE (parsed.text.empty());
    EXPECT_NE (parsed.text, "untouched");
}

TEST (UnitManifest, NestingDepthIsLimitedBeforeParsing)
{
    EXPECT_EQ (formats::measureJsonNestingDepth ("{\"a\": [1, {\"b\": []}]}", 21), 4);
    EXPECT_EQ (formats::measureJsonNestingDepth ("[\"[[[\\\"[[\", {}]", 15), 2);

    // A manifest with an unread member nested to the limit still reads.
    const auto atLimit = parse (ManifestText ("modfx").set ("extra", nested (formats::maxManifestNestingDepth - 2)));
    ASSERT_TRUE (atLimit.record.has_value()) << atLimit.text;

    expectFailure (parse (ManifestText ("modfx").set ("extra", nested (formats::maxManifestNestingDepth - 1))),
                   "The manifest nests arrays or objects more than 64 levels deep.");
    expectFailure (parse (nested (100000)), "The manifest nests arrays or objects more than 64 levels deep.");

    // Brackets inside names do not count.
    const auto bracketName = parse (ManifestText ("modfx", "[[[[{{{{").set ("note", quoted (nested (200))));
    ASSERT_TRUE (bracketName.record.has_value()) << bracketName.text;
    EXPECT_EQ (bracketName.record->getName(), "[[[[{{{{");
}
