#include "midi/MidiDeviceManager.h"

#include "midiport/DefaultBackend.h"

namespace midi
{
std::atomic<bool> deviceScanFinished { true };

namespace
{
juce::StringArray displayNames (const std::vector<midiport::Endpoint>& endpoints)
{
    juce::StringArray names;
    for (const auto& endpoint : endpoints)
        names.add (juce::String::fromUTF8 (endpoint.getDisplayName().c_str()));
    return names;
}
}

MidiDeviceManager::MidiDeviceManager() : MidiDeviceManager (midiport::getDefaultBackend()) {}

MidiDeviceManager::MidiDeviceManager (std::shared_ptr<midiport::Backend> midiBackend)
    : backend (std::move (midiBackend)), scanner (backend), midi (backend)
{
    midi.createClient ("MidiDevice");
    scanner.addListener (this);
    x48305_midi::setInstrumentAddressSource (this);
}

MidiDeviceManager::~MidiDeviceManager()
{
    cancelPendingUpdate();
    scanner.removeListener (this);
    closePorts();
    x48305_midi::clearInstrumentAddressSource (this);
    midi.disposeClient();
}

void MidiDeviceManager::setAutoScan (bool shouldScan)
{
    autoScan = shouldScan;
}

void MidiDeviceManager::setInPortName (const juce::String& name)
{
    const juce::ScopedLock lock (nameLock);
    inPortName = name;
}

void MidiDeviceManager::setOutPortName (const juce::String& name)
{
    const juce::ScopedLock lock (nameLock);
    outPortName = name;
}

juce::String MidiDeviceManager::getInPortName() const
{
    const juce::ScopedLock lock (nameLock);
    return inPortName;
}

juce::String MidiDeviceManager::getOutPortName() const
{
    const juce::ScopedLock lock (nameLock);
    return outPortName;
}

bool MidiDeviceManager::isMessageThread()
{
    auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();
    return messageManager != nullptr && messageManager->isThisTheMessageThread();
}

void MidiDeviceManager::startScan()
{
    if (isMessageThread())
    {
        startScanOnMessageThread();
        return;
    }

    scanAsked = true;
    triggerAsyncUpdate();
}

void MidiDeviceManager::handleAsyncUpdate()
{
    // openPorts on another thread asks for a search because none had
    // finished. When one has finished by now (it was running, and its results
    // were handed over before this update came), its results are the answer:
    // starting another would search twice for one request.
    if (scanAsked.exchange (false) || ! scanDone.load())
        startScanOnMessageThread();
}

void MidiDeviceManager::startScanOnMessageThread()
{
    // A search that is busy already clears the flags and will set them when
    // its results have been handed over.
    if (scanner.isScanning())
        return;

    scanDone = false;
    deviceScanFinished = false;
    scanner.startScan (familyCode.load(), memberId.load(), scanReplyTimeout.load());
}

void MidiDeviceManager::scanFinished()
{
    scanDone = true;
    deviceScanFinished = true;
    callListeners ([] (MidiDeviceManagerListener& l) { l.scanFinished(); });
}

bool MidiDeviceManager::openPorts()
{
    const juce::ScopedLock lock (portLock);
    if (isOpen.load())
        return true;

    bool inputOpened = false;
    bool outputOpened = false;

    if (autoScan.load())
    {
        if (! scanDone.load())
        {
            if (isMessageThread())
                startScanOnMessageThread();
            else
                triggerAsyncUpdate();
            return false;
        }

        auto in = scanner.getFoundInputIndex();
        auto out = scanner.getFoundOutputIndex();
        if (in < 0 || out < 0)
            return false;

        inputOpened = midi.openInput (in);
        outputOpened = inputOpened && midi.openOutput (out);
    }
    else
    {
        inputOpened = midi.openInputByName (getInPortName());
        outputOpened = inputOpened && midi.openOutputByName (getOutPortName());
    }

    if (inputOpened && outputOpened)
    {
        isOpen = true;
        return true;
    }

    midi.closeInput();
    midi.closeOutput();
    return false;
}

void MidiDeviceManager::closePorts()
{
    const juce::ScopedLock lock (portLock);
    if (! isOpen.load())
        return;

    midi.removeAllListeners();
    midi.closeInput();
    midi.closeOutput();
    isOpen = false;
}

bool MidiDeviceManager::isDeviceKnown() const
{
    if (! autoScan.load())
        return true;
    return scanDone.load() && scanner.getFoundInputIndex() >= 0 && scanner.getFoundOutputIndex() >= 0;
}

int MidiDeviceManager::getInPortIndex() const
{
    if (! autoScan.load())
        return getInPortNames().indexOf (getInPortName());
    return scanDone.load() ? scanner.getFoundInputIndex() : -1;
}

int MidiDeviceManager::getOutPortIndex() const
{
    if (! autoScan.load())
        return getOutPortNames().indexOf (getOutPortName());
    return scanDone.load() ? scanner.getFoundOutputIndex() : -1;
}

juce::StringArray MidiDeviceManager::getInPortNames() const
{
    return backend != nullptr ? displayNames (backend->getSources()) : juce::StringArray();
}

juce::StringArray MidiDeviceManager::getOutPortNames() const
{
    return backend != nullptr ? displayNames (backend->getDestinations()) : juce::StringArray();
}

x48305_midi::InstrumentAddress MidiDeviceManager::getInstrumentAddress() const
{
    return { familyCode.load(), memberId.load() };
}

void MidiDeviceManager::setScanTimings (std::uint32_t replyTimeoutMs, int settleMs)
{
    scanReplyTimeout = replyTimeoutMs;
    scanner.setSettleTime (settleMs);
}
}
