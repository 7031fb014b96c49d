#include "ui/MainWindowManager.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationMenuManager.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "ui/MainAppWindow.h"
#include "ui/ModalDialogState.h"
#include "ui/RightPanePageModel.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"
#include "ui/TooltipWindowManager.h"

namespace x48305_ui
{
namespace
{
// The framework's timer thread is made on the first timer start and deleted
// at shutdown like the objects here; a window deleted after it would leave
// its timers with a new thread that never knew them.
void createTimerThread()
{
    struct NoOpTimer : juce::Timer
    {
        void timerCallback() override {}
    } timer;
    timer.startTimer (1000);
    timer.stopTimer();
}
} // namespace

detail::WindowServicesFirst::WindowServicesFirst()
{
    juce::Desktop::getInstance();
    createTimerThread();
    x48305_preferences::PreferencesData::getInstance();
    application::PreferencesDataChangeBroadcaster::getInstance();
    x48305_data::DataCenter::getInstance();
    ui::SelectedProgramStatus::getInstance();
    ui::SelectedUserOscStatus::getInstance();
    ui::SelectedUserModFXStatus::getInstance();
    ui::SelectedUserDelFXStatus::getInstance();
    ui::SelectedUserRevFXStatus::getInstance();
    ui::SelectedTabStatus::getInstance();
    ui::ModalDialogState::getInstance();
    application::ApplicationUndoManager::getInstance();
    x48305_data::CurrentProgramData::getInstance();
    data::DataChangeBroadcaster::getInstance();
    application::DataEditStatus::getInstance();
    application::LastSavedFileStatus::getInstance();
    x48305_menu::ApplicationMenuManager::getInstance();
    RightPanePageModel::getInstance();
    TooltipWindowManager::getInstance();
}

MainWindowManager::MainWindowManager() = default;

MainWindowManager::~MainWindowManager()
{
    deleteMainWindow();
}

void MainWindowManager::createMainWindow()
{
    if (mainWindow != nullptr)
        return;
    mainWindow = std::make_unique<MainAppWindow>();
    mainWindow->setLookAndFeel (&lookAndFeel);
}

void MainWindowManager::deleteMainWindow()
{
    mainWindow.reset();
}
} // namespace x48305_ui
