#include "library/CurrentProgramData.h"

#include "action/ApplicationUndoManager.h"
#include "library/DataCenter.h"
#include "midi/MidiCommunicationManager.h"
#include "ui/SelectedProgramStatus.h"

namespace x48305_data
{
namespace
{
constexpr int numPrograms = 500;

// The communication manager sends it unless a job is running.
CurrentProgramData::BackgroundSender defaultSender()
{
    return [] (const ProgramData& program) {
        x48305_midi::MidiCommunicationManager::getInstance()->transmitCurrentProgramAsync (program);
    };
}

CurrentProgramData::BackgroundSender& sender()
{
    static CurrentProgramData::BackgroundSender instance = defaultSender();
    return instance;
}

const ProgramData& noProgram()
{
    static const ProgramData program;
    return program;
}
} // namespace

CurrentProgramData::CurrentProgramData()
{
    auto* selection = ui::SelectedProgramStatus::getInstance();
    if (selection->getNumSelected() == 1)
    {
        kind = libraryProgram;
        programNumber = selection->getSelected (0);
    }

    // Listen whatever the selection: a library program chosen later must still
    // hear the undos that change it. The callback checks the kind.
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

CurrentProgramData::~CurrentProgramData()
{
    // Shutdown may delete the undo manager first (it can be created later
    // than this object registered for deletion).
    if (application::ApplicationUndoManager::isAlive())
        application::ApplicationUndoManager::getInstance()->removeChangeListener (this);
    cancelPendingUpdate();
}

const ProgramData& CurrentProgramData::getProgramData() const
{
    auto* store = DataCenter::getInstance();
    if (kind == libraryProgram && programNumber < numPrograms)
        return store->getLibraryData().getProgram (programNumber);

    if (kind == presetProgram && programNumber < numPrograms
        && presetIndex < store->getPresetLibrary().getNumPresets())
        return store->getPresetLibrary().getPreset (presetIndex).getProgram (programNumber);

    return noProgram();
}

void CurrentProgramData::selectLibraryProgram (int number)
{
    if (kind == libraryProgram && programNumber == number)
        return;

    kind = libraryProgram;
    presetIndex = -1;
    programNumber = number;
    announceChange();
}

void CurrentProgramData::selectPresetProgram (int newPresetIndex, int number)
{
    if (kind == presetProgram && presetIndex == newPresetIndex && programNumber == number)
        return;

    kind = presetProgram;
    presetIndex = newPresetIndex;
    programNumber = number;
    announceChange();

    // No library row stays selected while a preset program is current.
    ui::SelectedProgramStatus::getInstance()->setSelected ({});
}

void CurrentProgramData::clearCurrentProgram()
{
    if (kind == none)
        return;

    kind = none;
    presetIndex = -1;
    programNumber = -1;
    announceChange();
}

void CurrentProgramData::notifyIfLibraryProgram()
{
    if (kind == libraryProgram)
        triggerAsyncUpdate();
}

void CurrentProgramData::changeListenerCallback (juce::ChangeBroadcaster*)
{
    notifyIfLibraryProgram();
}

void CurrentProgramData::setBackgroundSender (BackgroundSender newSender)
{
    sender() = newSender ? std::move (newSender) : defaultSender();
}

void CurrentProgramData::announceChange()
{
    if (kind != none)
        sender() (getProgramData());
    triggerAsyncUpdate();
}

void CurrentProgramData::handleAsyncUpdate()
{
    callListeners ([] (CurrentProgramDataObserver& observer) { observer.currentProgramChanged(); });
}
} // namespace x48305_data
