#pragma once

#include "data/ListenerHolder.h"
#include "midi/MidiDeviceScannerListener.h"
#include "midiport/MidiPort.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace midi
{
// The device search: opens every source and destination of one MIDI backend,
// sends a search request to each destination (the request carries the
// destination's index), and takes the first source that answers with the
// instrument's family code. The indices it finds are positions in the
// backend's source and destination lists, the same that the MIDI wrapper
// opens by index.
//
// Threads: startScan and the end of a search (closing the ports, telling the
// listeners) run on the message thread; the requests go out and the reply is
// awaited on the search thread; replies are matched on the backend's threads.
// The search ports are closed only after the search thread has ended.
class MidiDeviceScanner : public ListenerHolder<MidiDeviceScannerListener>,
                          private juce::Thread,
                          private juce::AsyncUpdater
{
public:
    static constexpr std::uint32_t defaultReplyTimeoutMs = 1500;
    static constexpr int defaultSettleMs = 100;

    explicit MidiDeviceScanner (std::shared_ptr<midiport::Backend> backend);
    ~MidiDeviceScanner() override;

    // The listener list (the thread base has listeners of its own).
    using ListenerHolder<MidiDeviceScannerListener>::addListener;
    using ListenerHolder<MidiDeviceScannerListener>::removeListener;

    // Message thread. Starts a search and returns true; returns false and
    // changes nothing while a search is busy (running, or its end not yet
    // handed to the listeners). A search that cannot open at least one input
    // and one output ends at once with nothing found.
    bool startScan (std::uint32_t familyCode, std::uint32_t memberId, std::uint32_t replyTimeoutMs);

    // From startScan until the listeners have been told of the end.
    bool isScanning() const { return busy.load(); }

    // The result of the last search: -1 while nothing was found.
    bool isFound() const { return found.load(); }
    int getFoundInputIndex() const { return foundInputIndex.load(); }
    int getFoundOutputIndex() const { return foundOutputIndex.load(); }

    // The pause before the ports are opened and closed, which gives the MIDI
    // services time to settle (100 ms; tests shorten it).
    void setSettleTime (int milliseconds) { settleMs = milliseconds; }

private:
    class SearchInput;

    bool openAllPorts();
    void closeAllPorts();
    void sendSearchRequest (std::size_t outputPosition);
    void handleIncomingMessage (int inputIndex, const std::uint8_t* bytes, std::size_t length);
    void settle() const;

    void run() override;
    void handleAsyncUpdate() override;

    std::shared_ptr<midiport::Backend> backend;

    // The search ports: one client, an input per source that could be
    // connected, one output port that reaches every destination.
    std::unique_ptr<midiport::Client> client;
    std::vector<std::unique_ptr<SearchInput>> inputs;
    std::unique_ptr<midiport::OutputPort> output;
    std::vector<midiport::Endpoint> destinations;
    std::vector<int> destinationIndices;

    std::atomic<std::uint32_t> familyCode { 0xFFFFFFFFu };
    std::atomic<std::uint32_t> memberId { 0xFFFFFFFFu };
    std::atomic<std::uint32_t> replyTimeout { defaultReplyTimeoutMs };

    // Replies count only while accepting is set; the first match wins.
    std::atomic<bool> accepting { false };
    std::atomic<bool> found { false };
    std::atomic<int> foundInputIndex { -1 };
    std::atomic<int> foundOutputIndex { -1 };
    juce::WaitableEvent replyEvent;

    std::atomic<bool> busy { false };
    int settleMs = defaultSettleMs;

    JUCE_DECLARE_NON_COPYABLE (MidiDeviceScanner)
};
}
