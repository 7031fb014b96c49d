#include "ui/MainAppWindow.h"

#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationMenuManager.h"
#include "application/CPXWResource.h"
#include "resources/InterfaceImages.h"
#include "ui/MainComponent.h"
#include "ui/MainWindowBounds.h"
#include "ui/ModalDialogState.h"
#include "ui/StoredWindowBounds.h"
#include "ui/TooltipWindowManager.h"
#include "ui/WindowManagerState.h"

MainAppWindow::MainAppWindow()
    : juce::DocumentWindow (getLocalizedText ("CommonApplicationName"), juce::Colour (0xff111111),
                            juce::DocumentWindow::allButtons, true)
{
    setLookAndFeel (&lookAndFeel);
    // The system's title bar and the menu bar come first, so that the window
    // sized to fit its content holds all of it below the menu bar.
    setUsingNativeTitleBar (true);
    auto* menus = x48305_menu::ApplicationMenuManager::getInstance();
    setMenuBar (&menus->getMenuBarModel(), x48305_ui::DefaultLookAndFeel::menuBarHeight);
    setContentOwned (new MainComponent(), true);
    restoreBounds();
    updateTitle();
    setVisible (true);
    setResizable (true, false);
    framed = std::make_unique<ui::WhenFramed> (
        *this, [this] (juce::BorderSize<int> frame, juce::Rectangle<int> frameBounds) { placeInFrame (frame, frameBounds); });
    setIcon (x48305_ui::InterfaceImages::applicationIcon());
    x48305_ui::TooltipWindowManager::getInstance()->createTooltipWindow();

    application::DataEditStatus::getInstance()->addListener (this);
    application::LastSavedFileStatus::getInstance()->addListener (this);
}

MainAppWindow::~MainAppWindow()
{
    application::LastSavedFileStatus::getInstance()->removeListener (this);
    application::DataEditStatus::getInstance()->removeListener (this);
    x48305_ui::MainWindowBounds::store (placeToStore(), ui::isMaximisedByWindowManager (*this));
    x48305_ui::TooltipWindowManager::getInstance()->deleteTooltipWindow();

    setMenuBar (nullptr);
    clearContentComponent();
    setLookAndFeel (nullptr);
}

void MainAppWindow::restoreBounds()
{
    using x48305_ui::MainWindowBounds;
    const auto placement = MainWindowBounds::compute (MainWindowBounds::readStored(), { getWidth(), getHeight() },
                                                      ui::StoredWindowBounds::getConnectedDisplayAreas());
    fixedWidth = placement.bounds.getWidth();
    setResizeLimits (fixedWidth, MainWindowBounds::minimumHeight, fixedWidth, MainWindowBounds::maximumHeight);
    if (placement.restorePosition)
        setBounds (placement.bounds);
    else
        centreWithSize (placement.bounds.getWidth(), placement.bounds.getHeight());
    rememberedBounds = getBounds();
    restoreMaximised = placement.maximised;
}

void MainAppWindow::resized()
{
    juce::DocumentWindow::resized();
    rememberBounds();
}

void MainAppWindow::moved()
{
    juce::DocumentWindow::moved();
    rememberBounds();
}

void MainAppWindow::rememberBounds()
{
    fitWidthLimitsToFrame();
    // A maximised window keeps the place it had before, to come back to.
    if (! ui::isMaximisedByWindowManager (*this))
        rememberedBounds = getBounds().withPosition (ui::StoredWindowBounds::outerCorner (*this));
}

juce::Rectangle<int> MainAppWindow::placeToStore() const
{
    // A move reported before the framework had caught up with the frame can
    // leave a place the window never had; stored, it would lie partly off
    // the free part of the screen. The stored place is the frame's corner.
    juce::BorderSize<int> frame;
    if (const auto* peer = getPeer())
        if (const auto known = peer->getFrameSizeIfPresent())
            frame = *known;
    const auto inFrame = rememberedBounds.translated (frame.getLeft(), frame.getTop());
    return ui::StoredWindowBounds::fittedOnDisplay (inFrame, frame, ui::StoredWindowBounds::getConnectedDisplayAreas(),
                                                    leastSize())
        .translated (-frame.getLeft(), -frame.getTop());
}

juce::Point<int> MainAppWindow::leastSize() const
{
    return { fixedWidth, x48305_ui::MainWindowBounds::minimumHeight };
}

void MainAppWindow::placeInFrame (juce::BorderSize<int> frame, juce::Rectangle<int> frameBounds)
{
    // Only with its frame known does the window show whether it lies whole
    // on its display. A maximised window goes back to that place, and stays
    // there where the manager does not maximise a window of fixed width;
    // only a window the manager has framed can be asked to maximise.
    ui::StoredWindowBounds::fitFramedWindowOnDisplay (*this, frame, frameBounds, leastSize());
    if (restoreMaximised)
        ui::askWindowManagerToMaximise (*this);
}

void MainAppWindow::fitWidthLimitsToFrame()
{
    // The limits count the frame: once the framework knows the frame, it
    // hands the window manager the limits less the frame's width, and the
    // window would lose that much of its fixed width.
    auto* limits = getConstrainer();
    const auto* peer = getPeer();
    if (fixedWidth <= 0 || limits == nullptr || peer == nullptr)
        return;
    const auto frame = peer->getFrameSizeIfPresent();
    if (! frame)
        return;
    const int outerWidth = fixedWidth + frame->getLeftAndRight();
    if (limits->getMinimumWidth() != outerWidth || limits->getMaximumWidth() != outerWidth)
        setResizeLimits (outerWidth, limits->getMinimumHeight(), outerWidth, limits->getMaximumHeight());
}

void MainAppWindow::closeButtonPressed()
{
    if (ui::ModalDialogState::getInstance()->dialogOpen)
        return;
    if (auto* application = juce::JUCEApplicationBase::getInstance())
        application->systemRequestedQuit();
}

void MainAppWindow::editStatusChanged (const bool&)
{
    updateTitle();
}

void MainAppWindow::lastSavedFileChanged (const juce::File&)
{
    updateTitle();
}

MainComponent& MainAppWindow::getMainComponent()
{
    return *static_cast<MainComponent*> (getContentComponent());
}

juce::String MainAppWindow::makeTitle()
{
    const auto* lastFile = application::LastSavedFileStatus::getInstance();
    auto title = getLocalizedText ("CommonApplicationName") + " - "
                 + (lastFile->hasFile() ? lastFile->getFile().getFileName() : getLocalizedText ("CommonUntitledFileName"));
    if (application::DataEditStatus::getInstance()->isEdited())
        title << getLocalizedText ("CommonWindowTitleModified");
    return title;
}

void MainAppWindow::updateTitle()
{
    setName (makeTitle());
}
