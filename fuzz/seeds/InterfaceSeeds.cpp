// What the interface takes from outside the process: the clipboard text of a
// copied program and the message of a second launch, each as the program
// itself writes it.
#include "SeedWriter.h"

#include "application/CPXWClipboard.h"
#include "application/ForwardedCommandLine.h"
#include "application/ProgramClipboard.h"

namespace seeds
{
void writeInterfaceSeeds (SeedWriter& writer)
{
    const juce::String clipboardTarget ("fuzz_clipboard_item");
    const juce::String type (x48305_application::ProgramClipboard::programDataType);
    for (int n : { 0, 1, 2 })
    {
        const auto program = n == 0 ? x48305_data::ProgramData() : makeProgram (n);
        writer.write (clipboardTarget, "program-" + juce::String (n), CPXWClipboard::encode (type, program.serialize().getBlock()));
    }

    const juce::String commandLineTarget ("fuzz_forwarded_command_line");
    const x48305_application::ForwardedCommandLine commandLines[] = {
        { "/", {} },
        { "/home/user", { "library.slvnlib" } },
        { juce::String::fromUTF8 ("/home/\xe3\x83\xa6\xe3\x83\xbc\xe3\x82\xb6/my sounds"),
          { "-NSDocumentRevisionsDebugMode", "YES", "q\"lead tone.slvnprog", "", "/abs/-dash.slvnpreset" } },
    };
    int index = 0;
    for (const auto& commandLine : commandLines)
    {
        const auto message = commandLine.encode();
        if (message.empty())
            writer.fail ("a forwarded command line seed did not encode");
        else
            writer.write (commandLineTarget, "message-" + juce::String (index++), juce::MemoryBlock (message.data(), message.size()));
    }
}
} // namespace seeds
