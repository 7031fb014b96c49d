#pragma once

#include "data/Singleton.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <memory>

// The localisation resource: an XML document whose children are named by
// localisation key and carry the displayed text in their attribute "Text".
// The root element may have any name.
//
// The resource is read once, on the message thread at start-up, and never
// changed afterwards, so look-ups from other threads (the communication
// thread sets its status texts through it) need no lock.
class CPXWResource : public Singleton<CPXWResource>,
                     public juce::DeletedAtShutdown
{
public:
    // The resource of the current language, in the "resources" folder next to
    // the executable.
    CPXWResource();

    // A resource read from the given file (tests and tools).
    explicit CPXWResource (const juce::File& resourceFile);

    ~CPXWResource() override;

    // The text of a key; empty when the resource is missing or unparsable,
    // when it has no child of that name, or when the child has no "Text".
    juce::String getString (const juce::String& key) const;

    bool hasDocument() const { return document != nullptr; }

    // Reads another resource file in place of the current one. Only for tests
    // that switch the interface language: no other thread may look texts up
    // meanwhile.
    void reloadFrom (const juce::File& resourceFile);

    // "resources" next to the executable.
    static juce::File getResourceFolder();

    // The resource file of a language inside a resource folder.
    static juce::File getResourceFile (const juce::File& resourceFolder, bool japanese);

    // Reads at most capacity bytes of the file into buffer (nothing when
    // buffer is null) and returns the number of bytes read. sizeOut receives
    // the file's size, or -1 when the file is missing or cannot be opened for
    // reading.
    static int readResourceFile (const juce::File& file, char* buffer, int capacity, int& sizeOut);

private:
    std::unique_ptr<juce::XmlElement> loadXml (const juce::File& file);
    void ensureBuffer (int size);

    std::unique_ptr<juce::XmlElement> document;
    juce::HeapBlock<char> buffer;
    int bufferSize = 0;

    JUCE_DECLARE_NON_COPYABLE (CPXWResource)
};

// The localised text of a key, through the one resource of the application.
juce::String getLocalizedText (const juce::String& key);
