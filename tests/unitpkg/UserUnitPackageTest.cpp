#include "support/PackageFixtures.h"

#include "file/FileResultCodes.h"
#include "file/UserUnitFileReader.h"
#include "file/OpenedFileStream.h"
#include "file/ZipUserUnitFileReader.h"
#include "formats/UnitManifestReader.h"
#include "formats/UserUnitBinary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace pkgtest;

namespace
{
std::optional<UnitHeaderRecord> parseUnitManifestText (const std::string& text)
{
    std::string error;
    return parseUnitManifest (text.data(), text.size(), error);
}

std::string rawBytes (const juce::MemoryBlock& block)
{
    return block.isEmpty() ? std::string() : std::string (static_cast<const char*> (block.getData()), block.getSize());
}

// A unit already holding an image, so that a failed read can be seen to
// leave it alone.
x48305_data::UserUnitData existingUnit()
{
    return x48305_data::UserUnitData (*parseUnitManifestText (ManifestText ("revfx", "Old Hall").str()),
                                      payloadWithMagic ("UREV", 8));
}

int readPackage (const juce::MemoryBlock& package, x48305_data::UserUnitData& target)
{
    const PackageFile file (package);
    x48305_file::UserUnitFileReader reader (&target);
    return reader.read (file.getFile());
}

void expectUnchanged (const x48305_data::UserUnitData& unit)
{
    const auto before = existingUnit();
    EXPECT_EQ (rawBytes (unit.getImage()), rawBytes (before.getImage()));
}

juce::MemoryBlock oscillatorPackage (const juce::String& folder = "unit/", int level = 5)
{
    const auto manifest = ManifestText ("osc", "Wave Table").withParams ({ descriptor ("Depth", -50, 50, "%") }).str();
    return buildArchive ({ { folder + "manifest.json", bytesOf (manifest) },
                           { folder + "payload.bin", payloadWithMagic ("UOSC", 300) } },
                         level);
}
} // namespace

TEST (UserUnitPackage, ReadsAnOscillatorIntoItsImage)
{
    for (const int level : { 0, 5 })
    {
        auto unit = existingUnit();
        ASSERT_EQ (readPackage (oscillatorPackage ("unit/", level), unit), file::ReadErrorNoError);

        const auto payload = payloadWithMagic ("UOSC", 300);
        const auto& image = unit.getImage();
        ASSERT_EQ (image.getSize(), payload.getSize() + 1156);
        EXPECT_EQ (unit.getModuleIndex(), UnitModuleOscillator);

        const auto* bytes = static_cast<const std::uint8_t*> (image.getData());
        const auto expectedHeader = parseUnitManifestText (
            ManifestText ("osc", "Wave Table").withParams ({ descriptor ("Depth", -50, 50, "%") }).str());
        ASSERT_TRUE (expectedHeader.has_value());
        EXPECT_EQ (std::memcmp (bytes, expectedHeader->data(), 1020), 0);
        EXPECT_EQ (readUnitU32 (bytes + 1020), payload.getSize());
        EXPECT_EQ (std::memcmp (bytes + 1024, payload.getData(), payload.getSize()), 0);
        EXPECT_EQ (std::string ((const char*) bytes + 18, 10), "Wave Table");
        EXPECT_EQ (bytes[36], 0xCE);
        for (std::size_t i = 1024 + payload.getSize(); i < image.getSize(); ++i)
            ASSERT_EQ (bytes[i], 0) << "tail byte " << i;
    }
}

TEST (UserUnitPackage, FolderComesFromTheFirstEntry)
{
    auto unit = existingUnit();
    EXPECT_EQ (readPackage (oscillatorPackage ("My Unit v2/"), unit), file::ReadErrorNoError);
    EXPECT_EQ (unit.getModuleIndex(), UnitModuleOscillator);

    // Other entries are ignored, wherever they are.
    const auto manifest = ManifestText ("delfx", "Echo").str();
    auto delay = existingUnit();
    EXPECT_EQ (readPackage (buildArchive ({ { "pkg/readme.txt", bytesOf ("hello") },
                                            { "other/payload.bin", payloadWithMagic ("UOSC") },
                                            { "pkg/payload.bin", payloadWithMagic ("UDEL") },
                                            { "pkg/manifest.json", bytesOf (manifest) } }),
                           delay),
               file::ReadErrorNoError);
    EXPECT_EQ (delay.getModuleIndex(), UnitModuleDelayEffect);
}

TEST (UserUnitPackage, StructureProblemsGiveTheirCodes)
{
    const auto manifest = bytesOf (ManifestText ("modfx").str());
    const auto payload = payloadWithMagic ("UMOD");
    auto unit = existingUnit();

    // No folder in the first entry's name.
    EXPECT_EQ (readPackage (buildArchive ({ { "manifest.json", manifest }, { "payload.bin", payload } }), unit),
               file::ReadErrorInvalidUserUnitFile);
    EXPECT_EQ (readPackage (buildArchive ({ { "/manifest.json", manifest }, { "unit/payload.bin", payload } }), unit),
               file::ReadErrorInvalidUserUnitFile);
    // One entry only.
    EXPECT_EQ (readPackage (buildArchive ({ { "unit/manifest.json", manifest } }), unit),
               file::ReadErrorInvalidUserUnitFile);
    // Not an archive at all; no file cannot be opened.
    EXPECT_EQ (readPackage (bytesOf ("just some text, no zip directory here"), unit),
               file::ReadErrorInvalidUserUnitFile);
    x48305_file::UserUnitFileReader reader (&unit);
    EXPECT_EQ (reader.read (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("no-such.slvnunit")),
               file::ReadErrorOpenFile);

    EXPECT_EQ (readPackage (buildArchive ({ { "unit/manifest.json", manifest }, { "unit/notes.txt", payload } }), unit),
               file::ReadErrorUserUnitFileMissingPayload);
    EXPECT_EQ (readPackage (buildArchive ({ { "unit/manifest.json", manifest }, { "Unit/payload.bin", payload } }), unit),
               file::ReadErrorUserUnitFileMissingPayload);
    EXPECT_EQ (readPackage (buildArchive ({ { "unit/notes.txt", manifest }, { "unit/other.bin", payload } }), unit),
               file::ReadErrorUserUnitFileMissingManifest);
    EXPECT_EQ (readPackage (buildArchive ({ { "unit/Manifest.json", manifest }, { "unit/payload.bin", payload } }), unit),
               file::ReadErrorUserUnitFileMissingManifest);
    expectUnchanged (unit);
}

TEST (UserUnitPackage, DamagedArchiveFailsToUncompress)
{
    auto package = oscillatorPackage ("unit/", 0);
    // Flip a payload byte stored in the archive: its CRC-32 no longer matches.
    const auto text = rawBytes (package);
    const auto at = text.find ("UOSC");
    ASSERT_NE (at, std::string::npos);
    static_cast<char*> (package.getData())[at + 10] ^= 0x5A;

    auto unit = existingUnit();
    EXPECT_EQ (readPackage (package, unit), file::ReadErrorFailedToUncompressZipFile);
    expectUnchanged (unit);
}

TEST (UserUnitPackage, ManifestFailureKeepsItsTextInTheWorkingObject)
{
    const auto manifest = ManifestText ("osc").withParams ({ descriptor ("Depth", -50, 50, "%") }).setText ("platform", "Solivane");
    const PackageFile file (buildPackage (manifest.str(), payloadWithMagic ("UOSC")));

    const auto content = file::OpenedFileStream::open (file.getFile());
    x48305_file::ZipUserUnitFileReader working (*content);
    EXPECT_EQ (working.getStatusText(), "Unitialized.");
    EXPECT_EQ (working.read(), file::ReadErrorFailedToParseUserUnitManifest);
    EXPECT_EQ (working.getStatusText(), "Wrong target platform. (Solivane)");
    EXPECT_TRUE (working.getPayload().isEmpty());

    auto unit = existingUnit();
    x48305_file::UserUnitFileReader reader (&unit);
    EXPECT_EQ (reader.read (file.getFile()), file::ReadErrorFailedToParseUserUnitManifest);
    expectUnchanged (unit);

    // An empty manifest entry, and one holding invalid JSON.
    EXPECT_EQ (readPackage (buildPackage ("", payloadWithMagic ("UOSC")), unit),
               file::ReadErrorFailedToParseUserUnitManifest);
    EXPECT_EQ (readPackage (buildPackage ("{\"header\": [", payloadWithMagic ("UOSC")), unit),
               file::ReadErrorFailedToParseUserUnitManifest);
    EXPECT_EQ (readPackage (buildPackage (ManifestText ("osc").withParams ({}).set ("num_param", "62").str(),
                                          payloadWithMagic ("UOSC")),
                            unit),
               file::ReadErrorFailedToParseUserUnitManifest);
    expectUnchanged (unit);
}

TEST (UserUnitPackage, WarningsStayWithASuccessfulRead)
{
    const PackageFile file (buildPackage (ManifestText ("modfx", "A Rather Long Unit Name").str(), payloadWithMagic ("UMOD")));
    const auto content = file::OpenedFileStream::open (file.getFile());
    x48305_file::ZipUserUnitFileReader working (*content);
    ASSERT_EQ (working.read(), file::ReadErrorNoError);
    EXPECT_EQ (working.getStatusText(), "Warning: name clipped to 13chars.\n");
    EXPECT_EQ (working.getHeaderRecord().getName(), "A Rather Long");
    EXPECT_EQ (rawBytes (working.getPayload()), rawBytes (payloadWithMagic ("UMOD")));
}

TEST (UserUnitPackage, ImageProblemsGiveCode25)
{
    auto unit = existingUnit();
    // The manifest reads, but the payload belongs to another module.
    EXPECT_EQ (readPackage (buildPackage (ManifestText ("revfx").str(), payloadWithMagic ("UDEL")), unit),
               file::ReadErrorFailedToReadUserUnitFile);
    // A payload too short to hold its magic.
    EXPECT_EQ (readPackage (buildPackage (ManifestText ("revfx").str(), bytesOf ("UR")), unit),
               file::ReadErrorFailedToReadUserUnitFile);
    expectUnchanged (unit);

    EXPECT_EQ (readPackage (buildPackage (ManifestText ("global").str(), payloadWithMagic ("UGLB", 0)), unit),
               file::ReadErrorNoError);
    EXPECT_EQ (unit.getModuleIndex(), UnitModuleGlobal);
    EXPECT_EQ (unit.getImage().getSize(), 1160u);
}
