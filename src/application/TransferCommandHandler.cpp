#include "application/TransferCommandHandler.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "action/ReceiveUserDataAction.h"
#include "action/UndoSteps.h"
#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "library/DataCenter.h"
#include "midi/MidiCommunicationManager.h"
#include "midi/MidiDeviceManager.h"
#include "midiport/CPXWMidi.h"
#include "ui/AlertDialog.h"
#include "ui/DialogContent.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/WriteWarningComponent.h"

namespace x48305_menu
{
namespace
{
constexpr int transferSucceeded = 0;

x48305_data::DataCenter& store()
{
    return *x48305_data::DataCenter::getInstance();
}

x48305_midi::MidiCommunicationManager& communication()
{
    return *x48305_midi::MidiCommunicationManager::getInstance();
}

// The selected program numbers in the order the selection holds them.
std::vector<int> selectedPrograms()
{
    return ui::SelectedProgramStatus::getInstance()->getAllSelected();
}

// The confirmation shown before data in the instrument is overwritten.
template <typename Warning>
bool confirmWith (const char* titleKey)
{
    if (! x48305_preferences::PreferencesData::getInstance()->getBool (x48305_preferences::keys::warnBeforeWriting, true))
        return true;

    auto content = std::make_unique<Warning>();
    return x48305_ui::runGuardedModalDialog (getLocalizedText (titleKey), *content) != 0;
}
} // namespace

void TransferCommandHandler::receiveLibrary()
{
    if (! checkUsbMidiDriver())
        return;

    x48305_data::LibraryData received;
    if (communication().receiveLibrary (received) != transferSucceeded)
        return;

    x48305_action::performAsStep ("Receive Library", std::make_unique<x48305_action::SetLibraryDataAction> (received));
}

void TransferCommandHandler::writeLibrary()
{
    if (! confirmWrite() || ! checkUsbMidiDriver())
        return;

    communication().writeLibrary (store().getLibraryData());
}

void TransferCommandHandler::receiveSelectedPrograms()
{
    if (! checkUsbMidiDriver())
        return;

    const auto numbers = selectedPrograms();
    x48305_data::LibraryData received;
    if (communication().receiveSelectedPrograms (numbers, received) != transferSucceeded)
        return;

    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (int number : numbers)
        actions.push_back (std::make_unique<x48305_action::SetProgramDataAction> (number, received.getProgram (number)));
    x48305_action::performAsStep ("Receive Selected Programs", std::move (actions));
}

void TransferCommandHandler::writeSelectedPrograms()
{
    if (! confirmWrite() || ! checkUsbMidiDriver())
        return;

    communication().writeSelectedPrograms (selectedPrograms(), store().getLibraryData());
}

void TransferCommandHandler::receiveUserData()
{
    if (! checkUsbMidiDriver())
        return;

    // What was known before the receive, for its undo to bring back.
    const auto matchBefore = store().getUserUnitsMatch().getState();
    x48305_data::UserData received;
    // Firmware without user units leaves the received store empty: it must
    // not replace the user's units.
    if (communication().receiveUserData (received, store().getUserUnitsMatch()) != transferSucceeded
        || communication().wasUserDataReceiveSkipped())
        return;

    x48305_action::performAsStep ("Receive UserData",
                                  std::make_unique<x48305_action::ReceiveUserDataAction> (received, matchBefore));
}

void TransferCommandHandler::writeUserData()
{
    if (! confirmWriteUserData() || ! checkUsbMidiDriver())
        return;

    communication().writeUserData (store().getUserData(), store().getUserUnitsMatch());
    // The write has changed the store's slots in place: no step before it
    // could be undone truthfully.
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
}

bool TransferCommandHandler::checkUsbMidiDriver()
{
    auto* devices = midi::MidiDeviceManager::getInstance();
    const int input = devices->getInPortIndex();
    const int output = devices->getOutPortIndex();
    if (input < 0 || output < 0)
        return true;
    if (CPXWMidi::isVexoUsbMidiDriverInput (input) && CPXWMidi::isVexoUsbMidiDriverOutput (output))
        return true;

    return AlertDialog().showOkCancel (getLocalizedText ("MidiCommunicationErrorVexoUsbMidiDriverTitle"),
                                       getLocalizedText ("MidiCommunicationErrorVexoUsbMidiDriver"));
}

bool TransferCommandHandler::confirmWrite()
{
    return confirmWith<WriteWarningComponent> ("WriteWarningDialogTitle");
}

bool TransferCommandHandler::confirmWriteUserData()
{
    return confirmWith<WriteUserDataWarningComponent> ("WriteUserDataWarningDialogTitle");
}
} // namespace x48305_menu
