// The message that a second launch sends to the running instance, decoded as
// the instance's receiver decodes what arrives on its channel.
#include "application/ForwardedCommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using x48305_application::ForwardedCommandLine;

    const auto decoded = ForwardedCommandLine::decode (std::string (reinterpret_cast<const char*> (data), size));
    if (! decoded)
        return 0;

    // What the receiver takes, the sender can send: it comes back the same.
    const auto again = ForwardedCommandLine::decode (decoded->encode());
    if (! again || again->folder != decoded->folder || again->arguments != decoded->arguments)
        __builtin_trap();
    return 0;
}
