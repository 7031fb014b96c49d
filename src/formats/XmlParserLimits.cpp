#include "formats/XmlParserLimits.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace formats
{
namespace
{
bool startsWith (const char* text, const char* prefix)
{
    return std::strncmp (text, prefix, std::strlen (prefix)) == 0;
}

bool isDigit (char c)
{
    return c >= '0' && c <= '9';
}

int hexValue (char c)
{
    if (isDigit (c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The length of the reference that starts at the '&' at text, or 0 when it is
// not one that the parser consumes exactly up to its ';' without looking
// anything up: the five predefined entities and character references to
// code points up to 0x10FFFF.
std::size_t referenceLength (const char* text)
{
    for (const auto* name : { "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" })
        if (startsWith (text, name))
            return std::strlen (name);

    if (text[1] != '#')
        return 0;

    const bool hex = text[2] == 'x' || text[2] == 'X';
    std::size_t pos = hex ? 3 : 2;
    const std::size_t first = pos;
    long value = 0;
    for (; text[pos] != ';'; ++pos)
    {
        const int digit = hex ? hexValue (text[pos]) : (isDigit (text[pos]) ? text[pos] - '0' : -1);
        if (digit < 0 || pos - first >= 7)
            return 0;
        value = value * (hex ? 16 : 10) + digit;
    }
    if (pos == first || value > 0x10FFFF)
        return 0;
    return pos + 1;
}

// The scans below are bounded by the text's end, found once: a search that
// measured the whole rest of the text at every tag (as a sanitizer's strict
// string checks do for the C string functions) would make the check grow with
// the square of a document of many small elements.

// The first c at or after text, or end.
const char* findChar (const char* text, const char* end, char c)
{
    const auto* found = std::memchr (text, c, (std::size_t) (end - text));
    return found != nullptr ? static_cast<const char*> (found) : end;
}

// The end of what starts at text and ends with the terminator, or null when
// the terminator never comes.
const char* skipPast (const char* text, const char* end, const char* terminator)
{
    const auto length = std::strlen (terminator);
    for (const auto* p = findChar (text, end, terminator[0]); (std::size_t) (end - p) >= length;
         p = findChar (p + 1, end, terminator[0]))
        if (std::memcmp (p, terminator, length) == 0)
            return p + length;
    return nullptr;
}

// Whether every '&' in the text is a plain reference.
bool referencesArePlain (const char* text, const char* end)
{
    for (const auto* amp = findChar (text, end, '&'); amp != end; amp = findChar (amp, end, '&'))
    {
        const auto length = referenceLength (amp);
        if (length == 0)
            return false;
        amp += length;
    }
    return true;
}
} // namespace

namespace
{
// The text ends at end, where its first zero byte is.
bool isWithinLimits (const char* text, const char* end)
{
    int depth = 0;
    bool rootStarted = false;
    const char* p = text;

    while (p != end)
    {
        if (*p != '<')
        {
            // Plain text up to the next markup; a reference holds no '<'.
            const auto* markup = findChar (p, end, '<');
            if (! referencesArePlain (p, markup))
                return false;
            p = markup;
            continue;
        }

        if (startsWith (p, "<!--"))
        {
            p = skipPast (p + 4, end, "-->");
        }
        else if (startsWith (p, "<![CDATA["))
        {
            if (depth == 0)
                return false;
            p = skipPast (p + 9, end, "]]>");
        }
        else if (startsWith (p, "<?"))
        {
            // Only the declaration and instructions before the root.
            if (rootStarted)
                return false;
            p = skipPast (p + 2, end, "?>");
        }
        else if (p[1] == '!')
        {
            return false; // document type and other declarations
        }
        else if (p[1] == '/')
        {
            if (depth == 0)
                return false;
            const auto* tagEnd = findChar (p + 2, end, '>');
            if (tagEnd == end || findChar (p + 2, tagEnd, '<') != tagEnd)
                return false;
            p = tagEnd + 1;
            // The parser reads nothing after the root element's end.
            if (--depth == 0)
                return true;
        }
        else
        {
            // A start tag: find its '>' outside quotes. Every '&' inside it
            // must be a plain reference too (the parser may take part of a
            // broken tag as text); a '<' inside it is refused.
            const char* q = p + 1;
            char quote = 0;
            for (; q != end; ++q)
            {
                if (*q == '<')
                    return false;
                if (*q == '&')
                {
                    const auto length = referenceLength (q);
                    if (length == 0)
                        return false;
                    q += length - 1;
                    continue;
                }
                if (quote != 0)
                {
                    if (*q == quote)
                        quote = 0;
                }
                else if (*q == '"' || *q == '\'')
                {
                    quote = *q;
                }
                else if (*q == '>')
                {
                    break;
                }
            }
            if (q == end)
                return false;

            rootStarted = true;
            const bool empty = q[-1] == '/';
            p = q + 1;
            if (empty)
            {
                if (depth == 0)
                    return true;
            }
            else if (++depth > maxXmlNestingDepth)
            {
                return false;
            }
        }

        if (p == nullptr)
            return false;
    }

    // The text ended inside the root element (or had none): the parser fails
    // on it anyway.
    return false;
}
} // namespace

bool isXmlWithinParserLimits (const char* text, std::size_t length)
{
    if (text == nullptr)
        return false;
    // The parser reads up to the first zero byte; so does the check. Text
    // without one in its length is copied to get one.
    if (const auto* zero = std::memchr (text, 0, length))
        return isWithinLimits (text, static_cast<const char*> (zero));
    const std::string terminated (text, length);
    return isWithinLimits (terminated.c_str(), terminated.c_str() + length);
}
} // namespace formats
