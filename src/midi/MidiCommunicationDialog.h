#pragma once

#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationProcessObserver.h"
#include "midi/MidiCommunicationThread.h"
#include "midi/MidiCommunicationThreadListener.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/ProgressBarComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

namespace midi
{
// The modal progress dialog of a transfer: it opens the instrument's ports,
// runs the job on a communication thread, shows the job's status text,
// detail text and progress, offers cancelling, and closes the ports when the
// job has ended. It closes itself after a success unless told to stay open;
// after a failure it shows the job's error texts with an OK button.
class MidiCommunicationDialog : public juce::Component,
                                public juce::Button::Listener,
                                public MidiCommunicationProcessObserver,
                                public MidiCommunicationThreadListener,
                                public juce::AsyncUpdater
{
public:
    // Runs the job behind the dialog, on the message thread; 0 when the job
    // succeeded and the dialog ended on that success, 1 otherwise (failure,
    // cancel, ports that would not open, a loop ended from outside, or
    // another modal dialog open already, in which case nothing runs). When
    // it returns, the job's thread has ended and the ports are closed.
    static int runModal (const juce::String& title, MidiCommunicationProcess& process, bool keepOpenAfterSuccess);

    MidiCommunicationDialog (MidiCommunicationProcess& process, bool keepOpenAfterSuccess);
    ~MidiCommunicationDialog() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void visibilityChanged() override;
    void parentHierarchyChanged() override;

    void buttonClicked (juce::Button*) override;
    void progressChanged() override;
    void threadFinished() override;
    void handleAsyncUpdate() override;

    // True once the job has ended with success.
    bool isSuccess() const { return success; }
    // True when the dialog itself ended its window's modal state, with the
    // code it gave.
    bool hasClosedItself() const { return closedItself; }

    static constexpr int dialogWidth = 460;
    static constexpr int dialogHeight = 150;
    static constexpr int dialogHeightWithDetail = 193;

private:
    void start();
    void startWhenShowing();
    void releaseDevice();
    void showEnd (const juce::String& statusText);
    void showCloseButton();
    void close();
    void setUpChildren();

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    MidiCommunicationProcess& process;
    std::unique_ptr<MidiCommunicationThread> thread;
    bool keepOpenAfterSuccess;
    bool success = false;
    bool started = false;
    bool closedItself = false;

    // Held between a successful start and the end of the thread's run.
    bool holdsJobLock = false;
    bool portsOpen = false;
    // What the dialog shows when the run could not start.
    juce::String startFailureText;

    ui::ProgressBarComponent progressBar { "ProgressBar" };
    juce::TextButton closeButton { "Button" };
    juce::TextButton cancelButton { "CancelButton" };
    juce::Label statusLabel { "StatusMessage" };
    juce::TextEditor detailText { "DetailMessage" };

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationDialog)
};
}
