// The localisation resource read from its file, then looked up.
#include "FuzzSupport.h"

#include "application/CPXWResource.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto file = fuzzsupport::writeInputFile ("LocalizableStrings.xml", data, size);

    CPXWResource resource (file);
    (void) resource.getString ("CommonOK");
    (void) resource.getString ("ReadErrorNoError");
    (void) resource.getString ({});
    return 0;
}
