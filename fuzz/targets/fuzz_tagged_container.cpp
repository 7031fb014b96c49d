// The tagged binary container and its three serial forms (program, live set,
// library), as the program clipboard and the library form hand them over.
#include "data/SerializedData.h"
#include "data/SerializedSectionDataReader.h"
#include "library/FavoriteData.h"
#include "library/LibraryData.h"
#include "library/ProgramData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const data::SerializedData source (data, size);

    data::SerializedSectionDataReader reader (source);
    if (reader.read())
    {
        // A section's data is copied from the given bytes: never more of it.
        for (const auto& section : reader.getSections())
            if (section.data.getSize() > size)
                __builtin_trap();
    }

    x48305_data::ProgramData program;
    program.deserialize (source);

    x48305_data::FavoriteData liveSet;
    liveSet.deserialize (source);

    x48305_data::LibraryData library;
    library.deserialize (source);
    return 0;
}
