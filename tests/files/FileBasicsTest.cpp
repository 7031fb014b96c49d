#include "ZipTestSupport.h"

#include "application/CPXWResource.h"
#include "file/FileExtensionChecker.h"
#include "file/FileExtensions.h"
#include "file/FileReplacer.h"
#include "file/FileResultCodes.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

using namespace ziptest;

TEST (FileResultCodes, EveryCodeHasItsKeyAndOthersNone)
{
    EXPECT_EQ (file::getReadResultKey (file::ReadErrorNoError), "ReadErrorNoError");
    EXPECT_EQ (file::getReadResultKey (13), "ReadErrorDifferentTargetDevice");
    EXPECT_EQ (file::getReadResultKey (14), "ReadErrorFailedToUncompressZipFile");
    EXPECT_EQ (file::getReadResultKey (24), "ReadErrorFailedToImportPresetData");
    EXPECT_EQ (file::getReadResultKey (32), "ReadErrorUserUnitFileWrongModule");
    EXPECT_EQ (file::NumReadResultCodes, 33);
    EXPECT_EQ (file::getReadResultKey (33), "");
    EXPECT_EQ (file::getReadResultKey (-1), "");

    EXPECT_EQ (file::getWriteResultKey (0), "WriteErrorNoError");
    EXPECT_EQ (file::getWriteResultKey (1), "WriteErrorDeleteFile");
    EXPECT_EQ (file::getWriteResultKey (2), "WriteErrorOpenFile");
    EXPECT_EQ (file::getWriteResultKey (3), "WriteErrorWriteData");
    EXPECT_EQ (file::getWriteResultKey (4), "");
    EXPECT_EQ (file::getWriteResultKey (-7), "");

    juce::StringArray keys;
    for (int code = 0; code < file::NumReadResultCodes; ++code)
        keys.addIfNotAlreadyThere (file::getReadResultKey (code));
    EXPECT_EQ (keys.size(), 33);
}

TEST (FileResultCodes, TextsComeFromTheResourceAndAreEmptyOutOfRange)
{
    for (int code = 0; code < file::NumReadResultCodes; ++code)
    {
        EXPECT_FALSE (x48305_file::getReadErrorText (code).isEmpty()) << code;
        EXPECT_EQ (x48305_file::getReadErrorText (code), getLocalizedText (file::getReadResultKey (code)));
    }
    for (int code = 0; code < file::NumWriteResultCodes; ++code)
        EXPECT_EQ (x48305_file::getWriteErrorText (code), getLocalizedText (file::getWriteResultKey (code)));
    EXPECT_NE (x48305_file::getReadErrorText (14), x48305_file::getReadErrorText (15));
    EXPECT_FALSE (x48305_file::getWriteErrorText (3).isEmpty());

    EXPECT_EQ (x48305_file::getReadErrorText (33), "");
    EXPECT_EQ (x48305_file::getReadErrorText (-1), "");
    EXPECT_EQ (x48305_file::getWriteErrorText (4), "");
    EXPECT_EQ (x48305_file::getWriteErrorText (1000), "");
}

TEST (FileExtensionChecker, ReplacesOnlyTheLastExtensionInTheSameFolder)
{
    const auto folder = juce::File ("/tmp/some folder");
    for (const auto& made : { juce::String ("slvnlib"), file::libraryFileExtension })
    {
        file::FileExtensionChecker checker (made);
        EXPECT_EQ (checker.getExtension(), ".slvnlib");
        EXPECT_EQ (checker.applyExtension (folder.getChildFile ("Bank")), folder.getChildFile ("Bank.slvnlib"));
        EXPECT_EQ (checker.applyExtension (folder.getChildFile ("Bank.txt")), folder.getChildFile ("Bank.slvnlib"));
        EXPECT_EQ (checker.applyExtension (folder.getChildFile ("Bank.slvnlib")), folder.getChildFile ("Bank.slvnlib"));
        EXPECT_EQ (checker.applyExtension (folder.getChildFile ("My.Bank.txt")), folder.getChildFile ("My.Bank.slvnlib"));
    }
}

namespace
{
int filesIn (const juce::File& folder)
{
    // Hidden files included: the temporary files are hidden.
    return folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*").size();
}
} // namespace

TEST (FileReplacer, ReplacesTheContentAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    const auto target = folder.file ("Bank.slvnlib");
    EXPECT_EQ (file::replaceFileContent (target, bytesOf ("first version")), file::WriteErrorNoError);
    EXPECT_EQ (file::replaceFileContent (target, bytesOf ("second")), file::WriteErrorNoError);
    juce::MemoryBlock content;
    ASSERT_TRUE (target.loadFileAsData (content));
    EXPECT_EQ (raw (content), "second");
    EXPECT_EQ (filesIn (folder.get()), 1);

    EXPECT_EQ (file::replaceFileContent (target, juce::MemoryBlock()), file::WriteErrorNoError);
    EXPECT_EQ (target.getSize(), 0);
}

TEST (FileReplacer, ATargetThatIsAFolderIsRefusedAndKept)
{
    ScratchFolder folder;
    const auto target = folder.file ("Bank.slvnlib");
    ASSERT_TRUE (target.createDirectory());
    folder.write ("Bank.slvnlib/inside.txt", bytesOf ("kept"));

    EXPECT_EQ (file::replaceFileContent (target, bytesOf ("new")), file::WriteErrorDeleteFile);
    EXPECT_TRUE (target.isDirectory());
    EXPECT_TRUE (target.getChildFile ("inside.txt").existsAsFile());
    EXPECT_EQ (filesIn (folder.get()), 1);
}

TEST (FileReplacer, AFolderThatCannotHoldFilesGivesOpenError)
{
    ScratchFolder folder;
    const auto notAFolder = folder.write ("plain.txt", bytesOf ("I am a file"));
    EXPECT_EQ (file::replaceFileContent (notAFolder.getChildFile ("Bank.slvnlib"), bytesOf ("new")),
               file::WriteErrorOpenFile);
    juce::MemoryBlock content;
    ASSERT_TRUE (notAFolder.loadFileAsData (content));
    EXPECT_EQ (raw (content), "I am a file");
    EXPECT_EQ (filesIn (folder.get()), 1);
}

TEST (FileReplacer, AFailedWriteKeepsThePreviousFileIntact)
{
    ScratchFolder folder;
    const auto target = folder.file ("Bank.slvnlib");
    const auto previous = randomBytes (4000, 3);
    ASSERT_EQ (file::replaceFileContent (target, previous), file::WriteErrorNoError);

    // The file size limit makes writing fail even for root, as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ (getrlimit (RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal (SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 1000;
    ASSERT_EQ (setrlimit (RLIMIT_FSIZE, &limited), 0);
    const int result = file::replaceFileContent (target, randomBytes (100000, 4));
    setrlimit (RLIMIT_FSIZE, &saved);
    std::signal (SIGXFSZ, oldHandler);

    EXPECT_EQ (result, file::WriteErrorWriteData);
    juce::MemoryBlock content;
    ASSERT_TRUE (target.loadFileAsData (content));
    EXPECT_EQ (raw (content), raw (previous));
    EXPECT_EQ (filesIn (folder.get()), 1);
}
