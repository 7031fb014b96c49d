#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"
#include "library/ProgramData.h"

#include <juce_events/juce_events.h>

#include <functional>

namespace x48305_data
{
class CurrentProgramDataObserver
{
public:
    virtual ~CurrentProgramDataObserver() {}
    virtual void currentProgramChanged() = 0;
};

// Which program is current: none, a library program or a program of an
// installed preset. Every newly chosen program goes to the instrument in the
// background so that the user hears it; observers (the header display, the
// information page) are told asynchronously on the message thread.
class CurrentProgramData : public Singleton<CurrentProgramData>,
                           public ListenerHolder<CurrentProgramDataObserver>,
                           private juce::AsyncUpdater,
                           public juce::DeletedAtShutdown,
                           public juce::ChangeListener
{
public:
    enum Kind : juce::uint32
    {
        none = 0,
        libraryProgram = 1,
        presetProgram = 2
    };

    // Hands a newly current program to the background transmitter; the
    // callee copies the program before it returns.
    using BackgroundSender = std::function<void (const ProgramData&)>;

    ~CurrentProgramData() override;

    bool hasCurrentProgram() const { return kind != none; }
    Kind getKind() const { return kind; }
    int getPresetIndex() const { return presetIndex; }
    int getProgramNumber() const { return programNumber; }

    // The current program, or the initial program when nothing (or nothing
    // that still exists) is current.
    const ProgramData& getProgramData() const;

    void selectLibraryProgram (int number);
    void selectPresetProgram (int presetIndex, int number);
    void clearCurrentProgram();

    // Tells the observers that the current library program may have new
    // content (after a file was loaded into the library); sends nothing.
    void notifyIfLibraryProgram();

    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    // Replaces the background send; an empty function restores the default
    // one, which goes to the communication manager.
    static void setBackgroundSender (BackgroundSender sender);

private:
    friend class Singleton<CurrentProgramData>;
    CurrentProgramData();

    void announceChange();
    void handleAsyncUpdate() override;

    Kind kind = none;
    int presetIndex = -1;
    int programNumber = -1;
};
} // namespace x48305_data
