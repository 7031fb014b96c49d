#pragma once

#include <cstddef>

namespace formats
{
// Whether XML text read from a file or the pasteboard may be handed to the
// XML parser. The parser recurses once per element level, so elements nested
// deeper than a limit that no document of this system comes near are
// refused; so is any document type declaration (the system writes none, and
// the entities it could define expand into further elements and text that
// this measure never sees).
bool isXmlWithinParserLimits (const char* text, std::size_t length);

constexpr int maxXmlNestingDepth = 64;
} // namespace formats
