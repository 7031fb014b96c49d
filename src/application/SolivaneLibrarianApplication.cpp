#include "application/SolivaneLibrarianApplication.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataChangeBroadcaster.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "application/ApplicationFonts.h"
#include "application/ApplicationMenuManager.h"
#include "application/ApplicationQuitRules.h"
#include "application/CPXWResource.h"
#include "application/CommandLineProcessor.h"
#include "application/CurrentLanguageModel.h"
#include "application/DebugModeModel.h"
#include "application/FileAccessProcessor.h"
#include "application/ForwardedCommandLineMailbox.h"
#include "application/JapaneseMappings.h"
#include "application/MainWindowAccess.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "application/PreferencesDataUpdater.h"
#include "file/PresetFileManager.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "midi/MidiDeviceManager.h"
#include "resources/FactoryPresetLibrary.h"
#include "ui/InterfaceShutdown.h"
#include "ui/MainWindowManager.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedUserUnitStatus.h"

namespace
{
// The instrument family that the device search and every transfer look for.
constexpr std::uint32_t instrumentFamilyCode = 343;

// Undo keeps at most this many units, and always the last transactions.
constexpr int maxUndoUnits = 2000000;
constexpr int minUndoTransactions = 20;
} // namespace

solivaneLibrarianApplication::solivaneLibrarianApplication()
    : startupProcess (std::make_unique<x48305_application::ApplicationStartupProcess>())
{
}

solivaneLibrarianApplication::~solivaneLibrarianApplication() = default;

const juce::String solivaneLibrarianApplication::getApplicationName()
{
    return "solivane Sound Librarian";
}

const juce::String solivaneLibrarianApplication::getApplicationVersion()
{
    return "1.0.0";
}

bool solivaneLibrarianApplication::moreThanOneInstanceAllowed()
{
    return true;
}

void solivaneLibrarianApplication::initialise (const juce::String&)
{
    x48305_application::setUpLanguageAndFonts();
    initialiseApplicationData();

    x48305_ui::MainWindowManager::getInstance()->createMainWindow();

    // The arguments as the system handed them to the process, not the
    // framework's joined string, which a path with a quote in it would not
    // survive.
    x48305_application::CommandLineProcessor (startupProcess.get()).processArguments (getCommandLineParameterArray());

    // Command lines of later launches, also those that came while this one
    // was starting.
    x48305_application::ForwardedCommandLineMailbox::getInstance().setHandler (
        [this] (const x48305_application::ForwardedCommandLine& forwarded) { handleForwardedCommandLine (forwarded); });

    startupProcess->start();
}

void solivaneLibrarianApplication::initialiseApplicationData()
{
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    x48305_preferences::setUpPreferenceDefaults (*preferences);

    createSingletons();

    midi::MidiDeviceManager::getInstance()->setFamilyCode (instrumentFamilyCode);
    x48305_application::registerFonts();
    x48305_preferences::PreferencesDataUpdater (*preferences).apply();
    installFactoryPresetsIfEmpty();

    if (x48305_application::CurrentLanguageModel::getInstance()->isJapanese)
        x48305_application::installJapaneseMappings();

    application::ApplicationUndoManager::getInstance()->setMaxNumberOfStoredUnits (maxUndoUnits, minUndoTransactions);
    x48305_data::DataCenter::getInstance()->getLibraryData().reset();

    // A preset file that does not read is left out without a word.
    x48305_application::FileAccessProcessor().reloadPresets();
}

void solivaneLibrarianApplication::createSingletons()
{
    // The order is the order of deletion at shutdown, reversed: whatever a
    // later singleton uses in its destructor is made before it.
    CPXWResource::getInstance();
    midi::MidiDeviceManager::getInstance();
    x48305_preferences::PreferencesData::getInstance();
    application::PreferencesDataChangeBroadcaster::getInstance();
    x48305_data::DataCenter::getInstance();
    x48305_application::DebugModeModel::getInstance()->readMarkerFiles (x48305_preferences::PreferencesData::getFolder());
    ui::SelectedProgramStatus::getInstance();
    ui::SelectedUserOscStatus::getInstance();
    ui::SelectedUserModFXStatus::getInstance();
    ui::SelectedUserDelFXStatus::getInstance();
    ui::SelectedUserRevFXStatus::getInstance();
    x48305_data::CurrentProgramData::getInstance();
    ui::ModalDialogState::getInstance();
    x48305_menu::ApplicationMenuManager::getInstance();
    data::DataChangeBroadcaster::getInstance();
    data::PresetDataChangeBroadcaster::getInstance();
    application::DataEditStatus::getInstance();
    application::LastSavedFileStatus::getInstance();
}

void solivaneLibrarianApplication::installFactoryPresetsIfEmpty()
{
    auto* store = x48305_file::PresetFileManager::getInstance();
    if (store->getNumPresets() > 0)
        return;

    // A failure leaves the store empty; the user can still import presets.
    store->installPresetData (juce::MemoryBlock (x48305_file::getFactoryPresetLibraryData(),
                                                 x48305_file::getFactoryPresetLibrarySize()));
}

void solivaneLibrarianApplication::shutdown()
{
    x48305_application::ForwardedCommandLineMailbox::getInstance().clearHandler();
    x48305_ui::MainWindowManager::getInstance()->deleteMainWindow();
    x48305_ui::endAnimationsBeforeShutdown();
}

void solivaneLibrarianApplication::handleForwardedCommandLine (const x48305_application::ForwardedCommandLine& forwarded)
{
    // An open dialog keeps the keyboard and stays on top; the command line
    // is then dropped.
    if (! ui::ModalDialogState::getInstance()->dialogOpen)
        x48305_application::bringMainWindowToFront();
    x48305_application::CommandLineProcessor (startupProcess.get())
        .processArguments (forwarded.arguments, juce::File (forwarded.folder));
}

void solivaneLibrarianApplication::systemRequestedQuit()
{
    // Like every command: nothing while a dialog (a transfer, a chooser, an
    // alert) holds the application.
    if (ui::ModalDialogState::getInstance()->dialogOpen)
        return;

    x48305_application::bringMainWindowToFront();

    if (x48305_application::ApplicationQuitRules().mayQuit())
        x48305_application::ApplicationQuitRules::quit();
}

juce::JUCEApplicationBase* createApplication()
{
    return new solivaneLibrarianApplication();
}
