#pragma once

#include "data/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <memory>

namespace x48305_preferences
{
// The settings store: one XML document "PreferencesData.xml" whose children
// are named by key and hold the value in their attribute "Value". Booleans are
// stored as 1 and 0 and read by the framework's rule (true when the value
// begins with 1, t, T, y or Y). Loaded once when the store is created, kept in
// memory, and written back by save() and when the store is deleted at
// shutdown. Message thread only.
class PreferencesData : public Singleton<PreferencesData>,
                        public juce::DeletedAtShutdown
{
public:
    // Loads the file of getFile(); a missing, empty or malformed file gives an
    // empty document. The root's name is not checked.
    PreferencesData();

    // Saves the document.
    ~PreferencesData() override;

    juce::String getString (const juce::String& key, const juce::String& defaultValue) const;
    int getInt (const juce::String& key, int defaultValue) const;
    bool getBool (const juce::String& key, bool defaultValue) const;

    // Set the value in memory; nothing is written to disk.
    void setString (const juce::String& key, const juce::String& value);
    void setInt (const juce::String& key, int value);
    void setBool (const juce::String& key, bool value);

    // As the setters, but only when no child of that name exists yet.
    void setDefaultString (const juce::String& key, const juce::String& value);
    void setDefaultInt (const juce::String& key, int value);
    void setDefaultBool (const juce::String& key, bool value);

    // Writes the document to getFile(). A failure prints one line to standard
    // output and returns false; the file on disk is then left as it was.
    bool save();

    // "VEXO solivane Sound Librarian" inside "Preferences" in the user's
    // application data folder; created whenever it is asked for and missing.
    static juce::File getFolder();

    // "PreferencesData.xml" in getFolder().
    static juce::File getFile();

private:
    const juce::XmlElement* findValue (const juce::String& key) const;
    juce::XmlElement* getOrCreateChild (const juce::String& key);

    std::unique_ptr<juce::XmlElement> document;

    JUCE_DECLARE_NON_COPYABLE (PreferencesData)
};

// The values that start-up writes for the keys that are still absent.
void setUpPreferenceDefaults (PreferencesData& preferences);
} // namespace x48305_preferences
