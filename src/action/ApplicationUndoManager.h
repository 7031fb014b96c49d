#pragma once

#include "data/Singleton.h"

#include <juce_data_structures/juce_data_structures.h>
#include <juce_events/juce_events.h>

namespace application
{
// The one undo manager of the application. Every perform, undo and redo
// sends its change message, which the data change broadcaster turns into a
// notice to every view.
class ApplicationUndoManager : public juce::UndoManager,
                               public Singleton<ApplicationUndoManager>,
                               public juce::DeletedAtShutdown
{
public:
    static constexpr int defaultMaxUnits = 30000;
    static constexpr int defaultMinTransactions = 30;

    ~ApplicationUndoManager() override;

    // False before the first getInstance() and after shutdown has deleted
    // the instance. Listeners that are themselves deleted at shutdown ask
    // this before they let go of the undo manager: they may have been
    // registered for deletion before it was created, and so be deleted
    // after it.
    static bool isAlive() { return alive; }

private:
    friend class Singleton<ApplicationUndoManager>;
    ApplicationUndoManager();

    static inline bool alive = false;
};
} // namespace application
