#include "PresetTestSupport.h"

#include "support/PrivateTemporaryFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST (PrivateTemporaryFolder, IsNewOnlyForThisUserAndGoneAfterwards)
{
    presettest::ScopedTestHome home;
    juce::File first;
    {
        testsupport::PrivateTemporaryFolder a;
        testsupport::PrivateTemporaryFolder b;
        ASSERT_TRUE (a.isValid());
        ASSERT_TRUE (b.isValid());
        EXPECT_NE (a.getFolder(), b.getFolder());
        EXPECT_EQ (a.getFolder().getParentDirectory(), home.getTemporaryFolder());

        struct stat info {};
        ASSERT_EQ (::stat (a.getFolder().getFullPathName().toRawUTF8(), &info), 0);
        EXPECT_TRUE (S_ISDIR (info.st_mode));
        EXPECT_EQ (info.st_mode & 0777, 0700u);
        EXPECT_EQ (info.st_uid, ::getuid());

        a.getFolder().getChildFile ("inner/file.bin").create();
        first = a.getFolder();
    }
    EXPECT_FALSE (first.exists());
    EXPECT_TRUE (presettest::listFiles (home.getTemporaryFolder()).isEmpty());
}

TEST (PrivateTemporaryFolder, ReportsWhenTheFolderCannotBeMade)
{
    presettest::ScopedEnvironmentVariable missing ("TMPDIR", "/nonexistent/slvn-no-such-folder");
    testsupport::PrivateTemporaryFolder folder;
    EXPECT_FALSE (folder.isValid());
    EXPECT_EQ (folder.getFolder(), juce::File());
}
