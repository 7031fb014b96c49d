#include "formats/JsonNestingDepth.h"

#include <algorithm>

namespace formats
{
int measureJsonNestingDepth (const char* text, std::size_t length)
{
    if (text == nullptr)
        return 0;

    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;

    for (std::size_t i = 0; i < length; ++i)
    {
        const char c = text[i];

        if (inString)
        {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }

        switch (c)
        {
            case '"':
                inString = true;
                break;
            case '[':
            case '{':
                deepest = std::max (deepest, ++depth);
                break;
            case ']':
            case '}':
                // A stray closing bracket is the parser's to report.
                depth = std::max (0, depth - 1);
                break;
            default:
                break;
        }
    }
    return deepest;
}
} // namespace formats
