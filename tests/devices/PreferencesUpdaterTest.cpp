#include "support/midi/DeviceRig.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesDataUpdater.h"
#include "support/TemporaryHome.h"
#include "support/midi/JobRig.h"

#include <gtest/gtest.h>

using namespace devicetest;
namespace keys = x48305_preferences::keys;

// The preferences store reads its file below $HOME: give it an empty one.
using testsupport::TemporaryHome;

TEST (PreferencesUpdater, MidiSettingsReachTheDeviceManagerAndStartASearch)
{
    TemporaryHome home;
    // The application's manager, made on the virtual backend.
    auto* manager = &JobRig::manager();
    sim::SimulatedInstrument instrument (*JobRig::applicationBackend());

    manager->setFamilyCode (343);
    manager->setScanTimings (300, 0);
    ScanListener listener;
    manager->addListener (&listener);

    x48305_preferences::PreferencesData preferences;
    preferences.setBool (keys::midiPortAutoScan, false);
    preferences.setString (keys::midiInPort, juce::String::fromUTF8 (instrument.getSourceDisplayName().c_str()));
    preferences.setString (keys::midiOutPort, juce::String::fromUTF8 (instrument.getDestinationDisplayName().c_str()));

    x48305_preferences::PreferencesDataUpdater updater (preferences);
    updater.applyMidiSettings();
    EXPECT_FALSE (manager->isAutoScan());
    EXPECT_EQ (manager->getInPortName(), "Solivane Sim - Sim Out");
    EXPECT_EQ (manager->getOutPortName(), "Solivane Sim - Sim In");
    EXPECT_EQ (manager->getInPortIndex(), 0);
    EXPECT_TRUE (manager->openPorts());
    manager->closePorts();

    // Back to automatic search: a confirmed dialog starts one each time.
    preferences.setBool (keys::midiPortAutoScan, true);
    for (int round = 1; round <= 2; ++round)
    {
        updater.applyChanged();
        EXPECT_TRUE (manager->isAutoScan());
        EXPECT_FALSE (midi::deviceScanFinished);
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return listener.calls == round; }));
        EXPECT_TRUE (manager->isDeviceKnown());
    }
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 2u);

    // Automatic search leaves the fixed names alone.
    EXPECT_EQ (manager->getInPortName(), "Solivane Sim - Sim Out");

    manager->removeListener (&listener);
    testsupport::runMessageLoop (50);
}
