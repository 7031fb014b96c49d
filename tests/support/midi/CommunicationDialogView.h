#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace devicetest
{
// What the progress dialog shows, read from its window inside the modal
// loop: texts, which buttons show, the bar's value and every child's bounds
// inside the content.
struct CommunicationDialogView
{
    juce::String windowTitle;
    juce::Rectangle<int> contentBounds;
    juce::String status;
    juce::String detail;
    bool detailShowing = false;
    double progress = -1.0;
    juce::String progressText;
    juce::String closeText;
    bool closeShowing = false;
    bool closeEnabled = false;
    bool closeHasFocus = false;
    bool cancelShowing = false;
    bool cancelEnabled = false;
    juce::Rectangle<int> statusBounds, detailBounds, progressBounds, closeBounds, cancelBounds;
    bool readOk = false;
};

CommunicationDialogView readCommunicationDialog (juce::Component& window);
}
