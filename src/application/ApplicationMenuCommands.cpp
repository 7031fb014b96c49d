#include "application/ApplicationMenuCommands.h"

#include "action/ApplicationUndoManager.h"
#include "application/ApplicationCommandHandler.h"
#include "application/ApplicationCommandIDs.h"
#include "application/ApplicationCommandTable.h"
#include "application/EditCommandHandler.h"
#include "application/FileDialogProcessor.h"
#include "application/TransferCommandHandler.h"
#include "ui/ModalDialogState.h"
#include "ui/OpenNameEditors.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

namespace x48305_menu
{
namespace
{
int numSelectedPrograms()
{
    return ui::SelectedProgramStatus::getInstance()->getNumSelected();
}

bool onProgramListTab()
{
    return ui::SelectedTabStatus::getInstance()->getTabIndex() == ui::SelectedTabStatus::programListTab;
}

// Whether the list of the current tab has a selected entry.
bool hasSelectionOnCurrentTab()
{
    switch (ui::SelectedTabStatus::getInstance()->getTabIndex())
    {
        case ui::SelectedTabStatus::programListTab: return numSelectedPrograms() > 0;
        case ui::SelectedTabStatus::userOscTab: return ui::SelectedUserOscStatus::getInstance()->getNumSelected() > 0;
        case ui::SelectedTabStatus::userModFXTab: return ui::SelectedUserModFXStatus::getInstance()->getNumSelected() > 0;
        case ui::SelectedTabStatus::userDelFXTab: return ui::SelectedUserDelFXStatus::getInstance()->getNumSelected() > 0;
        case ui::SelectedTabStatus::userRevFXTab: return ui::SelectedUserRevFXStatus::getInstance()->getNumSelected() > 0;
        default: return false;
    }
}
} // namespace

juce::ApplicationCommandTarget* ApplicationMenuCommands::getNextCommandTarget()
{
    return juce::JUCEApplication::getInstance();
}

void ApplicationMenuCommands::getAllCommands (juce::Array<juce::CommandID>& commands)
{
    for (int id = firstCommand; id <= lastCommand; ++id)
        commands.add (id);
}

void ApplicationMenuCommands::getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& info)
{
    setCommandInfo (commandID, info);
    if (! isCommandActive (commandID))
        info.setActive (false);
}

void ApplicationMenuCommands::setCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& info)
{
    const auto& entry = ApplicationCommandTable::get (commandID);
    info.setInfo (entry.text, {}, entry.category, 0);
    if (entry.getKeyCode() != 0)
        info.addDefaultKeypress (entry.getKeyCode(), juce::ModifierKeys (entry.getModifierFlags()));
    // Ctrl+Y is the other common redo key on this platform; the menu shows
    // the first key only.
    if (commandID == commandEditRedo)
        info.addDefaultKeypress ('y', juce::ModifierKeys::commandModifier);
}

bool ApplicationMenuCommands::isCommandActive (juce::CommandID commandID)
{
    if (ui::ModalDialogState::getInstance()->dialogOpen)
        return false;

    switch (commandID)
    {
        case commandFileLoadProgram:
        case commandFileSaveProgram:
            return numSelectedPrograms() == 1;
        case commandEditUndo:
            return application::ApplicationUndoManager::getInstance()->canUndo();
        case commandEditRedo:
            return application::ApplicationUndoManager::getInstance()->canRedo();
        case commandEditCut:
        case commandEditCopy:
        case commandEditPaste:
            return onProgramListTab() && numSelectedPrograms() == 1;
        case commandEditClear:
            return hasSelectionOnCurrentTab();
        case commandMidiReceiveProgram:
        case commandMidiWriteProgram:
            return numSelectedPrograms() >= 1;
        default:
            return commandID >= firstCommand && commandID <= lastCommand;
    }
}

bool ApplicationMenuCommands::perform (const InvocationInfo& info)
{
    if (info.commandID < firstCommand || info.commandID > lastCommand)
        return false;
    // A command that reaches the target while a dialog is open (a key press
    // queued before it opened) is taken and dropped.
    if (ui::ModalDialogState::getInstance()->dialogOpen)
        return true;
    // The command acts on the data as it stands: a name being typed is
    // dropped, as losing the focus drops it, never stored afterwards.
    ui::endOpenNameEditors();
    return performCommand (info.commandID);
}

void ApplicationMenuCommands::setFileChooser (x48305_application::FileChooserDialog* chooserToUse)
{
    fileChooser = chooserToUse;
}

x48305_application::FileChooserDialog& ApplicationMenuCommands::chooser() const
{
    if (fileChooser != nullptr)
        return *fileChooser;
    return x48305_application::FrameworkFileChooserDialog::getShared();
}

bool ApplicationMenuCommands::performCommand (juce::CommandID commandID)
{
    x48305_application::FileDialogProcessor files (chooser());
    ApplicationCommandHandler application (chooser());
    EditCommandHandler edit;
    TransferCommandHandler transfer;

    switch (commandID)
    {
        case commandFileNew: application.newLibrary(); break;
        case commandFileOpen: files.openLibrary(); break;
        case commandFileSave: files.save(); break;
        case commandFileSaveAs: files.saveAs(); break;
        case commandFileLoadProgram: files.loadProgram(); break;
        case commandFileSaveProgram: files.saveProgram(); break;
        case commandFileImportPresetFile: files.importPresetFile(); break;
        case commandFileImportVoicingEditorFile: files.importVoicingEditorFile(); break;
        case commandFileSavePreset: files.savePreset(); break;
        case commandFileExit: application.exit(); break;
        case commandEditUndo: edit.undo(); break;
        case commandEditRedo: edit.redo(); break;
        case commandEditCut: edit.cut(); break;
        case commandEditCopy: edit.copy(); break;
        case commandEditPaste: edit.paste(); break;
        case commandEditClear: edit.clear(); break;
        case commandMidiReceiveLibrary: transfer.receiveLibrary(); break;
        case commandMidiWriteLibrary: transfer.writeLibrary(); break;
        case commandMidiReceiveProgram: transfer.receiveSelectedPrograms(); break;
        case commandMidiWriteProgram: transfer.writeSelectedPrograms(); break;
        case commandOptionPreferences: application.showPreferences(); break;
        case commandOptionOpenPresetWindow: application.showPresetWindow(); break;
        case commandOptionAbout: application.showAbout(); break;
        case commandOptionInit: application.init(); break;
        case commandOptionOpenDebugWindow: application.showDebugWindow(); break;
        case commandMidiReceiveUserEnv: break;
        case commandMidiReceiveUserData: transfer.receiveUserData(); break;
        case commandMidiWriteUserData: transfer.writeUserData(); break;
        default: return false;
    }
    return true;
}
} // namespace x48305_menu
