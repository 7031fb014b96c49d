#include "support/ScopedEnvironmentVariable.h"

#include <cstdlib>

namespace testsupport
{
ScopedEnvironmentVariable::ScopedEnvironmentVariable (const char* nameIn, const char* value) : name (nameIn)
{
    if (const char* old = std::getenv (nameIn))
    {
        hadValue = true;
        previous = old;
    }
    if (value != nullptr)
        setenv (nameIn, value, 1);
    else
        unsetenv (nameIn);
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable()
{
    if (hadValue)
        setenv (name.c_str(), previous.c_str(), 1);
    else
        unsetenv (name.c_str());
}
} // namespace testsupport
