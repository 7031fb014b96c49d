#pragma once

#include "action/LastSavedFileStatusListener.h"
#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace application
{
// The file the library was last opened from or saved to.
class LastSavedFileStatus : public Singleton<LastSavedFileStatus>,
                            public juce::DeletedAtShutdown,
                            public ListenerHolder<LastSavedFileStatusListener>,
                            private juce::AsyncUpdater
{
public:
    ~LastSavedFileStatus() override;

    void setFile (const juce::File& file);
    bool hasFile() const { return file != juce::File(); }
    const juce::File& getFile() const { return file; }

private:
    friend class Singleton<LastSavedFileStatus>;
    LastSavedFileStatus() = default;

    void handleAsyncUpdate() override;

    juce::File file;
};
} // namespace application
