#include "formats/XmlDocumentText.h"

#include "formats/Utf8Text.h"
#include "formats/XmlParserLimits.h"

#include <cstring>

namespace data
{
juce::String createXmlDocumentText (const juce::XmlElement& element)
{
    juce::XmlElement::TextFormat format;
    format.dtd = {};
    format.customEncoding = "UTF-8";
    format.addDefaultHeader = true;
    format.lineWrapLength = 60;
    return element.toString (format);
}

juce::MemoryBlock createZeroTerminatedXmlDocument (const juce::XmlElement& element)
{
    const auto text = createXmlDocumentText (element);
    const auto* utf8 = text.toRawUTF8();
    // getNumBytesAsUTF8 excludes the terminator; copy it as well.
    return juce::MemoryBlock (utf8, text.getNumBytesAsUTF8() + 1);
}

std::unique_ptr<juce::XmlElement> parseXmlDocumentBytes (const void* bytes, std::size_t size)
{
    if (bytes == nullptr || size == 0)
        return nullptr;

    const auto* zero = std::memchr (bytes, 0, size);
    const auto length = zero != nullptr ? (std::size_t) (static_cast<const char*> (zero) - static_cast<const char*> (bytes)) : size;
    return parseXmlDocumentText (formats::textFromUtf8Bytes (bytes, length));
}

std::unique_ptr<juce::XmlElement> parseXmlDocumentText (const juce::String& text)
{
    auto document = text.startsWithChar ((juce::juce_wchar) 0xfeff) ? text.substring (1) : text;
    // The length takes in the text's terminating zero, so that the check
    // need not copy the text to get one.
    const auto* utf8 = document.toRawUTF8();
    if (document.isEmpty() || ! formats::isXmlWithinParserLimits (utf8, std::strlen (utf8) + 1))
        return nullptr;
    return juce::XmlDocument::parse (document);
}
} // namespace data
