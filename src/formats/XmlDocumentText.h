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
// byte or at the end of the bytes. Bytes that are not valid UTF-8 and text
// that does not parse or that formats::isXmlWithinParserLimits refuses give
// nullptr. Every XML document read from outside goes through here.
std::unique_ptr<juce::XmlElement> parseXmlDocumentBytes (const void* bytes, std::size_t size);

// The same for a document already decoded; a leading byte order mark is
// skipped.
std::unique_ptr<juce::XmlElement> parseXmlDocumentText (const juce::String& text);
} // namespace data
