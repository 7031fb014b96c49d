#pragma once

#include <cstddef>
#include <cstdio>

namespace x48305_data
{
// The program of a number within the list; for any other number the message
// (a printf format taking the number) goes to standard output and the spare
// is handed out, so that a bad number never reaches a listed program.
template <typename Programs, typename Program>
Program& programOrSpare (Programs& programs, Program& spare, int number, const char* message)
{
    if (number >= 0 && (std::size_t) number < programs.size())
        return programs[(std::size_t) number];
    std::printf (message, number);
    return spare;
}
} // namespace x48305_data
