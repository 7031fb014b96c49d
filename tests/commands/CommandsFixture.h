#pragma once

#include "application/ApplicationCommandIDs.h"
#include "application/ApplicationMenuManager.h"
#include "library/LibraryData.h"
#include "support/ChildProcessRunner.h"
#include "support/DialogScript.h"
#include "support/LibraryFixtures.h"
#include "support/ScriptedChooser.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <string>
#include <vector>

namespace commandstest
{
using namespace x48305_menu;
using testsupport::fingerprint;
using testsupport::makeLibrary;

// Every test starts with a fresh library and unit store without file, edits
// or history, and with unit writes allowed; program 0 selected on the program
// list's tab and oscillator, modulation, delay and reverb slot 0 selected in
// their lists; no dialog open; the developer and debug extras off; no device
// search running; and a quit that is only counted. File commands ask the
// scripted chooser.
class CommandsTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

public:
    static ApplicationMenuManager& menus() { return *ApplicationMenuManager::getInstance(); }
    static juce::ApplicationCommandManager& commandManager() { return menus().getCommandManager(); }

    // What the command manager reports for the command now.
    static bool isEnabled (int commandID);
    // Invokes the command through the command manager, as a menu item or a
    // button does.
    static bool invoke (int commandID);

    static x48305_data::LibraryData& library();
    static void selectPrograms (const std::vector<int>& numbers);
    static void selectTab (int tab);
    static void markEdited();
    static bool isEdited();
    static juce::File currentFile();

    // The undo manager's history: descriptions from the oldest step on.
    static juce::StringArray undoSteps();
    static bool canUndo();
    static void undo();

    // The name of a library program (without its padding).
    static std::string nameOf (int number) { return testsupport::nameOf (library().getProgram (number)); }
    // A program with the name and texts.
    static x48305_data::ProgramData makeProgram (const std::string& name, const juce::String& programmer,
                                                 const juce::String& comment);

protected:
    int quitRequests = 0;
    testsupport::ScriptedChooser chooser;
};

using testsupport::runTestInChildProcess;
} // namespace commandstest
