#include "FileOpsFixture.h"

#include "application/CommandLineProcessor.h"
#include "application/FileAccessProcessor.h"
#include "file/FileResultCodes.h"
#include "formats/UnitHeaderRecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <future>

namespace fileopstest
{
namespace
{
using x48305_application::FileAccessProcessor;

// Runs the read; a read still waiting on the pipe after 3 s is given a
// writer, so it is reported rather than hanging the test. True if it waited.
bool waitedOnPipe (const juce::File& pipe, const std::function<void()>& read)
{
    std::promise<void> done;
    auto letGo = std::async (std::launch::async, [path = pipe.getFullPathName().toStdString(), ended = done.get_future()] {
        if (ended.wait_for (std::chrono::seconds (3)) == std::future_status::ready)
            return false;
        if (const int writer = ::open (path.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0)
            ::close (writer);
        return true;
    });
    read();
    done.set_value();
    return letGo.get();
}

using UnreadableFileOps = FileOpsTest;
} // namespace

// A missing, folder, unreadable or pipe path gives "cannot open" at once
// through every reading operation and the command line; nothing changes.
TEST_F (UnreadableFileOps, APathThatCannotBeOpenedSaysSoWithoutWaiting)
{
    const auto folderPath = file ("folder.slvnlib");
    ASSERT_TRUE (folderPath.createDirectory().wasOk());
    const auto locked = file ("locked.slvnlib");
    ASSERT_TRUE (locked.replaceWithText ("anything"));
    ASSERT_EQ (::chmod (locked.getFullPathName().toRawUTF8(), 0), 0);
    const auto pipe = file ("pipe.slvnlib");
    ASSERT_EQ (::mkfifo (pipe.getFullPathName().toRawUTF8(), 0600), 0);
    const juce::File paths[] = { file ("missing.slvnlib"), folderPath, locked, pipe };

    const std::pair<const char*, std::function<int (const juce::File&)>> operations[] = {
        { "open library", [] (const juce::File& f) { return FileAccessProcessor().openLibrary (f); } },
        { "load program", [] (const juce::File& f) { return FileAccessProcessor().loadProgram (f, 0); } },
        { "import preset", [] (const juce::File& f) { return FileAccessProcessor().importPreset (f); } },
        { "import voicing-editor file", [] (const juce::File& f) { return FileAccessProcessor().importVoicingEditorFile (f); } },
        { "load unit", [] (const juce::File& f) { return FileAccessProcessor().loadUserUnitData (f, 0, UnitModuleOscillator); } },
        { "command line",
          [] (const juce::File& f) {
              DialogScript script ({ pressOk() });
              x48305_application::CommandLineProcessor (nullptr).processArguments ({ f.getFullPathName() });
              const bool saysCannotOpen = script.isComplete()
                  && script.getShown()[0].message == x48305_file::getReadErrorText (file::ReadErrorOpenFile);
              return saysCannotOpen ? file::ReadErrorOpenFile : -1;
          } },
    };

    const auto before = fingerprint (library());
    for (const auto& path : paths)
    {
        if (path == locked && juce::FileInputStream (locked).openedOk())
        {
            std::printf ("[   NOTE   ] this user (root) reads locked files; that row is left out\n");
            continue;
        }
        for (const auto& [name, operation] : operations)
        {
            SCOPED_TRACE (path.getFileName() + ": " + name);
            int code = -3;
            EXPECT_FALSE (waitedOnPipe (pipe, [&, &operation = operation] { code = operation (path); }));
            EXPECT_EQ (code, file::ReadErrorOpenFile);
        }
    }
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_FALSE (canUndo());
    EXPECT_FALSE (isEdited());
}
} // namespace fileopstest
