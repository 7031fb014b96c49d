#pragma once

#include <iostream>
#include <sstream>
#include <string>

namespace testsupport
{
// Counts the framework's debug assertions while it lives. A debug build of
// the framework reports a failed assertion as a line on standard error and
// goes on, so a test would not notice one: this keeps standard error for the
// watch's lifetime (passing everything else through when it ends).
class AssertionWatch
{
public:
    AssertionWatch();
    ~AssertionWatch();

    AssertionWatch (const AssertionWatch&) = delete;
    AssertionWatch& operator= (const AssertionWatch&) = delete;

    // The number of assertion lines seen so far.
    int getCount() const;

    // Drops what was kept so far, so that it never reaches standard error:
    // for assertions a test raises on purpose, which would read as faults in
    // the log.
    void forgetSeen();

    // Whether this build reports assertions at all.
    static bool assertionsAreReported();

private:
    std::ostringstream captured;
    std::streambuf* previous;
};
}
