#pragma once

#include <cstddef>

namespace formats
{
// The deepest element nesting that XML read from outside may have. The
// framework's parser, its writer and its element destructor all recurse once
// per level; the documents of this program are at most four levels deep.
constexpr int maxXmlNestingDepth = 64;

// Whether XML text read from a file or the pasteboard (UTF-8, up to its
// first zero byte or `length`) may be handed to the framework's XML parser.
// Besides the nesting depth it refuses what no document of this program
// holds and what the parser handles unsafely: a document type declaration
// (its entities can expand without bound, into elements this measure never
// sees, or refer to one another), entity references other than the five
// predefined ones and character references, processing instructions inside
// the root element (the parser can loop forever on them), '<' inside a tag,
// and unterminated tags, comments and CDATA sections.
//
// The check errs on the side of refusing: whatever it lets through nests no
// deeper in the parser than it counted. A document this program writes, or
// any well-formed document of modest depth without the refused parts, passes.
bool isXmlWithinParserLimits (const char* text, std::size_t length);
} // namespace formats
