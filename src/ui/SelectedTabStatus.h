#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace ui
{
class SelectedTabStatusObserver
{
public:
    virtual ~SelectedTabStatusObserver() {}
    virtual void selectedTabChanged() = 0;
};

// The main window's selected tab: 0 program list, 1 user oscillators,
// 2 modulation effects, 3 delay effects, 4 reverb effects; with its caption.
class SelectedTabStatus : public ListenerHolder<SelectedTabStatusObserver>,
                          public Singleton<SelectedTabStatus>,
                          private juce::AsyncUpdater,
                          public juce::DeletedAtShutdown
{
public:
    enum Tab
    {
        programListTab = 0,
        userOscTab = 1,
        userModFXTab = 2,
        userDelFXTab = 3,
        userRevFXTab = 4
    };

    ~SelectedTabStatus() override;

    // Stores both and triggers the notice.
    void setTab (int index, const juce::String& name);

    int getTabIndex() const { return tabIndex; }
    const juce::String& getTabName() const { return tabName; }

private:
    friend class Singleton<SelectedTabStatus>;
    SelectedTabStatus() = default;

    void handleAsyncUpdate() override;

    int tabIndex = programListTab;
    juce::String tabName;
};
} // namespace ui
