// A user-unit package (.slvnunit) read into a unit, through the reader that
// the file operations use, on a file holding the input.
#include "FuzzSupport.h"

#include "file/UserUnitFileReader.h"
#include "library/UserUnitData.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{
// The framework's block comparison hands a null pointer to memcmp when both
// blocks are empty.
bool sameBytes (const juce::MemoryBlock& a, const juce::MemoryBlock& b)
{
    return a.getSize() == b.getSize() && (a.getSize() == 0 || std::memcmp (a.getData(), b.getData(), a.getSize()) == 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("input.slvnunit", data, size);

    x48305_data::UserUnitData unit;
    const auto before = unit.getImage();
    const int result = x48305_file::UserUnitFileReader (&unit).read (file);
    // The unit changes only when the whole package was read.
    if (result != 0 && ! sameBytes (unit.getImage(), before))
        __builtin_trap();
    if (result == 0 && unit.getImage().isEmpty())
        __builtin_trap();
    return 0;
}
