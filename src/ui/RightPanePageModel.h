#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <juce_events/juce_events.h>

namespace x48305_ui
{
class RightPanePageModelObserver
{
public:
    virtual void pageChanged() = 0;
    virtual ~RightPanePageModelObserver() {}
};

// Which page the lower pane of the PROGRAM tab shows. Whoever changes the
// page triggers the update; the observers then look at the page as it stands.
class RightPanePageModel : public Singleton<RightPanePageModel>,
                           public ListenerHolder<RightPanePageModelObserver>,
                           public juce::AsyncUpdater,
                           public juce::DeletedAtShutdown
{
public:
    enum Page
    {
        favoritesPage = 0,
        programInformationPage = 1
    };

    ~RightPanePageModel() override;

    int page = favoritesPage;

private:
    friend class Singleton<RightPanePageModel>;
    RightPanePageModel() = default;

    void handleAsyncUpdate() override;
};
} // namespace x48305_ui
