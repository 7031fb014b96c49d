#pragma once

namespace x48305_menu
{
// The numbered commands of the application's command target. Menus, key
// mappings, the header's buttons and start-up all invoke them by number.
enum ApplicationCommandID
{
    commandFileNew = 1,
    commandFileOpen = 2,
    commandFileSave = 3,
    commandFileSaveAs = 4,
    commandFileLoadProgram = 5,
    commandFileSaveProgram = 6,
    commandFileImportPresetFile = 7,
    commandFileImportVoicingEditorFile = 8,
    commandFileSavePreset = 9,
    commandFileExit = 10,
    commandEditUndo = 11,
    commandEditRedo = 12,
    commandEditCut = 13,
    commandEditCopy = 14,
    commandEditPaste = 15,
    commandEditClear = 16,
    commandMidiReceiveLibrary = 17,
    commandMidiWriteLibrary = 18,
    commandMidiReceiveProgram = 19,
    commandMidiWriteProgram = 20,
    commandOptionPreferences = 21,
    commandOptionOpenPresetWindow = 22,
    commandOptionAbout = 23,
    commandOptionInit = 24,
    commandOptionOpenDebugWindow = 25,
    commandMidiReceiveUserEnv = 26,
    commandMidiReceiveUserData = 27,
    commandMidiWriteUserData = 28,

    firstCommand = commandFileNew,
    lastCommand = commandMidiWriteUserData
};
} // namespace x48305_menu
