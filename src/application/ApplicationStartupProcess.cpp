#include "application/ApplicationStartupProcess.h"

#include "application/ApplicationCommandIDs.h"
#include "application/ApplicationMenuManager.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "midi/MidiDeviceManager.h"
#include "ui/PresetWindowManager.h"

namespace x48305_application
{
namespace keys = x48305_preferences::keys;

ApplicationStartupProcess::ApplicationStartupProcess()
{
    midi::MidiDeviceManager::getInstance()->addListener (this);
}

ApplicationStartupProcess::~ApplicationStartupProcess()
{
    cancelPendingUpdate();
    midi::MidiDeviceManager::getInstance()->removeListener (this);
}

void ApplicationStartupProcess::start()
{
    if (startupFinished)
        return;

    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    // Opened after the main window, the preset window shows above it.
    if (preferences->getBool (keys::showPresetWindow, false))
        x48305_ui::PresetWindowManager::getInstance()->openWindow();

    if (preferences->getBool (keys::midiPortAutoScan, true))
        midi::MidiDeviceManager::getInstance()->startScan();
    else
        triggerAsyncUpdate();
}

void ApplicationStartupProcess::scanFinished()
{
    triggerAsyncUpdate();
}

void ApplicationStartupProcess::handleAsyncUpdate()
{
    if (startupFinished)
        return;

    // Set first: the transfers run modal loops, inside which a second notice
    // must not start them again.
    startupFinished = true;

    if (! openedFromCommandLine && x48305_preferences::PreferencesData::getInstance()->getBool (keys::autoReceive, true))
        receiveFromInstrument();
}

void ApplicationStartupProcess::receiveFromInstrument()
{
    // Each runs to its end, its own dialogs included, before the next.
    auto& commands = x48305_menu::ApplicationMenuManager::getInstance()->getCommandManager();
    commands.invokeDirectly (x48305_menu::commandMidiReceiveLibrary, false);
    commands.invokeDirectly (x48305_menu::commandMidiReceiveUserData, false);
}
} // namespace x48305_application
