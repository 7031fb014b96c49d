#pragma once

#include "support/ModalDialogDriver.h"
#include "support/ModalDialogScript.h"
#include "support/midi/CommunicationDialogView.h"
#include "support/midi/JobRig.h"
#include "support/midi/TaskRig.h"

#include "application/CPXWResource.h"
#include "library/LibraryData.h"
#include "midi/MidiCommunicationError.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

namespace jobtest
{
using devicetest::CommunicationDialogView;
using testsupport::ModalDialogScript;

inline ModalDialogScript::Condition viewShows (std::function<bool (const CommunicationDialogView&)> test)
{
    return [test] (juce::Component& window) { return test (devicetest::readCommunicationDialog (window)); };
}

inline ModalDialogScript::Action readView (CommunicationDialogView& view)
{
    return [&view] (juce::Component& window) { view = devicetest::readCommunicationDialog (window); };
}

// The dialog has ended its run and offers OK.
inline ModalDialogScript::Condition showsOk()
{
    return viewShows ([] (const CommunicationDialogView& view) {
        return view.closeShowing && view.closeEnabled && view.closeText == getLocalizedText ("CommonOK");
    });
}

inline ModalDialogScript::Action readAndPressOk (CommunicationDialogView& view)
{
    return testsupport::andThen (readView (view), testsupport::clickButton ("Button"));
}

// The instrument has received the request for this program (of this kind).
inline ModalDialogScript::Condition requested (sim::SimulatedInstrument& instrument, sim::RequestKind kind, int number)
{
    return testsupport::when ([&instrument, kind, number] {
        for (const auto& request : instrument.getRequestsOfKind (kind))
            if (request.number == number)
                return true;
        return false;
    });
}

// A library whose programs and live set differ from the instrument's.
x48305_data::LibraryData makeLibrary();

// The live-set numbers of bank b slot s in a 128-byte block.
unsigned livesetNumber (const sim::Bytes& block, int bank, int slot);

// The numbers of the programs whose records differ between the library and
// the instrument, among those given.
std::vector<int> programsThatDiffer (const x48305_data::LibraryData& library, sim::SimulatedInstrument& instrument,
                                     int first = 0, int last = 499);

// The program requests or dumps the instrument received, by number.
std::vector<int> numbersOf (sim::SimulatedInstrument& instrument, sim::RequestKind kind);

// The kinds of every request, in order.
std::vector<sim::RequestKind> kindsOf (sim::SimulatedInstrument& instrument);

class JobTest : public testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());
        EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    }
};
}
