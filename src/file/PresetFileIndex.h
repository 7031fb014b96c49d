#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

namespace x48305_file
{
// The preset store's index "PresetFileInformation.xml": a root
// "solivane_PresetInformation" with one "Preset" per installed preset in
// installation order, each holding "DataID" and "File" (the stored file's
// name inside the store folder). The DataID is the preset's identity,
// compared exactly.
class PresetFileIndex
{
public:
    static const juce::String rootTag;
    static const juce::String presetTag;
    static const juce::String dataIDTag;
    static const juce::String fileTag;

    // A missing file gives a new empty index; a file that does not parse, or
    // whose root is not the index's, leaves no index at all (isValid false)
    // so that nothing overwrites it.
    void load (const juce::File& indexFile);

    bool isValid() const { return root != nullptr; }

    // Child elements of the root; 0 without an index.
    int getNumPresets() const;

    // The "File" text of the index-th entry; empty when there is none.
    juce::String getFileName (int index) const;

    // The first "Preset" whose "DataID" text equals the DataID exactly.
    juce::XmlElement* findPreset (const juce::String& dataID) const;

    // True when some entry other than the given one names that file.
    bool isFileNameUsed (const juce::String& fileName, const juce::XmlElement* except) const;

    // Appends a "Preset" entry and returns it; nullptr without an index.
    juce::XmlElement* appendPreset (const juce::String& dataID, const juce::String& fileName);

    // Removes and deletes an entry that appendPreset returned.
    void removePreset (juce::XmlElement* preset);

    static juce::String getFileName (const juce::XmlElement& preset);
    static void setFileName (juce::XmlElement& preset, const juce::String& fileName);

    // Writes the whole index as a new file beside the old one and swaps it
    // in; false (with the old file untouched) when that fails or there is no
    // index. True once the new file is in place, even if the folder could
    // not be flushed afterwards: the entries it names are installed then.
    bool save (const juce::File& indexFile) const;

private:
    void listEntries();

    std::unique_ptr<juce::XmlElement> root;
    // The root's children in order, kept with it: the framework walks its
    // list of children to count them or find the n-th, and a reload asks for
    // every entry in turn.
    std::vector<juce::XmlElement*> entries;
};
} // namespace x48305_file
