// A user-unit manifest (JSON) turned into a header record, as the package
// reader does with the manifest's bytes.
#include "formats/UnitManifestReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    std::string errorText;
    const auto header = parseUnitManifest (reinterpret_cast<const char*> (data), size, errorText);
    // A failure always says why.
    if (! header.has_value() && errorText.empty())
        __builtin_trap();
    return 0;
}
