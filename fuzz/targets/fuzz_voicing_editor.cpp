// A voicing editor's all-data file (.slvne_all) imported into a library,
// through the importer that the file operations use, on a file holding the
// input.
#include "FuzzSupport.h"

#include "file/VoicingEditorLibraryDataImporter.h"
#include "library/LibraryData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("input.slvne_all", data, size);

    x48305_data::LibraryData library;
    const auto liveSet = library.getFavoriteData();
    const int result = x48305_file::VoicingEditorLibraryDataImporter (&library).read (file);
    if (result < 0 || result > 32)
        __builtin_trap();
    // The live set is never touched.
    if (library.getFavoriteData() != liveSet)
        __builtin_trap();
    return 0;
}
