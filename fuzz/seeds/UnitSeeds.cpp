// User-unit packages and manifests, and voicing-editor all-data files, made
// with the builders the unit package and import tests use.
#include "SeedWriter.h"

#include "support/ChunkFileFixtures.h"
#include "support/PackageFixtures.h"

namespace seeds
{
void writeUnitSeeds (SeedWriter& writer)
{
    using pkgtest::ManifestText;

    const auto oscillator = ManifestText ("osc", "Seed Oscillator Long Name")
                                .withParams ({ pkgtest::descriptor ("Depth", -50, 50, "%"),
                                               pkgtest::descriptor ("Shape", 0, 100, "%"),
                                               pkgtest::descriptor ("Mode", 0, 3, "") })
                                .str();
    const std::pair<const char*, std::string> manifests[] = {
        { "osc", oscillator },
        { "modfx", ManifestText ("modfx", "Seed Chorus").str() },
        { "delfx", ManifestText ("delfx", "Seed Delay").str() },
        { "revfx", ManifestText ("revfx", "Seed Hall").str() },
    };
    const char* const magics[] = { "UOSC", "UMOD", "UDEL", "UREV" };

    for (std::size_t i = 0; i < std::size (manifests); ++i)
    {
        const auto& [module, text] = manifests[i];
        writer.write ("fuzz_unit_manifest", module, pkgtest::bytesOf (text));
        writer.write ("fuzz_user_unit_file", module, pkgtest::buildPackage (text, pkgtest::payloadWithMagic (magics[i], 64)));
    }
    // Stored rather than deflated, in a folder of another name, with an entry
    // the reader ignores.
    writer.write ("fuzz_user_unit_file", "stored",
                  pkgtest::buildArchive ({ { "My Unit/manifest.json", pkgtest::bytesOf (manifests[1].second) },
                                           { "My Unit/payload.bin", pkgtest::payloadWithMagic ("UMOD", 16) },
                                           { "My Unit/readme.txt", pkgtest::bytesOf ("notes") } },
                                         0));

    using namespace chunktest;
    writer.write ("fuzz_voicing_editor", "all-data",
                  allDataFile ({ fillerChunk (globalDataTag(), 40), programSetChunk (standardPrograms()),
                                 fillerChunk (globalDataTag(), 8) }));
    writer.write ("fuzz_voicing_editor", "program-set-first",
                  allDataFile ({ programSetChunk (standardPrograms()), fillerChunk (globalDataTag(), 8),
                                 fillerChunk (globalDataTag(), 8) }));
}
} // namespace seeds
