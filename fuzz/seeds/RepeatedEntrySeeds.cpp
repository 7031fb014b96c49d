// Library, preset and program files of a few kilobytes whose index names one
// large entry over and over (the tests' own builder makes them).
#include "SeedWriter.h"

#include "support/RepeatedEntryFixtures.h"

namespace seeds
{
void writeRepeatedEntrySeeds (SeedWriter& writer)
{
    using repeatedentry::Entry;
    const repeatedentry::RepeatedEntryFile shape;

    const auto presetInformation = shape.build (Entry::presetInformation, 1000);
    writer.write ("fuzz_library_file", "preset-information-named-1000-times", presetInformation);
    writer.write ("fuzz_preset_file", "preset-information-named-1000-times", presetInformation);

    const auto programInformation = shape.build (Entry::programInformation, 500);
    writer.write ("fuzz_library_file", "information-named-by-500-programs", programInformation);
    writer.write ("fuzz_preset_file", "information-named-by-500-programs", programInformation);
    writer.write ("fuzz_program_file", "information-named-by-8000-programs",
                  shape.build (Entry::programInformation, 8000));

    writer.write ("fuzz_library_file", "live-set-named-1000-times", shape.build (Entry::liveSet, 1000));
    // As many names as the index may hold.
    writer.write ("fuzz_library_file", "live-set-named-17000-times", shape.build (Entry::liveSet, 17000));
}
} // namespace seeds
