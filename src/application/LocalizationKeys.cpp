#include "application/LocalizationKeys.h"

#include "file/FileResultCodes.h"
#include "midi/MidiCommunicationError.h"

namespace application
{
namespace
{
// HOW TO ADD A KEY
//   1. Append the key to the group below where it belongs (or start a group).
//      The keys of the file and MIDI communication result codes come from
//      their own tables (file/FileResultCodes.cpp,
//      midi/MidiCommunicationError.cpp) and are not repeated here.
//   2. Add an element of that name with a non-empty "Text" attribute to BOTH
//      src/resources/runtime/en/LocalizableStrings.xml and
//      src/resources/runtime/ja/LocalizableStrings.xml, in the same group.
//      Line breaks inside a text are written as &#10;.
//   3. Look the text up through getLocalizedText, with the key, at the moment
//      it is shown (application/CPXWResource.h).
// The l10n tests fail when a key is missing from a resource, has an empty text,
// or when a literal key handed to getLocalizedText under src/ is not listed.
const char* const allKeys[] = {
    // Common texts
    "CommonApplicationName",
    "CommonOK",
    "CommonCancel",
    "CommonYes",
    "CommonNo",
    "CommonErrorDialogTitle",
    "CommonUntitledFileName",
    "CommonWindowTitleModified",
    // Menus and commands
    "MenuCategoryFile",
    "MenuCategoryEdit",
    "MenuCategoryMidi",
    "MenuCategoryOption",
    "MenuFileNew",
    "MenuFileOpen",
    "MenuFileSave",
    "MenuFileSaveAs",
    "MenuFileLoadProgram",
    "MenuFileSaveProgram",
    "MenuFileImportPresetFile",
    "MenuFileImportVoicingEditorFile",
    "MenuFileSavePreset",
    "MenuFileExit",
    "MenuEditUndo",
    "MenuEditRedo",
    "MenuEditCut",
    "MenuEditCopy",
    "MenuEditPaste",
    "MenuEditClear",
    "MenuMidiReceiveLibrary",
    "MenuMidiWriteLibrary",
    "MenuMidiReceiveProgram",
    "MenuMidiWriteProgram",
    "MenuMidiReceiveUserEnv",
    "MenuMidiReceiveUserData",
    "MenuMidiWriteUserData",
    "MenuOptionPreferences",
    "MenuOptionOpenPresetWindow",
    "MenuOptionAbout",
    "MenuOptionInit",
    // Windows and dialog titles
    "AboutDialogTitle",
    "PreferencesDialogTitle",
    "PresetWindowTitle",
    "PresetInformationEditTitle",
    "FileDiscardCheckTitle",
    "FileDiscardCheckMessage",
    // File choosers
    "FileOpenLibraryTitle",
    "FileSaveLibraryTitle",
    "FileLoadProgramTitle",
    "FileSaveProgramTitle",
    "FileImportPresetTitle",
    "FileImportVeTitle",
    "FileSavePresetTitle",
    "FileReplaceCheckTitle",
    "FileReplaceCheckMessage",
    // MIDI connection and driver check
    "ConnectionErrorFailedToOpenPort",
    "ConnectionErrorNotFoundsolivane",
    "MidiCommunicationErrorVexoUsbMidiDriverTitle",
    "MidiCommunicationErrorVexoUsbMidiDriver",
    // Transfer progress: dialog titles and status texts
    "ConnectionReceiveLibraryTitle",
    "ConnectionWriteLibraryTitle",
    "ConnectionReceiveSelectedProgramTitle",
    "ConnectionWriteSelectedProgramTitle",
    "ConnectionTransmitCurrentProgramTitle",
    "ConnectionReceiveUserDataTitle",
    "ConnectionWriteUserDataTitle",
    "CommunicationProcessReceiveLibrary",
    "CommunicationProcessWriteLibrary",
    "CommunicationProcessReceiveSelectedProgram",
    "CommunicationProcessWriteSelectedProgram",
    "CommunicationProcessTransmitCurrentProgram",
    "CommunicationProcessReceiveUserData",
    "CommunicationProcessWriteUserData",
    // User units that cannot be written
    "WriteUserDataErrorConflictingSlots",
    "WriteUserDataErrorConflictingSlotsDetail",
    "WriteUserDataErrorUnitsChanged",
    "WriteUserDataErrorUnitsChangedDetail",
    // List column titles
    "ProgramListColumnProgramName",
    "ProgramListColumnCategory",
    "ProgramListColumnLike",
    "ProgramListColumnTimbType",
    "ProgramListColumnVco1Wave",
    "ProgramListColumnVco2Wave",
    "ProgramListColumnMultiType",
    "UserListColumnName",
    "UserListColumnVersion",
    "UserListColumnAPI",
    // Preferences dialog
    "PreferencesDialogGroupMidiPort",
    "PreferencesDialogMidiPortManualSetting",
    "PreferencesDialogMidiInPort",
    "PreferencesDialogMidiOutPort",
    "PreferencesDialogGroupOther",
    "PreferencesDialogAutoReceive",
    "PreferencesDialogWarningBeforeWriting",
    "PreferencesDialogFontSize",
    // Write warnings
    "WriteWarningDialogTitle",
    "WriteWarningDialogLine1",
    "WriteWarningDialogLine2",
    "WriteWarningDialogDontConfirmNext",
    "WriteUserDataWarningDialogTitle",
    "WriteUserDataWarningDialogLine1",
    "WriteUserDataWarningDialogLine2",
    "WriteUserDataWarningDialogLine3",
    "WriteUserDataWarningDialogLine4",
    "WriteUserDataWarningDialogOk",
    "WriteUserDataWarningDialogDontConfirmNext",
};
} // namespace

const juce::StringArray& getLocalizationKeys()
{
    static const juce::StringArray keys = []
    {
        juce::StringArray all (allKeys, (int) (sizeof (allKeys) / sizeof (allKeys[0])));
        for (int code = 0; code < file::NumReadResultCodes; ++code)
            all.add (file::getReadResultKey (code));
        for (int code = 0; code < file::NumWriteResultCodes; ++code)
            all.add (file::getWriteResultKey (code));
        // The cancel code names one key for both of its texts.
        for (std::int32_t code = 0; code < MidiCommunicationError::count; ++code)
        {
            all.addIfNotAlreadyThere (getMidiCommunicationErrorKey (code));
            all.addIfNotAlreadyThere (getMidiCommunicationErrorDetailKey (code));
        }
        return all;
    }();
    return keys;
}
} // namespace application
