#pragma once

#include "WireLogBackend.h"

#include "support/midi/JobRig.h"
#include "support/midi/TaskRig.h"
#include "support/sim/SimulatedInstrument.h"

#include "midi/AsyncCurrentProgramTransmitter.h"
#include "midi/InstrumentAddress.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace managertest
{
using namespace std::chrono_literals;

// One simulated instrument on the application's virtual backend, with the
// application's device manager's manual ports pointed at it, and a log of
// the wire as the instrument sees it.
class ManagerRig
{
public:
    ManagerRig();
    ~ManagerRig();

    static midi::MidiDeviceManager& devices() { return devicetest::JobRig::manager(); }

    // The programs that reached the instrument as current program dumps, by
    // name, in order.
    std::vector<std::string> currentProgramNames() const;

    // The position in the wire log of the n-th message (from 0) that matches.
    using Match = std::function<bool (const WireLogBackend::Entry&)>;
    int positionOf (const Match& match, int occurrence = 0) const;
    Match sentToInstrument (sim::RequestKind kind) const;
    Match acknowledgement() const;

    std::shared_ptr<WireLogBackend> wire;
    sim::SimulatedInstrument instrument;
};

// Stands in for the device manager as the source of the instrument's
// address, which every exchange reads on the thread that runs it, and notes
// the names of those threads. Puts the device manager back when it goes.
class ThreadsAskingForTheAddress : public x48305_midi::InstrumentAddressSource
{
public:
    ThreadsAskingForTheAddress();
    ~ThreadsAskingForTheAddress() override;

    x48305_midi::InstrumentAddress getInstrumentAddress() const override;

    // The distinct names, "message thread" for the message thread and
    // "unnamed" for a thread that the framework did not start.
    std::vector<std::string> getNames() const;

private:
    mutable std::mutex lock;
    mutable std::vector<std::string> names;
};

// Polls (sleeping briefly, without the message loop) until the condition
// holds; its last value.
bool waitFor (const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

// The name of a program as the instrument's record carries it.
std::string nameInRecord (const sim::Bytes& record);

// The transmitter's wait bounded for a test: false when the loop did not end
// in time (it then goes on waiting, so that nothing outlives the test).
bool transmitterEnds (x48305_midi::AsyncCurrentProgramTransmitter& transmitter,
                      std::chrono::milliseconds timeout = 10000ms);
}
