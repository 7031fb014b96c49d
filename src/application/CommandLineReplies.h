#pragma once

namespace x48305_application
{
// The running instance's one-line answers to a forwarded command line.
inline constexpr const char* commandLineAccepted = "OK\n";
inline constexpr const char* commandLineRefused = "NO\n";
} // namespace x48305_application
