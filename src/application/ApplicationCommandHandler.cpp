#include "application/ApplicationCommandHandler.h"

#include "application/ApplicationQuitRules.h"
#include "application/CPXWResource.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDiscardChecker.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataUpdater.h"
#include "file/PresetFileManager.h"
#include "ui/AboutComponent.h"
#include "ui/DebugWindow.h"
#include "ui/DialogContent.h"
#include "ui/PreferencesEditComponent.h"
#include "ui/PresetWindowManager.h"

namespace x48305_menu
{
ApplicationCommandHandler::ApplicationCommandHandler (x48305_application::FileChooserDialog& chooserToUse)
    : chooser (chooserToUse)
{
}

void ApplicationCommandHandler::newLibrary()
{
    if (application::FileDiscardChecker (chooser).check() != 0)
        return;
    x48305_application::FileAccessProcessor().newLibrary();
}

void ApplicationCommandHandler::exit()
{
    if (x48305_application::ApplicationQuitRules (chooser).mayQuit())
        x48305_application::ApplicationQuitRules::quit();
}

void ApplicationCommandHandler::init()
{
    if (! x48305_application::ApplicationQuitRules (chooser).mayQuit())
        return;
    x48305_file::PresetFileManager::getInstance()->deletePresetFolder();
    x48305_application::ApplicationQuitRules::quit();
}

void ApplicationCommandHandler::showPreferences()
{
    auto content = std::make_unique<PreferencesEditComponent>();
    const int result = x48305_ui::runGuardedModalDialog (getLocalizedText ("PreferencesDialogTitle"), *content);
    content.reset();
    if (result == 0)
        return;

    x48305_preferences::PreferencesData::getInstance()->save();
    x48305_preferences::PreferencesDataUpdater().applyChanged();
}

void ApplicationCommandHandler::showPresetWindow()
{
    auto* windows = x48305_ui::PresetWindowManager::getInstance();
    if (auto* window = windows->getWindow())
        window->toFront (true);
    else
        windows->openWindow();
}

void ApplicationCommandHandler::showAbout()
{
    AboutComponent content;
    x48305_ui::runGuardedModalDialog (getLocalizedText ("AboutDialogTitle"), content);
}

void ApplicationCommandHandler::showDebugWindow()
{
    x48305_debug::DebugWindowManager::getInstance()->showWindow();
}
} // namespace x48305_menu
