#pragma once

#include "action/DataEditStatusListener.h"
#include "action/LastSavedFileStatusListener.h"
#include "ui/CommandShortcuts.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/WindowManagerState.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

// The application's document window: the menu bar, the header and the five
// tabs. Its title names the current library file and shows unsaved edits;
// its place and height are kept in the preferences from one run to the next.
class MainAppWindow : public juce::DocumentWindow,
                      public application::DataEditStatusListener,
                      public application::LastSavedFileStatusListener
{
public:
    MainAppWindow();
    ~MainAppWindow() override;

    void resized() override;
    void moved() override;

    // Asks the application to quit (which may ask to save first). Nothing
    // while a modal dialog is open: the window manager's close button still
    // reaches this window then.
    void closeButtonPressed() override;

    void editStatusChanged (const bool& edited) override;
    void lastSavedFileChanged (const juce::File& file) override;

    MainComponent& getMainComponent();

    // The bounds that are written to the preferences when the window goes,
    // with the frame's corner as the position.
    juce::Rectangle<int> getRememberedBounds() const { return rememberedBounds; }

    // The application's name, " - ", the current file's name (or the
    // untitled name) and the edited mark while there are unsaved edits.
    static juce::String makeTitle();

private:
    void restoreBounds();
    void updateTitle();
    void rememberBounds();
    juce::Rectangle<int> placeToStore() const;
    // The least size the window is ever given: its fixed width, the least
    // height.
    juce::Point<int> leastSize() const;
    void placeInFrame (juce::BorderSize<int> frame, juce::Rectangle<int> frameBounds);
    void fitWidthLimitsToFrame();

    x48305_ui::DefaultLookAndFeel lookAndFeel;
    x48305_ui::CommandShortcuts shortcuts { *this };
    juce::Rectangle<int> rememberedBounds;
    // The window's width, which stays fixed.
    int fixedWidth = 0;
    // It was maximised when it last closed.
    bool restoreMaximised = false;
    std::unique_ptr<ui::WhenFramed> framed;
    ui::QueuedEventDispatcher queuedEvents;

    JUCE_DECLARE_NON_COPYABLE (MainAppWindow)
};
