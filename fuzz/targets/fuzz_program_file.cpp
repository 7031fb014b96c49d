// A program file (.slvnprog) read into a program, through the reader that the file
// operations use, on a file holding the input.
#include "FuzzSupport.h"

#include "formats/ProgramFile.h"
#include "library/ProgramData.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("input.slvnprog", data, size);

    x48305_data::ProgramData target;
    const int result = x48305_file::ProgramFileReader (&target).read (file);
    if (result < 0 || result > 32)
        __builtin_trap();
    return 0;
}
