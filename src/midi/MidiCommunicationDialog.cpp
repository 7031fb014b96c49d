#include "midi/MidiCommunicationDialog.h"

#include "application/CPXWResource.h"
#include "midi/DialogWithNoCloseButton.h"
#include "midi/MidiCommunicationError.h"
#include "midi/MidiDeviceManager.h"
#include "ui/DialogContent.h"
#include "ui/FontLibrary.h"
#include "ui/ModalDialogGuard.h"

namespace midi
{
namespace
{
constexpr int margin = 20;
constexpr int contentWidth = 420;
constexpr int buttonX = 352;
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 24;
constexpr int barHeight = 24;

void styleButton (juce::TextButton& button)
{
    // Square corners, as every button of the dialogs.
    button.setConnectedEdges (juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight
                              | juce::Button::ConnectedOnTop | juce::Button::ConnectedOnBottom);
    button.setColour (juce::TextButton::buttonColourId, juce::Colour (0x49666666));
    button.setColour (juce::TextButton::buttonOnColourId, juce::Colour (0x69999999));
    button.setColour (juce::TextButton::textColourOffId, juce::Colours::white);
    button.setColour (juce::TextButton::textColourOnId, juce::Colours::white);
}
}

int MidiCommunicationDialog::runModal (const juce::String& title, MidiCommunicationProcess& process,
                                       bool keepOpenAfterSuccess)
{
    // A dialog that is open already keeps the flag, and no transfer starts
    // behind it.
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return 1;

    auto dialog = std::make_unique<MidiCommunicationDialog> (process, keepOpenAfterSuccess);
    int loopResult = 1;
    {
        x48305_ui::DefaultLookAndFeel windowLookAndFeel;
        DialogWithNoCloseButton window (title);
        window.setLookAndFeel (&windowLookAndFeel);
        window.setContentNonOwned (dialog.get(), true);
        window.setResizable (false, false);
        window.centreWithSize (window.getWidth(), window.getHeight());

        loopResult = window.runModalLoop();

        // The loop may have ended without the window leaving its modal state
        // (the application quitting).
        if (window.isCurrentlyModal (false))
            window.exitModalState (1);
        window.clearContentComponent();
        window.setLookAndFeel (nullptr);
    }

    // Only the dialog's own ending after a success counts: a loop ended from
    // outside may have left a partly received library behind.
    const bool succeeded = loopResult == 0 && dialog->hasClosedItself() && dialog->isSuccess();

    // Waits for the job's thread, then closes the ports and leaves the lock.
    dialog.reset();
    guard.leave();
    return succeeded ? 0 : 1;
}

MidiCommunicationDialog::MidiCommunicationDialog (MidiCommunicationProcess& job, bool keepOpen)
    : process (job), thread (std::make_unique<MidiCommunicationThread> (job)), keepOpenAfterSuccess (keepOpen)
{
    setName ("MidiCommunicationDialog");
    setUpChildren();
    setSize (dialogWidth, dialogHeight);

    thread->addListener (this);
    process.addListener (this);
}

MidiCommunicationDialog::~MidiCommunicationDialog()
{
    process.removeListener (this);
    cancelPendingUpdate();
    thread->removeListener (this);

    // The thread is never destroyed while it runs; its last exchange ends at
    // its time-out at the latest. Only then may the ports close.
    thread->stopAndWait();
    releaseDevice();

    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);
}

void MidiCommunicationDialog::setUpChildren()
{
    auto* fonts = ui::FontLibrary::getInstance();

    statusLabel.setFont (fonts->getFont ("MidiCommunicationDialogStatus"));
    statusLabel.setJustificationType (juce::Justification::centredTop);
    // A long text (a port error) takes a second line instead of being
    // squeezed into one.
    statusLabel.setMinimumHorizontalScale (1.0f);
    statusLabel.setEditable (false, false, false);
    addAndMakeVisible (statusLabel);

    detailText.setFont (fonts->getFont ("MidiCommunicationDialogDetail"));
    detailText.setReadOnly (true);
    detailText.setMultiLine (true, true);
    detailText.setCaretVisible (false);
    detailText.setScrollbarsShown (false);
    detailText.setPopupMenuEnabled (false);
    addChildComponent (detailText);

    cancelButton.setButtonText (getLocalizedText ("CommonCancel"));
    styleButton (cancelButton);
    cancelButton.addListener (this);
    addChildComponent (cancelButton);
    cancelButton.setVisible (process.isCancelable());

    closeButton.setButtonText (getLocalizedText ("CommonCancel"));
    styleButton (closeButton);
    closeButton.setEnabled (false);
    closeButton.addListener (this);
    addChildComponent (closeButton);
    closeButton.setVisible (keepOpenAfterSuccess);

    progressBar.setSliderStyle (juce::Slider::LinearBar);
    progressBar.setTextBoxStyle (juce::Slider::TextBoxLeft, true, contentWidth, barHeight);
    progressBar.setRange (0.0, 100.0, 1.0);
    progressBar.setTextValueSuffix ("%");
    progressBar.setValue (0.0, juce::dontSendNotification);
    addAndMakeVisible (progressBar);

    for (auto* child : getChildren())
        child->setLookAndFeel (&lookAndFeel);
}

void MidiCommunicationDialog::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff333333));
}

void MidiCommunicationDialog::resized()
{
    statusLabel.setBounds (margin, 24, contentWidth, 40);

    int y = 64;
    if (detailText.getText().isNotEmpty())
    {
        detailText.setBounds (margin, 52, contentWidth, 45);
        y = 114;
    }

    progressBar.setBounds (margin, y, contentWidth, barHeight);
    closeButton.setBounds (buttonX, y + 40, buttonWidth, buttonHeight);
    cancelButton.setBounds (buttonX, y + 40, buttonWidth, buttonHeight);
}

void MidiCommunicationDialog::visibilityChanged()
{
    startWhenShowing();
}

void MidiCommunicationDialog::parentHierarchyChanged()
{
    // The content becomes visible with its window, which tells it here.
    startWhenShowing();
}

void MidiCommunicationDialog::startWhenShowing()
{
    if (! started && isShowing())
        start();
}

void MidiCommunicationDialog::start()
{
    started = true;
    auto* manager = MidiDeviceManager::getInstance();

    manager->getJobLock().enter();
    holdsJobLock = true;

    if (! manager->openPorts())
    {
        releaseDevice();
        triggerAsyncUpdate();
        return;
    }
    portsOpen = true;

    // A thread that cannot start ends the run at once, like ports that would
    // not open: nothing runs, nothing stays held.
    if (! thread->startThread())
    {
        releaseDevice();
        startFailureText = getMidiCommunicationErrorText (MidiCommunicationError::failedToOpenDialog);
        triggerAsyncUpdate();
    }
}

void MidiCommunicationDialog::releaseDevice()
{
    auto* manager = MidiDeviceManager::getInstance();

    if (portsOpen)
    {
        portsOpen = false;
        manager->closePorts();
    }

    if (holdsJobLock)
    {
        holdsJobLock = false;
        manager->getJobLock().exit();
    }
}

void MidiCommunicationDialog::handleAsyncUpdate()
{
    // The run could not start: the ports would not open, or the thread.
    auto text = startFailureText;
    if (text.isEmpty())
        text = getLocalizedText (MidiDeviceManager::getInstance()->isDeviceKnown() ? "ConnectionErrorFailedToOpenPort"
                                                                                  : "ConnectionErrorNotFoundsolivane");
    showEnd (text);
}

void MidiCommunicationDialog::showEnd (const juce::String& text)
{
    statusLabel.setText (text, juce::dontSendNotification);
    detailText.clear();
    detailText.setVisible (false);
    showCloseButton();
    setSize (dialogWidth, dialogHeight);
    resized();
}

void MidiCommunicationDialog::showCloseButton()
{
    closeButton.setButtonText (getLocalizedText ("CommonOK"));
    closeButton.setVisible (true);
    closeButton.setEnabled (true);
    cancelButton.setVisible (false);
    // The one way out: Return and Escape both close the dialog.
    x48305_ui::giveDialogKeys (closeButton, closeButton);
    if (closeButton.isShowing())
        closeButton.grabKeyboardFocus();
}

void MidiCommunicationDialog::progressChanged()
{
    progressBar.setValue (process.getProgress() * 100.0, juce::dontSendNotification);
    statusLabel.setText (process.getStatusText(), juce::dontSendNotification);

    const auto detail = process.getDetailText();
    detailText.setText (detail, false);
    detailText.setVisible (detail.isNotEmpty());

    // The window follows the content's size.
    setSize (dialogWidth, detail.isNotEmpty() ? dialogHeightWithDetail : dialogHeight);
    resized();
}

void MidiCommunicationDialog::threadFinished()
{
    releaseDevice();
    success = process.isSuccess (thread->getResult());

    // The job's last texts, even if their own notice has not come yet.
    progressChanged();

    if (success && ! keepOpenAfterSuccess)
    {
        close();
        return;
    }
    showCloseButton();
}

void MidiCommunicationDialog::buttonClicked (juce::Button* button)
{
    if (button == &closeButton)
    {
        close();
        return;
    }

    if (button == &cancelButton)
    {
        // The job stops at its next cancel point; an exchange under way ends
        // first.
        cancelButton.setEnabled (false);
        thread->signalThreadShouldExit();
    }
}

void MidiCommunicationDialog::close()
{
    closedItself = true;
    if (auto* window = findParentComponentOfClass<juce::DocumentWindow>())
        window->exitModalState (success ? 0 : 1);
}
}
