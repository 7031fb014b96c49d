#include "application/PreferencesData.h"

#include "application/PreferenceKeys.h"
#include "file/FileReplacer.h"
#include "file/OpenedFileStream.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlTagNames.h"

#include <cstdio>

namespace x48305_preferences
{
namespace
{
const char* const rootName = "PreferencesData";
const char* const valueAttribute = "Value";
} // namespace

PreferencesData::PreferencesData()
{
    auto file = getFile();
    juce::MemoryBlock bytes;
    if (file::OpenedFileStream::readWhole (file, bytes))
        document = data::parseXmlDocumentBytes (bytes.getData(), bytes.getSize());

    if (document == nullptr)
        document = std::make_unique<juce::XmlElement> (rootName);
}

PreferencesData::~PreferencesData()
{
    save();
}

const juce::XmlElement* PreferencesData::findValue (const juce::String& key) const
{
    auto* child = data::findChild (*document, key);
    return child != nullptr && child->hasAttribute (valueAttribute) ? child : nullptr;
}

juce::String PreferencesData::getString (const juce::String& key, const juce::String& defaultValue) const
{
    auto* child = findValue (key);
    return child != nullptr ? child->getStringAttribute (valueAttribute) : defaultValue;
}

int PreferencesData::getInt (const juce::String& key, int defaultValue) const
{
    auto* child = findValue (key);
    return child != nullptr ? child->getIntAttribute (valueAttribute) : defaultValue;
}

bool PreferencesData::getBool (const juce::String& key, bool defaultValue) const
{
    auto* child = findValue (key);
    return child != nullptr ? child->getBoolAttribute (valueAttribute) : defaultValue;
}

juce::XmlElement* PreferencesData::getOrCreateChild (const juce::String& key)
{
    if (auto* child = data::findChild (*document, key))
        return child;

    return document->createNewChildElement (key);
}

void PreferencesData::setString (const juce::String& key, const juce::String& value)
{
    getOrCreateChild (key)->setAttribute (valueAttribute, value);
}

void PreferencesData::setInt (const juce::String& key, int value)
{
    getOrCreateChild (key)->setAttribute (valueAttribute, value);
}

void PreferencesData::setBool (const juce::String& key, bool value)
{
    getOrCreateChild (key)->setAttribute (valueAttribute, value ? 1 : 0);
}

void PreferencesData::setDefaultString (const juce::String& key, const juce::String& value)
{
    if (data::findChild (*document, key) == nullptr)
        setString (key, value);
}

void PreferencesData::setDefaultInt (const juce::String& key, int value)
{
    if (data::findChild (*document, key) == nullptr)
        setInt (key, value);
}

void PreferencesData::setDefaultBool (const juce::String& key, bool value)
{
    if (data::findChild (*document, key) == nullptr)
        setBool (key, value);
}

bool PreferencesData::save()
{
    // Asked again on every save: the folder comes back if it was removed
    // while the program ran.
    auto file = getFile();
    auto text = data::createXmlDocumentText (*document);

    const auto* utf8 = text.toRawUTF8();
    if (file::replaceFileContent (file, utf8, text.getNumBytesAsUTF8()) == 0)
        return true;

    std::printf ("Failed to save preferences: %s\n", file.getFullPathName().toRawUTF8());
    std::fflush (stdout);
    return false;
}

juce::File PreferencesData::getFolder()
{
    auto folder = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                      .getChildFile ("Preferences")
                      .getChildFile ("VEXO solivane Sound Librarian");

    if (! folder.isDirectory())
        folder.createDirectory();

    return folder;
}

juce::File PreferencesData::getFile()
{
    return getFolder().getChildFile ("PreferencesData.xml");
}

void setUpPreferenceDefaults (PreferencesData& preferences)
{
    preferences.setDefaultBool (keys::midiPortAutoScan, true);
    preferences.setDefaultBool (keys::autoReceive, true);
    preferences.setDefaultBool (keys::warnBeforeWriting, true);
    preferences.setDefaultString (keys::midiInPort, {});
    preferences.setDefaultString (keys::midiOutPort, {});
    preferences.setDefaultString (keys::lastSavedFolder, {});
    preferences.setDefaultBool (keys::showPresetWindow, false);
    preferences.setDefaultInt (keys::programListHeight, 25);
}
} // namespace x48305_preferences
