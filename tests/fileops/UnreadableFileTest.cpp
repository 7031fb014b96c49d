#include "FileOpsFixture.h"

#include "application/CommandLineProcessor.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "application/PreferencesData.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileIndex.h"
#include "file/PresetFileManager.h"
#include "formats/UnitHeaderRecord.h"
#include "support/ChunkFileFixtures.h"
#include "ui/LibraryFileDrop.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <tuple>
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

// The process's peak resident memory in kilobytes.
long peakMemoryKilobytes()
{
    std::ifstream status ("/proc/self/status");
    for (std::string line; std::getline (status, line);)
        if (line.rfind ("VmHWM:", 0) == 0)
            return std::stol (line.substr (6));
    return -1;
}

// The code whose text the one alert shown by the action carries, or -1.
int shownCode (const std::function<void()>& action)
{
    DialogScript script ({ pressOk() });
    action();
    for (int code = 0; script.isComplete() && code <= file::ReadErrorUserUnitFileWrongModule; ++code)
        if (script.getShown()[0].message == x48305_file::getReadErrorText (code))
            return code;
    return -1;
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

// A file far larger than any the program reads (sparse, so it costs no disk)
// is refused by every reader and every path to it with the reader's code,
// before any of it is read or memory is set aside for it.
TEST_F (UnreadableFileOps, AHugeFileIsRefusedWithoutReadingIt)
{
    using x48305_application::CommandLineProcessor;
    using x48305_application::FileDialogProcessor;
    using x48305_file::PresetFileManager;
    using x48305_preferences::PreferencesData;

    const auto huge = [] (const juce::File& path, const juce::MemoryBlock& start = {}) {
        EXPECT_TRUE (path.create().wasOk());
        EXPECT_TRUE (start.isEmpty() || path.replaceWithData (start.getData(), start.getSize()));
        EXPECT_EQ (::truncate (path.getFullPathName().toRawUTF8(), (off_t) 100 << 30), 0);
        return path;
    };
    const auto libraryFile = huge (file ("huge.slvnlib")), programFile = huge (file ("huge.slvnprog")),
               presetFile = huge (file ("huge.slvnpreset")), unitFile = huge (file ("huge.slvnunit")),
               allDataFile = huge (file ("huge.slvne_all"), chunktest::allDataFile ({})),
               indexFile = huge (file ("PresetFileInformation.xml")), preferencesFile = huge (PreferencesData::getFile());

    using Read = std::function<int (const juce::File&)>;
    const Read commandLine = [] (const juce::File& f) {
        return shownCode ([&f] { CommandLineProcessor (nullptr).processArguments ({ f.getFullPathName() }); });
    };
    const Read drop = [] (const juce::File& f) {
        return shownCode ([&f] { ui::LibraryFileDrop::drop ({ f.getFullPathName() }); });
    };
    const Read dropUnit = [this] (const juce::File& f) {
        return shownCode ([&] { FileDialogProcessor (chooser).loadUserUnitByFile (f, 0, UnitModuleOscillator); });
    };
    const Read indexLoad = [] (const juce::File& f) {
        x48305_file::PresetFileIndex index;
        index.load (f);
        return index.isValid() ? 0 : -1;
    };

    constexpr int zip = file::ReadErrorFailedToUncompressZipFile, refused = file::ReadErrorFailedToImportPresetData;
    const std::tuple<const char*, juce::File, int, Read> rows[] = {
        { "open library", libraryFile, zip, [] (const juce::File& f) { return FileAccessProcessor().openLibrary (f); } },
        { "load program", programFile, zip, [] (const juce::File& f) { return FileAccessProcessor().loadProgram (f, 0); } },
        { "import preset", presetFile, refused, [] (const juce::File& f) { return FileAccessProcessor().importPreset (f); } },
        { "voicing-editor import", allDataFile, file::ReadErrorInvalidType3,
          [] (const juce::File& f) { return FileAccessProcessor().importVoicingEditorFile (f); } },
        { "load unit", unitFile, zip,
          [] (const juce::File& f) { return FileAccessProcessor().loadUserUnitData (f, 0, UnitModuleOscillator); } },
        { "command line library", libraryFile, zip, commandLine },
        { "command line program", programFile, zip, commandLine },
        { "command line preset", presetFile, refused, commandLine },
        { "drop library", libraryFile, zip, drop },
        { "drop program", programFile, zip, drop },
        { "drop preset", presetFile, refused, drop },
        { "drop unit", unitFile, zip, dropUnit },
        { "preset store", presetFile, refused,
          [] (const juce::File& f) { return PresetFileManager::getInstance()->importPresetFile (f); } },
        { "preset store index", indexFile, -1, indexLoad },
        { "preferences", preferencesFile, -1, [] (const juce::File&) { return PreferencesData().getInt ("Key", -1); } },
    };

    commandLine (file ("missing.slvnlib")); // the first alert sets up what every alert shares
    const auto before = fingerprint (library());
    const auto presetsBefore = PresetFileManager::getInstance()->getNumPresets();
    for (const auto& [path, target, code, read] : rows)
    {
        SCOPED_TRACE (path);
        const auto peakBefore = peakMemoryKilobytes();
        EXPECT_EQ (read (target), code);
        EXPECT_LT (peakMemoryKilobytes() - peakBefore, 8 * 1024); // an alert takes about 2 MB
    }
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_EQ (PresetFileManager::getInstance()->getNumPresets(), presetsBefore);
}
} // namespace fileopstest
