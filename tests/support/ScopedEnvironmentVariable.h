#pragma once

#include <string>

namespace testsupport
{
// Sets (or, given nullptr, clears) one environment variable for the life of
// the object and then restores it.
class ScopedEnvironmentVariable
{
public:
    ScopedEnvironmentVariable (const char* name, const char* value);
    ~ScopedEnvironmentVariable();

    ScopedEnvironmentVariable (const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator= (const ScopedEnvironmentVariable&) = delete;

private:
    std::string name;
    bool hadValue = false;
    std::string previous;
};
} // namespace testsupport
