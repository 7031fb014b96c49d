#pragma once

#include "data/ListenerHolder.h"
#include "data/Singleton.h"
#include "midi/InstrumentAddress.h"
#include "midi/MidiDeviceManagerListener.h"
#include "midi/MidiDeviceScanner.h"
#include "midiport/CPXWMidi.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <memory>

namespace midi
{
// False while a device search runs: the application does not quit then.
// True at start.
extern std::atomic<bool> deviceScanFinished;

// Knows which MIDI ports lead to the instrument and opens and closes them for
// each transfer: ports named by the user (manual mode) or found by the device
// search (auto-scan mode). Holds the MIDI wrapper through which all transfers
// go, the instrument's family code and member ID (it is the installed
// instrument address while it lives), and the job lock.
//
// The MIDI backend is chosen by whoever creates the manager: the singleton
// takes the port layer's default backend, a test passes its own. The device
// search and the wrapper use the same backend, so the indices that the search
// finds are the ones the wrapper opens, and port names are display names of
// that backend's sources and destinations.
//
// Threads: everything runs on the message thread except openPorts and
// closePorts, which the background transmitter also calls on its thread.
// Only the message thread starts a search; from another thread a search is
// asked for and starts on the message thread.
class MidiDeviceManager : public Singleton<MidiDeviceManager>,
                          public ListenerHolder<MidiDeviceManagerListener>,
                          private MidiDeviceScannerListener,
                          private juce::AsyncUpdater,
                          public juce::DeletedAtShutdown,
                          public x48305_midi::InstrumentAddressSource
{
public:
    // On the port layer's default backend.
    MidiDeviceManager();
    explicit MidiDeviceManager (std::shared_ptr<midiport::Backend> backend);
    ~MidiDeviceManager() override;

    // Preference values (stored as they are; they take effect at the next
    // openPorts).
    void setAutoScan (bool shouldScan);
    void setInPortName (const juce::String& name);
    void setOutPortName (const juce::String& name);
    bool isAutoScan() const { return autoScan.load(); }
    juce::String getInPortName() const;
    juce::String getOutPortName() const;

    // Starts a device search unless one is busy. On another thread than the
    // message thread it only asks the message thread to start one.
    void startScan();
    bool isScanFinished() const { return scanDone.load(); }
    bool isScanning() const { return scanner.isScanning(); }

    // Opens the instrument's ports for a transfer; true when they are open.
    // In auto-scan mode before a search has finished it asks for a search and
    // returns false.
    bool openPorts();
    // Removes every listener of the wrapper and closes its ports.
    void closePorts();
    bool arePortsOpen() const { return isOpen.load(); }

    // True when the ports are set by hand or the search found the instrument.
    bool isDeviceKnown() const;

    // Manual mode: the position of the manual port name among the backend's
    // sources (destinations), -1 when absent. Auto-scan mode: -1 until the
    // search has finished, then the index it found.
    int getInPortIndex() const;
    int getOutPortIndex() const;

    // The display names of the backend's sources and destinations, in the
    // order that the indices count.
    juce::StringArray getInPortNames() const;
    juce::StringArray getOutPortNames() const;

    CPXWMidi* getMidi() { return &midi; }
    juce::CriticalSection& getJobLock() { return jobLock; }

    void setFamilyCode (std::uint32_t code) { familyCode = code; }
    std::uint32_t getFamilyCode() const { return familyCode.load(); }
    std::uint32_t getMemberId() const { return memberId.load(); }
    x48305_midi::InstrumentAddress getInstrumentAddress() const override;

    // The reply time-out of a search (1500 ms) and the scanner's settling
    // pause (100 ms); tests shorten them.
    void setScanTimings (std::uint32_t replyTimeoutMs, int settleMs);

    using ListenerHolder<MidiDeviceManagerListener>::addListener;
    using ListenerHolder<MidiDeviceManagerListener>::removeListener;

private:
    void scanFinished() override;
    void handleAsyncUpdate() override;
    void startScanOnMessageThread();
    static bool isMessageThread();

    std::shared_ptr<midiport::Backend> backend;
    MidiDeviceScanner scanner;
    CPXWMidi midi;

    std::atomic<std::uint32_t> familyCode { x48305_midi::InstrumentAddress::unknownFamilyCode };
    std::atomic<std::uint32_t> memberId { x48305_midi::InstrumentAddress::anyMember };

    std::atomic<bool> isOpen { false };
    std::atomic<bool> autoScan { true };
    std::atomic<bool> scanDone { false };

    mutable juce::CriticalSection nameLock;
    juce::String inPortName;
    juce::String outPortName;

    // Held while the wrapper's ports are opened or closed.
    juce::CriticalSection portLock;
    juce::CriticalSection jobLock;

    std::atomic<std::uint32_t> scanReplyTimeout { MidiDeviceScanner::defaultReplyTimeoutMs };

    // Set by startScan on another thread: the message thread starts a search
    // even when one has finished meanwhile.
    std::atomic<bool> scanAsked { false };

    JUCE_DECLARE_NON_COPYABLE (MidiDeviceManager)
};
}
