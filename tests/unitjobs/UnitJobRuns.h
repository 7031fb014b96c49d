#pragma once

#include "UnitStoreFixtures.h"

#include "support/ModalDialogScript.h"
#include "support/midi/CommunicationDialogView.h"
#include "support/midi/JobRig.h"

#include "application/CPXWResource.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/ReceiveUserDataProcess.h"
#include "midi/WriteUserDataProcess.h"

#include <gtest/gtest.h>

#include <vector>

namespace unitjobs
{
using devicetest::CommunicationDialogView;
using devicetest::JobRig;
using testsupport::ModalDialogScript;

// Task time-out of the jobs in these tests: long enough for a busy machine,
// short enough for the tests that wait for silence.
constexpr std::uint32_t jobTaskTimeoutMs = 1000;

// Runs a job on a communication thread of its own without the progress
// dialog, with the instrument's ports open around it as the dialog opens
// them; the job's result code (-1 when the ports did not open). Every
// request that `cancelWhen` picks asks the thread to exit before the
// instrument answers it.
std::int32_t runOnThread (midi::MidiCommunicationProcess& job, JobRig& rig, sim::RequestMatcher cancelWhen = {});

// A unit request of the message kind for this unit kind (wire byte) and slot.
sim::RequestMatcher unitRequest (sim::RequestKind kind, int unitKind, int slot);

// The n-th request (from 0) of a kind from now on (the simulated
// instrument's own count runs over its whole life).
sim::RequestMatcher nthFromNow (sim::RequestKind kind, std::size_t n);

// The kinds of every request the instrument received, in order.
std::vector<sim::RequestKind> kindsOf (sim::SimulatedInstrument& instrument);

// The unit requests of one kind of message as (kind byte, slot) pairs.
std::vector<std::pair<int, int>> unitRequests (sim::SimulatedInstrument& instrument, sim::RequestKind kind);

// Runs a job behind the real progress dialog; the dialog's result. When the
// run fails, what the dialog ends with is read into `ended` (when given) and
// its OK is pressed, as a person would, so that no test waits for ever on a
// dialog that nobody closes.
int runBehindDialogUntilDone (midi::MidiCommunicationProcess& job, CommunicationDialogView* ended = nullptr);

// The dialog has ended its run and offers OK.
ModalDialogScript::Condition dialogShowsOk();
// Reads what the dialog shows, then presses OK.
ModalDialogScript::Action readAndPressOk (CommunicationDialogView& view);

// Every run leaves the device and the modal flag as it found them. The jobs
// of one test share one mark of whether the units match the instrument.
class UnitJobTest : public testing::Test
{
protected:
    void TearDown() override;

    x48305_data::UserUnitsMatch unitsMatch;
};
}
