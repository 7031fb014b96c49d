// A library file (.slvnlib) read into a library, through the reader that the file
// operations use, on a file holding the input.
#include "FuzzSupport.h"

#include "formats/LibraryFile.h"
#include "library/LibraryData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("input.slvnlib", data, size);

    x48305_data::LibraryData target;
    const int result = x48305_file::LibraryFileReader (&target).read (file);
    if (result < 0 || result > 32)
        __builtin_trap();
    return 0;
}
