#include "ZipTestSupport.h"

#include "application/CPXWResource.h"
#include "file/FileExtensionChecker.h"
#include "file/FileExtensions.h"
#include "file/FileReplacer.h"
#include "file/FileResultCodes.h"

#include <gtest/gtest.h>


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

TEST (FileReplacer, SavingThroughALinkUpdatesTheLinkedFile)
{
    ScratchFolder folder;
    const auto real = folder.write ("Real.slvnlib", bytesOf ("old"));
    const auto link = folder.file ("Link.slvnlib");
    ASSERT_TRUE (real.createSymbolicLink (link, false));
    EXPECT_EQ (file::replaceFileContent (link, bytesOf ("new")), file::WriteErrorNoError);
    EXPECT_TRUE (link.isSymbolicLink());
    juce::MemoryBlock content;
    ASSERT_TRUE (real.loadFileAsData (content));
    EXPECT_EQ (raw (content), "new");
    EXPECT_EQ (filesIn (folder.get()), 2);
}
