#include "support/AssertionWatch.h"

#include <juce_core/juce_core.h>

namespace testsupport
{
AssertionWatch::AssertionWatch()
    : previous (std::cerr.rdbuf (captured.rdbuf()))
{
}

AssertionWatch::~AssertionWatch()
{
    std::cerr.rdbuf (previous);
    std::cerr << captured.str();
}

int AssertionWatch::getCount() const
{
    const auto text = captured.str();
    const std::string marker ("JUCE Assertion failure");
    int count = 0;
    for (auto at = text.find (marker); at != std::string::npos; at = text.find (marker, at + marker.size()))
        ++count;
    return count;
}

void AssertionWatch::forgetSeen()
{
    captured.str ({});
}

bool AssertionWatch::assertionsAreReported()
{
   #if JUCE_DEBUG || JUCE_LOG_ASSERTIONS
    return true;
   #else
    return false;
   #endif
}
}
