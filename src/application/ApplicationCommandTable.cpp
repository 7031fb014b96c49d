#include "application/ApplicationCommandTable.h"

#include "application/ApplicationCommandIDs.h"
#include "application/CPXWResource.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace x48305_menu
{
namespace
{
constexpr int cmd = juce::ModifierKeys::commandModifier;
constexpr int cmdShift = juce::ModifierKeys::commandModifier | juce::ModifierKeys::shiftModifier;

struct Description
{
    int id;
    const char* textKey;   // or the literal text of the debug window's item
    bool localised;
    const char* category;
    int keyCode;
    int modifiers;
};

// Ordered by id.
const Description descriptions[] = {
    { commandFileNew, "MenuFileNew", true, "File", 'n', cmd },
    { commandFileOpen, "MenuFileOpen", true, "File", 'o', cmd },
    { commandFileSave, "MenuFileSave", true, "File", 's', cmd },
    { commandFileSaveAs, "MenuFileSaveAs", true, "File", 's', cmdShift },
    { commandFileLoadProgram, "MenuFileLoadProgram", true, "File", 0, 0 },
    { commandFileSaveProgram, "MenuFileSaveProgram", true, "File", 0, 0 },
    { commandFileImportPresetFile, "MenuFileImportPresetFile", true, "File", 0, 0 },
    { commandFileImportVoicingEditorFile, "MenuFileImportVoicingEditorFile", true, "File", 0, 0 },
    { commandFileSavePreset, "MenuFileSavePreset", true, "File", 0, 0 },
    { commandFileExit, "MenuFileExit", true, "File", 'q', cmd },
    { commandEditUndo, "MenuEditUndo", true, "Edit", 'z', cmd },
    { commandEditRedo, "MenuEditRedo", true, "Edit", 'z', cmdShift },
    { commandEditCut, "MenuEditCut", true, "Edit", 'x', cmd },
    { commandEditCopy, "MenuEditCopy", true, "Edit", 'c', cmd },
    { commandEditPaste, "MenuEditPaste", true, "Edit", 'v', cmd },
    { commandEditClear, "MenuEditClear", true, "Edit", 'k', cmd },
    { commandMidiReceiveLibrary, "MenuMidiReceiveLibrary", true, "MIDI", 'l', cmd },
    { commandMidiWriteLibrary, "MenuMidiWriteLibrary", true, "MIDI", 't', cmd },
    { commandMidiReceiveProgram, "MenuMidiReceiveProgram", true, "MIDI", 0, 0 },
    { commandMidiWriteProgram, "MenuMidiWriteProgram", true, "MIDI", 0, 0 },
    { commandOptionPreferences, "MenuOptionPreferences", true, "Option", ',', cmd },
    { commandOptionOpenPresetWindow, "MenuOptionOpenPresetWindow", true, "Option", 'p', cmd },
    { commandOptionAbout, "MenuOptionAbout", true, "Option", 0, 0 },
    { commandOptionInit, "MenuOptionInit", true, "Option", 0, 0 },
    { commandOptionOpenDebugWindow, "Open Debug Window", false, "Option", 0, 0 },
    { commandMidiReceiveUserEnv, "MenuMidiReceiveUserEnv", true, "MIDI", 0, 0 },
    { commandMidiReceiveUserData, "MenuMidiReceiveUserData", true, "MIDI", 0, 0 },
    { commandMidiWriteUserData, "MenuMidiWriteUserData", true, "MIDI", 0, 0 },
};

using Table = std::array<ApplicationCommandTable::Entry, lastCommand + 1>;

Table build()
{
    static_assert (std::size (descriptions) == lastCommand, "one description per command");

    Table table;   // entry 0 stays empty
    for (const auto& description : descriptions)
    {
        auto& entry = table[(size_t) description.id];
        entry.text = description.localised ? getLocalizedText (description.textKey) : juce::String (description.textKey);
        entry.category = description.category;
        entry.key = ((std::uint64_t) (std::uint32_t) description.modifiers << 32) | (std::uint32_t) description.keyCode;
    }
    return table;
}
} // namespace

const ApplicationCommandTable::Entry& ApplicationCommandTable::get (int commandID)
{
    static const Table table = build();
    static const Entry none;
    if (commandID < firstCommand || commandID > lastCommand)
        return none;
    return table[(size_t) commandID];
}
} // namespace x48305_menu
