#include "support/midi/CommunicationDialogView.h"

#include "support/ModalDialogDriver.h"
#include "support/UserInput.h"

#include "midi/MidiCommunicationDialog.h"

namespace devicetest
{
using testsupport::boundsRelativeTo;
using testsupport::findDescendantAs;

CommunicationDialogView readCommunicationDialog (juce::Component& window)
{
    CommunicationDialogView view;
    auto* content = dynamic_cast<midi::MidiCommunicationDialog*> (testsupport::dialogContent (window));
    if (content == nullptr)
        return view;

    auto* status = findDescendantAs<juce::Label> (*content, "StatusMessage");
    auto* detail = findDescendantAs<juce::TextEditor> (*content, "DetailMessage");
    auto* bar = findDescendantAs<juce::Slider> (*content, "ProgressBar");
    auto* close = findDescendantAs<juce::TextButton> (*content, "Button");
    auto* cancel = findDescendantAs<juce::TextButton> (*content, "CancelButton");
    if (status == nullptr || detail == nullptr || bar == nullptr || close == nullptr || cancel == nullptr)
        return view;

    view.windowTitle = window.getName();
    view.contentBounds = content->getBounds();
    view.status = status->getText();
    view.detail = detail->getText();
    view.detailShowing = detail->isShowing();
    view.progress = bar->getValue();
    view.progressText = bar->getTextFromValue (bar->getValue());
    view.closeText = close->getButtonText();
    view.closeShowing = close->isShowing();
    view.closeEnabled = close->isEnabled();
    view.closeHasFocus = close->hasKeyboardFocus (false);
    view.cancelShowing = cancel->isShowing();
    view.cancelEnabled = cancel->isEnabled();
    view.statusBounds = boundsRelativeTo (*status, *content);
    view.detailBounds = boundsRelativeTo (*detail, *content);
    view.progressBounds = boundsRelativeTo (*bar, *content);
    view.closeBounds = boundsRelativeTo (*close, *content);
    view.cancelBounds = boundsRelativeTo (*cancel, *content);
    view.readOk = true;
    return view;
}
}
