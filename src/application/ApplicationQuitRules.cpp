#include "application/ApplicationQuitRules.h"

#include "application/FileDiscardChecker.h"
#include "midi/MidiDeviceManager.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_application
{
namespace
{
std::function<void()>& quitAction()
{
    static std::function<void()> action;
    return action;
}
} // namespace

ApplicationQuitRules::ApplicationQuitRules() : ApplicationQuitRules (FrameworkFileChooserDialog::getShared())
{
}

ApplicationQuitRules::ApplicationQuitRules (FileChooserDialog& chooserToUse) : chooser (chooserToUse)
{
}

bool ApplicationQuitRules::mayQuit()
{
    if (application::FileDiscardChecker (chooser).check() != 0)
        return false;

    // The search thread must not outlive the objects it reports to; the user
    // asks again once it has ended.
    return midi::deviceScanFinished.load();
}

void ApplicationQuitRules::quit()
{
    if (quitAction())
        quitAction()();
    else
        juce::JUCEApplicationBase::quit();
}

void ApplicationQuitRules::setQuitAction (std::function<void()> action)
{
    quitAction() = std::move (action);
}
} // namespace x48305_application
