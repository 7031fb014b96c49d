// A preset file (.slvnpreset) read into a preset, through the reader that the file
// operations use, on a file holding the input.
#include "FuzzSupport.h"

#include "formats/PresetFile.h"
#include "library/PresetData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("input.slvnpreset", data, size);

    x48305_data::PresetData target;
    const int result = x48305_file::PresetFileReader (&target).read (file);
    if (result < 0 || result > 32)
        __builtin_trap();
    return 0;
}
