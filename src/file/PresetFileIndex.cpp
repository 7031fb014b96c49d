#include "file/PresetFileIndex.h"

#include "file/FileReplacer.h"
#include "file/OpenedFileStream.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlTagNames.h"
#include "formats/XmlTextElements.h"

#include <algorithm>

namespace x48305_file
{
const juce::String PresetFileIndex::rootTag { "solivane_PresetInformation" };
const juce::String PresetFileIndex::presetTag { "Preset" };
const juce::String PresetFileIndex::dataIDTag { "DataID" };
const juce::String PresetFileIndex::fileTag { "File" };

namespace
{
juce::String getChildText (const juce::XmlElement& element, const juce::String& tag)
{
    if (auto* child = data::findChild (element, tag))
        return child->getAllSubText();
    return {};
}
} // namespace

void PresetFileIndex::load (const juce::File& indexFile)
{
    if (! indexFile.exists())
    {
        root = std::make_unique<juce::XmlElement> (rootTag);
        listEntries();
        return;
    }

    juce::MemoryBlock bytes;
    root.reset();
    if (file::OpenedFileStream::readWhole (indexFile, bytes))
        root = data::parseXmlDocumentBytes (bytes.getData(), bytes.getSize());
    if (root != nullptr && ! data::isNamed (*root, rootTag))
        root.reset();
    listEntries();
}

void PresetFileIndex::listEntries()
{
    entries.clear();
    if (root != nullptr)
        for (auto* entry : root->getChildIterator())
            entries.push_back (entry);
}

int PresetFileIndex::getNumPresets() const
{
    return (int) entries.size();
}

juce::String PresetFileIndex::getFileName (int index) const
{
    if (index < 0 || (size_t) index >= entries.size())
        return {};
    return getFileName (*entries[(size_t) index]);
}

juce::XmlElement* PresetFileIndex::findPreset (const juce::String& dataID) const
{
    if (root == nullptr)
        return nullptr;
    for (auto* preset : data::getChildrenNamed (*root, presetTag))
        if (auto* id = data::findChild (*preset, dataIDTag); id != nullptr && id->getAllSubText() == dataID)
            return preset;
    return nullptr;
}

bool PresetFileIndex::isFileNameUsed (const juce::String& fileName, const juce::XmlElement* except) const
{
    if (root == nullptr)
        return false;
    for (auto* preset : root->getChildIterator())
        if (preset != except && getFileName (*preset) == fileName)
            return true;
    return false;
}

juce::XmlElement* PresetFileIndex::appendPreset (const juce::String& dataID, const juce::String& fileName)
{
    if (root == nullptr)
        return nullptr;
    auto* preset = root->createNewChildElement (presetTag);
    data::addTextElement (*preset, dataIDTag, dataID);
    data::addTextElement (*preset, fileTag, fileName);
    entries.push_back (preset);
    return preset;
}

void PresetFileIndex::removePreset (juce::XmlElement* preset)
{
    if (root == nullptr || preset == nullptr)
        return;
    entries.erase (std::remove (entries.begin(), entries.end(), preset), entries.end());
    root->removeChildElement (preset, true);
}

juce::String PresetFileIndex::getFileName (const juce::XmlElement& preset)
{
    return getChildText (preset, fileTag);
}

void PresetFileIndex::setFileName (juce::XmlElement& preset, const juce::String& fileName)
{
    if (auto* file = data::findChild (preset, fileTag))
    {
        file->deleteAllChildElements();
        file->addTextElement (fileName);
        return;
    }
    data::addTextElement (preset, fileTag, fileName);
}

bool PresetFileIndex::save (const juce::File& indexFile) const
{
    if (root == nullptr)
        return false;
    const auto text = data::createXmlDocumentText (*root);
    return file::replaceFile (indexFile, text.toRawUTF8(), text.getNumBytesAsUTF8()).contentInPlace;
}
} // namespace x48305_file
