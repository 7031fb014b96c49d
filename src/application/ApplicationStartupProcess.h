#pragma once

#include "midi/MidiDeviceManagerListener.h"

#include <juce_events/juce_events.h>

namespace x48305_application
{
// The one-time step after the main window is up: reopens the preset window
// when it was open last time, starts the device search (or goes on at once
// when the ports are set by hand), and once the search has ended receives
// the library and then the user units when automatic receive is on and no
// library or program file was opened from the command line. Searches after
// that (from the preferences dialog) change nothing here.
class ApplicationStartupProcess : public midi::MidiDeviceManagerListener,
                                  public juce::AsyncUpdater
{
public:
    // Registers with the device manager.
    ApplicationStartupProcess();
    ~ApplicationStartupProcess() override;

    // Nothing once the start-up has finished.
    void start();

    void setOpenedFromCommandLine() { openedFromCommandLine = true; }
    bool isOpenedFromCommandLine() const { return openedFromCommandLine; }
    bool isStartupFinished() const { return startupFinished; }

    // The device search has ended: goes on asynchronously.
    void scanFinished() override;
    void handleAsyncUpdate() override;

private:
    void receiveFromInstrument();

    bool openedFromCommandLine = false;
    bool startupFinished = false;

    JUCE_DECLARE_NON_COPYABLE (ApplicationStartupProcess)
};
} // namespace x48305_application
