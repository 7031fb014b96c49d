#include "formats/XmlParserLimits.h"

#include <cstring>

namespace formats
{
namespace
{
class XmlScanner
{
public:
    XmlScanner (const char* t, std::size_t n) : text (t), length (n) {}

    bool isWithinLimits()
    {
        while (position < length)
        {
            if (text[position] != '<')
            {
                ++position;
                continue;
            }

            if (startsWith ("<!--"))
                skipPast ("-->");
            else if (startsWith ("<![CDATA["))
                skipPast ("]]>");
            else if (startsWith ("<!"))
                return false; // a document type or other declaration
            else if (startsWith ("<?"))
                skipPast ("?>");
            else if (startsWith ("</"))
            {
                if (depth > 0)
                    --depth;
                skipPast (">");
            }
            else if (readStartTag() && ++depth > maxXmlNestingDepth)
                return false;
        }
        return true;
    }

private:
    bool startsWith (const char* token) const
    {
        const auto n = std::strlen (token);
        return length - position >= n && std::memcmp (text + position, token, n) == 0;
    }

    void skipPast (const char* token)
    {
        const auto n = std::strlen (token);
        for (; position < length; ++position)
        {
            if (startsWith (token))
            {
                position += n;
                return;
            }
        }
    }

    // Moves past a start tag, whose quoted attribute values may hold '>';
    // true when the tag opens a level (it is not an empty-element tag).
    bool readStartTag()
    {
        char quote = 0;
        char previous = 0;
        for (++position; position < length; ++position)
        {
            const char c = text[position];
            if (quote != 0)
            {
                if (c == quote)
                    quote = 0;
            }
            else if (c == '"' || c == '\'')
                quote = c;
            else if (c == '>')
            {
                ++position;
                return previous != '/';
            }
            previous = c;
        }
        // An unterminated tag is the parser's to report.
        return false;
    }

    const char* text;
    std::size_t length;
    std::size_t position = 0;
    int depth = 0;
};
} // namespace

bool isXmlWithinParserLimits (const char* text, std::size_t length)
{
    return text != nullptr && XmlScanner (text, length).isWithinLimits();
}
} // namespace formats
