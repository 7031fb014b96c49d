#pragma once

#include <cstdlib>
#include <string>

namespace l10ntest
{
// Sets (or, given nullptr, clears) one environment variable for the life of
// the object and then restores it.
class ScopedEnv
{
public:
    ScopedEnv (const char* nameIn, const char* value) : name (nameIn)
    {
        if (auto* old = std::getenv (name))
        {
            hadOld = true;
            oldValue = old;
        }
        if (value != nullptr)
            setenv (name, value, 1);
        else
            unsetenv (name);
    }

    ~ScopedEnv()
    {
        if (hadOld)
            setenv (name, oldValue.c_str(), 1);
        else
            unsetenv (name);
    }

    ScopedEnv (const ScopedEnv&) = delete;
    ScopedEnv& operator= (const ScopedEnv&) = delete;

private:
    const char* name;
    bool hadOld = false;
    std::string oldValue;
};
} // namespace l10ntest
