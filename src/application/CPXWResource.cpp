#include "application/CPXWResource.h"

#include "application/CurrentLanguageModel.h"
#include "formats/Utf8Text.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlTagNames.h"

#include <limits>

namespace
{
const char* const resourceFileName = "LocalizableStrings.xml";
const char* const textAttribute = "Text";
} // namespace

CPXWResource::CPXWResource()
    : CPXWResource (getResourceFile (getResourceFolder(),
                                     x48305_application::CurrentLanguageModel::getInstance()->isJapanese))
{
}

CPXWResource::CPXWResource (const juce::File& resourceFile)
{
    document = loadXml (resourceFile);
}

CPXWResource::~CPXWResource() = default;

juce::String CPXWResource::getString (const juce::String& key) const
{
    if (document == nullptr)
        return {};

    if (auto* child = data::findChild (*document, key))
        return child->getStringAttribute (textAttribute);

    return {};
}

void CPXWResource::reloadFrom (const juce::File& resourceFile)
{
    document = loadXml (resourceFile);
}

juce::File CPXWResource::getResourceFolder()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile ("resources");
}

juce::File CPXWResource::getResourceFile (const juce::File& resourceFolder, bool japanese)
{
    return resourceFolder.getChildFile (japanese ? "ja" : "en").getChildFile (resourceFileName);
}

int CPXWResource::readResourceFile (const juce::File& file, char* destination, int capacity, int& sizeOut)
{
    sizeOut = -1;

    // A path that exists but cannot be opened for reading (a folder, a file
    // without read permission) counts as missing: its size must never be
    // taken as a promise of bytes.
    if (! file.existsAsFile())
        return 0;

    juce::FileInputStream stream (file);
    if (! stream.openedOk())
        return 0;

    auto size = stream.getTotalLength();
    if (size < 0 || size > std::numeric_limits<int>::max())
        return 0;

    sizeOut = (int) size;

    if (destination == nullptr || capacity <= 0 || sizeOut == 0)
        return 0;

    auto wanted = juce::jmin (sizeOut, capacity);
    auto got = stream.read (destination, wanted);
    if (got < 0)
    {
        sizeOut = -1;
        return 0;
    }
    return got;
}

std::unique_ptr<juce::XmlElement> CPXWResource::loadXml (const juce::File& file)
{
    int size = -1;
    readResourceFile (file, nullptr, 0, size);
    if (size < 1)
        return nullptr;

    ensureBuffer (size);

    int secondSize = -1;
    auto bytesRead = readResourceFile (file, buffer.get(), bufferSize, secondSize);
    if (secondSize < 1 || bytesRead < 1)
        return nullptr;

    // The bytes carry no terminator: decode exactly those read. A file that
    // shrank between the two passes yields fewer bytes, never stale ones.
    // Malformed UTF-8 counts as unparsable: decoding it could step past the
    // last byte.
    const auto text = formats::textFromUtf8Bytes (buffer.get(), (size_t) bytesRead);
    if (text.isEmpty())
        return nullptr;

    return data::parseXmlDocumentText (text);
}

void CPXWResource::ensureBuffer (int size)
{
    if (size <= bufferSize)
        return;

    buffer.realloc ((size_t) size);
    bufferSize = size;
}

juce::String getLocalizedText (const juce::String& key)
{
    return CPXWResource::getInstance()->getString (key);
}
