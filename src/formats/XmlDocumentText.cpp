#include "formats/XmlDocumentText.h"

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

    const auto* chars = static_cast<const char*> (bytes);
    const auto* zero = static_cast<const char*> (std::memchr (chars, 0, size));
    const auto length = zero != nullptr ? (std::size_t) (zero - chars) : size;
    if (length == 0 || length > (std::size_t) std::numeric_limits<int>::max())
        return nullptr;

    // Decoding a malformed sequence could run past the bytes given.
    if (! juce::CharPointer_UTF8::isValidString (chars, (int) length))
        return nullptr;

    const auto text = juce::String::fromUTF8 (chars, (int) length);
    return juce::XmlDocument::parse (text);
}
} // namespace data
