#include "action/ApplicationUndoManager.h"

namespace application
{
ApplicationUndoManager::ApplicationUndoManager()
    : juce::UndoManager (defaultMaxUnits, defaultMinTransactions)
{
    alive = true;
}

ApplicationUndoManager::~ApplicationUndoManager()
{
    alive = false;
}
} // namespace application
