#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <memory>

namespace data
{
// The document text of every XML file the system writes: XML header,
// encoding "UTF-8", no DTD, line-wrap length 60.
juce::String createXmlDocumentText (const juce::XmlElement& element);

// The document text as UTF-8 bytes followed by one zero byte, as the tagged
// container's XML sections hold it.
juce::MemoryBlock createZeroTerminatedXmlDocument (const juce::XmlElement& element);

// Parses UTF-8 bytes as an XML document; the text ends at the first zero
// byte or at the end of the bytes. Bytes that are not valid UTF-8, text
// beyond the parser's limits (see XmlParserLimits.h) and text that does not
// parse give nullptr.
std::unique_ptr<juce::XmlElement> parseXmlDocumentBytes (const void* bytes, std::size_t size);
} // namespace data
