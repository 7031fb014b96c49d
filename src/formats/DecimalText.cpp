#include "formats/DecimalText.h"

#include <algorithm>
#include <limits>

namespace data
{
int readDecimalInt (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    const bool negative = *p == '-';
    if (negative)
        ++p;

    // Magnitudes up to one past INT_MAX, so that INT_MIN itself is reachable.
    constexpr juce::int64 limit = (juce::int64) std::numeric_limits<int>::max() + 1;
    juce::int64 value = 0;
    for (auto c = *p; c >= '0' && c <= '9'; c = *++p)
        value = std::min (limit, value * 10 + (juce::int64) (c - '0'));

    if (negative)
        return (int) -value;
    return (int) std::min (value, (juce::int64) std::numeric_limits<int>::max());
}
} // namespace data
