#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"
#include "ui/ModalDialogStateObserver.h"

#include <juce_events/juce_events.h>

namespace ui
{
// Says whether a modal dialog (alert, file chooser, progress dialog, ...) is
// open. Commands, file drops, the command line and further dialogs read
// dialogOpen and do nothing while it is set. Whoever changes the flag triggers
// the notice; several changes in one event give one notice with the state of
// the moment it runs.
class ModalDialogState : public Singleton<ModalDialogState>,
                         public ListenerHolder<ModalDialogStateObserver>,
                         public juce::AsyncUpdater,
                         public juce::DeletedAtShutdown
{
public:
    ~ModalDialogState() override;

    // Sets the flag and triggers the notice.
    void setDialogOpen (bool open);

    bool dialogOpen = false;

private:
    friend class Singleton<ModalDialogState>;
    ModalDialogState() = default;

    void handleAsyncUpdate() override;
};
} // namespace ui
