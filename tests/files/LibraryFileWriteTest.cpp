#include "LibraryFileTestSupport.h"

#include "file/FileResultCodes.h"
#include "formats/LibraryFile.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

using namespace ziptest;

namespace
{
int entriesIn (const juce::File& folder)
{
    return folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*").size();
}

// Writing fails past the limit even for root, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit (rlim_t bytes)
    {
        getrlimit (RLIMIT_FSIZE, &saved);
        oldHandler = std::signal (SIGXFSZ, SIG_IGN);
        auto limited = saved;
        limited.rlim_cur = bytes;
        active = setrlimit (RLIMIT_FSIZE, &limited) == 0;
    }

    ~FileSizeLimit()
    {
        setrlimit (RLIMIT_FSIZE, &saved);
        std::signal (SIGXFSZ, oldHandler);
    }

    bool active = false;

private:
    struct rlimit saved {};
    void (*oldHandler) (int) = nullptr;
};

// Marks a folder immutable, so that nothing in it can be created, removed or
// renamed, not even by the superuser (who may write into any folder whose
// permission bits say no).
class ImmutableFolder
{
public:
    explicit ImmutableFolder (const juce::File& folder)
        : fd (::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY))
    {
        if (fd >= 0 && ::ioctl (fd, FS_IOC_GETFLAGS, &savedFlags) == 0)
        {
            int flags = savedFlags | FS_IMMUTABLE_FL;
            active = ::ioctl (fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }

    ~ImmutableFolder()
    {
        if (active)
            ::ioctl (fd, FS_IOC_SETFLAGS, &savedFlags);
        if (fd >= 0)
            ::close (fd);
    }

    bool active = false;

private:
    int fd = -1;
    int savedFlags = 0;
};
} // namespace

TEST (LibraryFileWrite, SavingOverAnExistingFileReplacesIt)
{
    ScratchFolder folder;
    const auto file = folder.file ("Bank.slvnlib");
    x48305_data::LibraryData first, second, loaded;
    fillLibrary (first, 1);
    fillLibrary (second, 2);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&first).write (file), file::WriteErrorNoError);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&second).write (file), file::WriteErrorNoError);
    ASSERT_EQ (x48305_file::LibraryFileReader (&loaded).read (file), file::ReadErrorNoError);
    expectSamePrograms (second.getProgram (250), loaded.getProgram (250));
    EXPECT_EQ (entriesIn (folder.get()), 1);
}

TEST (LibraryFileWrite, ATargetThatCannotBeReplacedGives1AndStaysAsItWas)
{
    ScratchFolder folder;
    const auto target = folder.file ("Bank.slvnlib");
    ASSERT_TRUE (target.createDirectory());
    folder.write ("Bank.slvnlib/keep.txt", bytesOf ("kept"));

    x48305_data::LibraryData library;
    x48305_data::PresetData preset;
    const auto program = makeProgram (1);
    EXPECT_EQ (x48305_file::LibraryFileWriter (&library).write (target), file::WriteErrorDeleteFile);
    EXPECT_EQ (x48305_file::PresetFileWriter (&preset).write (target), file::WriteErrorDeleteFile);
    EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (target), file::WriteErrorDeleteFile);
    EXPECT_TRUE (target.getChildFile ("keep.txt").existsAsFile());
    EXPECT_EQ (entriesIn (folder.get()), 1);
}

TEST (LibraryFileWrite, AFolderThatCannotBeWrittenGives2)
{
    ScratchFolder folder;
    const auto notAFolder = folder.write ("Library", bytesOf ("a plain file"));
    const auto program = makeProgram (2);
    EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (notAFolder.getChildFile ("Lead.slvnprog")),
               file::WriteErrorOpenFile);
    EXPECT_EQ (entriesIn (folder.get()), 1);
    EXPECT_EQ (notAFolder.getSize(), 12);
}

TEST (LibraryFileWrite, AFailedWriteLeavesThePreviousLibraryReadable)
{
    ScratchFolder folder;
    const auto file = folder.file ("Bank.slvnlib");
    x48305_data::LibraryData previous, edited;
    fillLibrary (previous, 5);
    fillLibrary (edited, 6);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&previous).write (file), file::WriteErrorNoError);
    juce::MemoryBlock before;
    ASSERT_TRUE (file.loadFileAsData (before));

    int result = -1;
    {
        FileSizeLimit limit ((rlim_t) before.getSize() / 2);
        ASSERT_TRUE (limit.active);
        result = x48305_file::LibraryFileWriter (&edited).write (file);
    }
    EXPECT_EQ (result, file::WriteErrorWriteData);

    juce::MemoryBlock after;
    ASSERT_TRUE (file.loadFileAsData (after));
    EXPECT_EQ (raw (after), raw (before));
    EXPECT_EQ (entriesIn (folder.get()), 1) << "the temporary file is removed";

    x48305_data::LibraryData loaded;
    ASSERT_EQ (x48305_file::LibraryFileReader (&loaded).read (file), file::ReadErrorNoError);
    expectSamePrograms (previous.getProgram (499), loaded.getProgram (499));
}

TEST (LibraryFileWrite, AFileInAFolderThatCannotBeWrittenGives1AndStaysIntact)
{
    ScratchFolder folder;
    const auto file = folder.file ("Bank.slvnlib");
    x48305_data::LibraryData previous, edited;
    fillLibrary (previous, 7);
    fillLibrary (edited, 8);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&previous).write (file), file::WriteErrorNoError);
    juce::MemoryBlock before;
    ASSERT_TRUE (file.loadFileAsData (before));

    x48305_data::PresetData preset;
    const auto program = makeProgram (3);
    {
        ImmutableFolder readOnly (folder.get());
        if (! readOnly.active)
            GTEST_SKIP() << "this file system cannot mark a folder immutable";

        EXPECT_EQ (x48305_file::LibraryFileWriter (&edited).write (file), file::WriteErrorDeleteFile);
        EXPECT_EQ (x48305_file::PresetFileWriter (&preset).write (file), file::WriteErrorDeleteFile);
        EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (file), file::WriteErrorDeleteFile);
        // A new file cannot be made there either.
        EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (folder.file ("New.slvnprog")),
                   file::WriteErrorOpenFile);
    }

    juce::MemoryBlock after;
    ASSERT_TRUE (file.loadFileAsData (after));
    EXPECT_EQ (raw (after), raw (before));
    EXPECT_EQ (entriesIn (folder.get()), 1);

    x48305_data::LibraryData loaded;
    ASSERT_EQ (x48305_file::LibraryFileReader (&loaded).read (file), file::ReadErrorNoError);
    expectSamePrograms (previous.getProgram (0), loaded.getProgram (0));
}
