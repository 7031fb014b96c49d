#pragma once

#include "midiport/VirtualBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <string>
#include <vector>

namespace apptest
{
// The world a start-up scenario starts the application in: the framework
// knows the application factory (as the process entry sets it), the virtual
// MIDI backend is the default before the application object (and with it the
// device manager) exists, and the simulated instrument is on it.
struct InstrumentWorld
{
    InstrumentWorld();

    std::shared_ptr<midiport::VirtualBackend> backend;
    sim::SimulatedInstrument instrument;
};

// What a second launch prints: nothing but the framework's version line,
// which debug builds print in every process.
juce::String withoutFrameworkBanner (const juce::String& output);

// The instrument's log as runs of one kind: "deviceSearch x1, ...".
std::string summariseRequests (const std::vector<sim::Request>& requests);

// After a library change the program list makes its selected program current
// again, and the background transmitter sends it (an identity request and
// the current program). Waits until the instrument has got the current
// program, then summarises what came before those background sends; "" when
// none came.
std::string summariseBeforeBackgroundSends (const sim::SimulatedInstrument& instrument);

// The summary of what a receive of the user units asks this instrument,
// after its identity request.
std::string unitReceiveSummary (const sim::SimulatedInstrument& instrument);

// The name in the instrument's current program.
std::string currentProgramName (const sim::SimulatedInstrument& instrument);

// The preferences folder below a home folder.
juce::File preferencesFolderIn (const juce::File& home);

// Preferences for a start with neither a device search nor automatic receive.
extern const std::vector<std::pair<const char*, juce::String>> quietStart;

// Writes a preferences file with these boolean and text values.
void writePreferences (const juce::File& home, const std::vector<std::pair<const char*, juce::String>>& values);

// Reads the value of one key of the preferences file, or "<absent>".
juce::String readPreference (const juce::File& home, const char* key);

// Every file and folder below a folder with its size and modification time,
// to tell whether anything was written there.
juce::StringArray describeTree (const juce::File& folder);
} // namespace apptest
