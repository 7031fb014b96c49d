#pragma once

#include <juce_core/juce_core.h>

namespace x48305_application
{
class ApplicationStartupProcess;

// Opens the first file named on a command line, the start-up one or one that
// a second launch forwarded: a library file (".slvnlib") replaces the library
// after the discard check, a program file (".slvnprog") is loaded into the
// first selected program, a preset file (".slvnpreset") is imported into the
// preset store. Options are passed over: a token beginning "-NS" together
// with the token after it, any other token beginning "-" alone. Extensions
// are compared ignoring case; the first token with one of the three
// extensions is handled and the rest are ignored. A file that fails to read
// is shown with the read-error dialog. A short-lived stack object.
class CommandLineProcessor
{
public:
    explicit CommandLineProcessor (ApplicationStartupProcess* startupProcess);
    virtual ~CommandLineProcessor() = default;

    // The arguments as the system handed them to a process, one path or
    // option each, taken exactly as they are. Nothing while a modal dialog is
    // open. A relative path means a file in baseFolder; without one, in the
    // process's working folder.
    void processArguments (const juce::StringArray& arguments, const juce::File& baseFolder = {});

    // Tell the start-up process that a file was opened (no automatic
    // receive then).
    void openLibraryFile (const juce::File& file);
    void loadProgramFile (const juce::File& file);
    // Leaves automatic receive as it is.
    void importPresetFile (const juce::File& file);

private:
    // True when the token named a file of one of the three kinds.
    bool handleFileToken (const juce::String& token, const juce::File& baseFolder);
    void showReadErrorUnlessDone (int code);

    ApplicationStartupProcess* startupProcess;
};
} // namespace x48305_application
