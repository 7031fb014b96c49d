#include "FileOpsFixture.h"

#include "application/CommandLineProcessor.h"
#include "application/FileAccessProcessor.h"
#include "file/FileResultCodes.h"
#include "formats/UnitHeaderRecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace fileopstest
{
namespace
{
using x48305_application::FileAccessProcessor;

// Gives a reader that waits on a named pipe a writer after a while, so that
// a reader that blocks is reported rather than hanging the test.
class PipeWatch
{
public:
    explicit PipeWatch (const juce::File& pipe)
        : watcher ([this, path = pipe.getFullPathName().toStdString()] {
              std::unique_lock<std::mutex> hold (lock);
              if (finishedInTime.wait_for (hold, std::chrono::seconds (3), [this] { return finished; }))
                  return;
              blocked = true;
              const int writer = ::open (path.c_str(), O_WRONLY | O_NONBLOCK);
              if (writer >= 0)
                  ::close (writer);
          })
    {
    }

    // True when the reader had to be let go.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> hold (lock);
            finished = true;
        }
        finishedInTime.notify_all();
        watcher.join();
        return blocked;
    }

private:
    std::mutex lock;
    std::condition_variable finishedInTime;
    bool finished = false;
    std::atomic<bool> blocked { false };
    std::thread watcher;
};

using UnreadableFileOps = FileOpsTest;
} // namespace

// A path that is missing, a folder, unreadable or a named pipe says that it
// could not be opened, at once, through every operation that reads a file and
// through the command line; nothing changes.
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
              if (! script.isComplete())
                  return -1;
              // The code whose text the alert showed.
              for (int code = 0; code <= file::ReadErrorUserUnitFileWrongModule; ++code)
                  if (x48305_file::getReadErrorText (code) == script.getShown()[0].message)
                      return code;
              return -2;
          } },
    };

    const auto before = fingerprint (library());
    for (const auto& path : paths)
    {
        if (path == locked && juce::FileInputStream (locked).openedOk())
        {
            // Permission bits do not stop this user (root) from reading.
            std::printf ("[   NOTE   ] %s is readable to this user; that row is left out\n", locked.getFileName().toRawUTF8());
            continue;
        }
        for (const auto& [name, operation] : operations)
        {
            SCOPED_TRACE (path.getFileName() + ": " + name);
            PipeWatch watch (pipe);
            EXPECT_EQ (operation (path), file::ReadErrorOpenFile);
            EXPECT_FALSE (watch.finish()) << "the read waited on the pipe";
        }
    }
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_FALSE (canUndo());
    EXPECT_FALSE (isEdited());
}
} // namespace fileopstest
