#include "ZipTestSupport.h"

#include "application/CPXWResource.h"
#include "file/FileExtensionChecker.h"
#include "file/FileExtensions.h"
#include "file/FileReplacer.h"
#include "file/FileResultCodes.h"
#include "formats/Utf8Text.h"
#include "support/InterposedFileCalls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>


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
const char* const accessListAttribute = "system.posix_acl_access";

// An access list as the system stores it: the owner may read and write; one
// other user, the file's group and everybody else what is given; the mask is
// "read".
std::string accessList (std::uint16_t user, std::uint16_t group, std::uint16_t others)
{
    const std::uint32_t unnamed = 0xffffffff;
    const std::uint32_t entries[][3] = {
        { ACL_USER_OBJ, 6, unnamed }, { ACL_USER, user, 4242 }, { ACL_GROUP_OBJ, group, unnamed },
        { ACL_MASK, 4, unnamed },     { ACL_OTHER, others, unnamed },
    };
    std::string stored;
    const auto put = [&stored] (std::uint32_t value, int size) {
        for (int index = 0; index < size; ++index, value >>= 8)
            stored += (char) (value & 0xff);
    };
    put (POSIX_ACL_XATTR_VERSION, 4);
    for (const auto& entry : entries)
    {
        put (entry[0], 2);
        put (entry[1], 2);
        put (entry[2], 4);
    }
    return stored;
}

bool setAttribute (const juce::String& path, const char* name, const std::string& value)
{
    return ::setxattr (path.toRawUTF8(), name, value.data(), value.size(), 0) == 0;
}

// The attribute's value; empty when the file has none.
std::string attribute (const juce::String& path, const char* name)
{
    char value[256];
    const auto size = ::getxattr (path.toRawUTF8(), name, value, sizeof (value));
    return size > 0 ? std::string (value, (size_t) size) : std::string();
}

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

TEST (FileReplacer, TheFolderIsFlushedOnceTheNewFileIsInPlace)
{
    ScratchFolder folder;
    const auto target = folder.write ("Bank.slvnlib", bytesOf ("old"));
    // A flush that fails leaves the new content in place, but the save is not
    // reported as done.
    for (const auto& [error, content, code] : { std::tuple (0, "new", file::WriteErrorNoError),
                                                std::tuple (EIO, "newer", file::WriteErrorWriteData) })
    {
        juce::StringArray flushed;
        testsupport::InterposedFolderSync sync ([&, error = error] (const juce::File& synced) {
            flushed.add (synced.getFullPathName() + ": " + target.loadFileAsString());
            return error;
        });
        EXPECT_EQ (file::replaceFileContent (target, bytesOf (content)), code);
        EXPECT_EQ (flushed, juce::StringArray (folder.get().getFullPathName() + ": " + content));
    }
}

TEST (FileReplacer, TheNewFileGivesNobodyMoreThanTheOldOneDid)
{
    // Where the group cannot be kept, the new file's group and everybody else
    // each get what both had before; setuid and setgid go, a read-only file
    // stays read-only. An access list (one user named besides the owner, so
    // the mode shows the list's mask) goes over, limited like the mode where
    // the group goes; where it cannot go, the mode gives nobody more than it
    // did, not even to a user whom the list shut out. Extended attributes of
    // the user's own go over in every case. The superuser may always change
    // a group, so the refusals are forced.
    enum class Refused { nothing, owner, ownerAndGroup, accessList };
    struct Row
    {
        mode_t mode;
        Refused refused;
        std::string list;
        mode_t expectedMode;
        bool keepsGroup;
        std::string expectedList;
    };
    const Row rows[] = {
        { 0640, Refused::nothing, {}, 0640, true, {} },
        { 0444, Refused::nothing, {}, 0444, true, {} },
        { 06750, Refused::nothing, {}, 0750, true, {} },
        { 0664, Refused::owner, {}, 0664, true, {} },
        { 0640, Refused::ownerAndGroup, {}, 0600, false, {} },
        { 0674, Refused::ownerAndGroup, {}, 0644, false, {} },
        { 0604, Refused::ownerAndGroup, {}, 0600, false, {} },
        { 0640, Refused::nothing, accessList (4, 0, 0), 0640, true, accessList (4, 0, 0) },
        { 0640, Refused::accessList, accessList (4, 0, 0), 0600, true, {} },
        { 0644, Refused::accessList, accessList (0, 4, 4), 0600, true, {} },
        { 0640, Refused::ownerAndGroup, accessList (4, 4, 0), 0640, false, accessList (4, 0, 0) },
    };
    const auto otherGroup = ::getegid() + 1;
    for (const auto& row : rows)
    {
        ScratchFolder folder;
        const auto target = folder.write ("Bank.slvnlib", bytesOf ("old")).getFullPathName();
        if (::chown (target.toRawUTF8(), (uid_t) -1, otherGroup) != 0)
            GTEST_SKIP() << "this user cannot give a file a group of which it is no member";
        ASSERT_EQ (::chmod (target.toRawUTF8(), row.mode), 0);
        // New files in the folder take its default list, which names a user
        // whom the old file may not name.
        const bool taken = setAttribute (target, "user.note", "kept")
                           && (row.list.empty() || setAttribute (target, accessListAttribute, row.list))
                           && setAttribute (folder.get().getFullPathName(), "system.posix_acl_default",
                                            accessList (4, 0, 0));
        if (! taken && errno == ENOTSUP)
            GTEST_SKIP() << "the temporary folder's file system takes no extended attributes or access lists";
        ASSERT_TRUE (taken) << std::strerror (errno);

        const auto refused = row.refused;
        testsupport::InterposedOwnerChange change ([refused] (uid_t owner, gid_t) {
            const bool refuse = refused == Refused::ownerAndGroup || (refused == Refused::owner && owner != (uid_t) -1);
            return refuse ? EPERM : 0;
        });
        testsupport::InterposedAttributeChange attributes ([refused] (const juce::String& name) {
            return refused == Refused::accessList && name == accessListAttribute ? EOPNOTSUPP : 0;
        });
        EXPECT_EQ (file::replaceFileContent (juce::File (target), bytesOf ("new")), file::WriteErrorNoError);
        struct stat status {};
        ASSERT_EQ (::stat (target.toRawUTF8(), &status), 0);
        EXPECT_EQ (status.st_mode & 07777, row.expectedMode) << std::oct << row.mode;
        EXPECT_EQ (status.st_gid == otherGroup, row.keepsGroup) << std::oct << row.mode;
        EXPECT_EQ (attribute (target, accessListAttribute), row.expectedList) << std::oct << row.mode;
        EXPECT_EQ (attribute (target, "user.note"), "kept") << std::oct << row.mode;
    }
}

TEST (FileReplacer, SavingFollowsEveryLinkAndKeepsTheReplacedFilesMode)
{
    // "alias" is a linked folder, so a ".." in a link inside it climbs out of
    // real/, not back to the top. Every file starts private and "old".
    const juce::StringArray files { "real/real.slvnlib", "real/data/lib.slvnlib", "data/lib.slvnlib" };
    std::vector<std::pair<juce::String, juce::String>> links = {
        { "link2.slvnlib", "real/real.slvnlib" },
        { "lib.slvnlib", "ABSOLUTE/link2.slvnlib" },
        { "alias", "real/sub" },
        { "real/sub/lnk.slvnlib", "../data/lib.slvnlib" },
        { "dangling.slvnlib", "alias/../new.slvnlib" },
        { "loop.slvnlib", "loop.slvnlib" },
        { "topipe.slvnlib", "pipe.slvnlib" },
        { "todevice.slvnlib", "device.slvnlib" },
        { "shared/foreign.slvnlib", "../real/real.slvnlib" },
        { "shared/owners.slvnlib", "../real/real.slvnlib" },
    };
    // chainN.slvnlib reaches the missing chained.slvnlib through N links.
    for (int number = 1; number <= 41; ++number)
        links.push_back ({ "chain" + juce::String (number) + ".slvnlib",
                           number == 1 ? "chained.slvnlib" : "chain" + juce::String (number - 1) + ".slvnlib" });
    const std::tuple<const char*, const char*, int> cases[] = {
        { "real/real.slvnlib", "real/real.slvnlib", file::WriteErrorNoError },
        { "lib.slvnlib", "real/real.slvnlib", file::WriteErrorNoError },
        { "alias/lnk.slvnlib", "real/data/lib.slvnlib", file::WriteErrorNoError },
        { "dangling.slvnlib", "real/new.slvnlib", file::WriteErrorNoError },
        { "loop.slvnlib", "", file::WriteErrorOpenFile },
        { "chain40.slvnlib", "chained.slvnlib", file::WriteErrorNoError },
        { "chain41.slvnlib", "", file::WriteErrorOpenFile },
        { "pipe.slvnlib", "", file::WriteErrorDeleteFile },
        { "todevice.slvnlib", "", file::WriteErrorDeleteFile },
        { "shared/foreign.slvnlib", "", file::WriteErrorOpenFile },
        { "shared/owners.slvnlib", "real/real.slvnlib", file::WriteErrorNoError },
    };
    bool sharedFolderSkipped = false;
    for (const auto& [opened, replaced, code] : cases)
    {
        ScratchFolder folder;
        for (const auto* name : { "real/sub", "real/data", "data", "shared" })
            ASSERT_TRUE (folder.file (name).createDirectory().wasOk());
        for (const auto& name : files)
            ASSERT_EQ (::chmod (folder.write (name, bytesOf ("old")).getFullPathName().toRawUTF8(), 0600), 0);
        for (const auto& [name, target] : links)
            ASSERT_EQ (::symlink (target.replace ("ABSOLUTE", folder.get().getFullPathName()).toRawUTF8(),
                                  folder.file (name).getFullPathName().toRawUTF8()), 0);
        // A device node of its own where this user may make one; otherwise
        // the system's, which such a user cannot replace either.
        const auto device = folder.file ("device.slvnlib").getFullPathName();
        if (::mknod (device.toRawUTF8(), S_IFCHR | 0666, makedev (1, 3)) != 0)
        {
            ASSERT_EQ (::symlink ("/dev/null", device.toRawUTF8()), 0);
        }
        ASSERT_EQ (::mkfifo (folder.file ("pipe.slvnlib").getFullPathName().toRawUTF8(), 0600), 0);
        // A sticky folder that everybody may write, of another user, holding
        // a link of that user's and one of a third user's, which the system
        // refuses to follow. Only the superuser can give them away.
        const auto path = [&folder] (const char* name) { return folder.file (name).getFullPathName().toStdString(); };
        const bool shared = ::chmod (path ("shared").c_str(), 01777) == 0
                            && ::chown (path ("shared").c_str(), 4243, (gid_t) -1) == 0
                            && ::lchown (path ("shared/owners.slvnlib").c_str(), 4243, (gid_t) -1) == 0
                            && ::lchown (path ("shared/foreign.slvnlib").c_str(), 4244, (gid_t) -1) == 0;
        if (! shared && juce::String (opened).startsWith ("shared/"))
        {
            sharedFolderSkipped = true;
            continue;
        }
        const auto entries = [&folder] {
            return folder.get().findChildFiles (juce::File::findFilesAndDirectories, true, "*",
                                                juce::File::FollowSymlinks::no).size();
        };
        const auto before = entries();

        EXPECT_EQ (file::replaceFileContent (folder.file (opened), bytesOf ("new")), code) << opened;
        juce::StringArray expected (files);
        expected.addIfNotAlreadyThere (replaced);
        expected.removeEmptyStrings();
        for (const auto& name : expected)
        {
            juce::MemoryBlock content;
            EXPECT_TRUE (folder.file (name).loadFileAsData (content)) << opened << " " << name;
            EXPECT_EQ (raw (content), name == replaced ? "new" : "old") << opened << " " << name;
        }
        struct stat status {};
        if (files.contains (replaced))
        {
            ASSERT_EQ (::stat (folder.file (replaced).getFullPathName().toRawUTF8(), &status), 0);
            EXPECT_EQ (status.st_mode & 07777, 0600u) << opened;
        }
        for (const auto& link : links)
            EXPECT_TRUE (folder.file (link.first).isSymbolicLink()) << opened << " " << link.first;
        ASSERT_EQ (::lstat (folder.file ("pipe.slvnlib").getFullPathName().toRawUTF8(), &status), 0);
        EXPECT_TRUE (S_ISFIFO (status.st_mode)) << opened;
        ASSERT_EQ (::stat (device.toRawUTF8(), &status), 0);
        EXPECT_TRUE (S_ISCHR (status.st_mode)) << opened;
        EXPECT_EQ (entries(), before + expected.size() - files.size()) << opened;
    }

    // A new file gets what the user's umask leaves.
    ScratchFolder folder;
    const auto previousMask = ::umask (002);
    const auto created = folder.file ("created.slvnlib");
    EXPECT_EQ (file::replaceFileContent (created, bytesOf ("new")), file::WriteErrorNoError);
    ::umask (previousMask);
    struct stat status {};
    ASSERT_EQ (::stat (created.getFullPathName().toRawUTF8(), &status), 0);
    EXPECT_EQ (status.st_mode & 07777, 0664u);
    if (sharedFolderSkipped)
        GTEST_SKIP() << "only the superuser can give links to other users: the shared folder's rows did not run";
}

TEST (FileReplacer, ATemporaryNameIsFoundWhateverIsLeftAndWhatIsLeftStaysAlone)
{
    // The first name left is a dangling link (as editors leave for their
    // locks), which looks free to a check for existence yet holds the name;
    // the others are files left by saves that were cut off. Names of 248
    // bytes and more leave no room for the temporary name's additions, so the
    // plain temporary name holds only the first 247 bytes of them.
    const std::pair<juce::String, int> rows[] = {
        { "Bank.slvnlib", 1 },
        { "Bank.slvnlib", 100 },
        { juce::String::repeatedString ("x", 248), 0 },
        { juce::String::repeatedString ("y", 255), 0 },
        { juce::String::repeatedString ("z", 250), 1 },
    };
    for (const auto& [name, numLeft] : rows)
    {
        ScratchFolder folder;
        const auto plainTemporary = folder.file ("." + name.substring (0, 247) + ".saving");
        // Written in place: the framework's own saves cannot take such a name.
        const auto target = folder.file (name);
        ASSERT_TRUE (target.appendText ("old")) << name;
        for (int number = 1; number <= numLeft; ++number)
        {
            const auto left =
                number == 1 ? plainTemporary : folder.file ("." + name + "-" + juce::String (number) + ".saving");
            if (number == 1)
                ASSERT_EQ (::symlink ("elsewhere", left.getFullPathName().toRawUTF8()), 0);
            else
                left.replaceWithText ("left");
        }

        EXPECT_EQ (file::replaceFileContent (target, bytesOf ("new")), file::WriteErrorNoError) << name;
        juce::MemoryBlock content;
        ASSERT_TRUE (target.loadFileAsData (content));
        EXPECT_EQ (raw (content), "new") << name;
        EXPECT_EQ (filesIn (folder.get()), numLeft + 1) << name;
        EXPECT_EQ (plainTemporary.isSymbolicLink(), numLeft > 0) << name;
    }
}

TEST (Utf8Text, TheStrictCheckCoversEveryByteOfTheLength)
{
    const std::tuple<const char*, std::string, bool> rows[] = {
        { "plain", "abc", true },
        { "two-byte form", "\xc3\xa9", true },
        { "cut short", "a\xc3", false },
        { "overlong form", "\xe0\x82\xb6", false },
        { "surrogate", "\xed\xa0\x80", false },
        { "beyond U+10FFFF", "\xf4\x90\x80\x80", false },
        { "NUL", std::string ("a\0b", 3), true },
        { "malformed after a NUL", std::string ("a\0\xff\xfe", 4), false },
    };
    for (const auto& [what, bytes, wellFormed] : rows)
        EXPECT_EQ (formats::isWellFormedUtf8 (bytes.data(), bytes.size()), wellFormed) << what;
}
