// The one way both programs read and write whole files: what is read, what is replaced, and that a
// failed write never touches the old file.
#include "common/FileSizeLimit.h"
#include "common/ScratchFolder.h"
#include "file/FileAccess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

class FileAccess : public CScratchTest {
protected:
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const std::string& path)
    {
        struct stat info {};
        return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
    }
};

} // namespace

TEST_F(FileAccess, ReadsOnlyRegularFilesWithinTheLimit)
{
    const std::string bytes("level\0bytes\xFF", 12);
    const std::string file = Write("file.lev", bytes);
    fs::create_symlink("file.lev", Path("link.lev"));
    std::string read;
    std::string reason;
    for (const std::string& path : {file, Path("link.lev")}) {
        ASSERT_TRUE(ReadRegularFile(path, read, reason)) << reason;
        EXPECT_EQ(read, bytes);
    }
    ASSERT_TRUE(ReadRegularFile(file, read, reason, bytes.size()));

    // Nothing but a regular file is opened, so a FIFO without a writer cannot block the read.
    ASSERT_EQ(mkfifo(Path("fifo.lev").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", Path("zero.lev"));
    const std::string huge = Write("huge.lev", "");
    fs::resize_file(huge, kMaxReadBytes + 1);
    const std::pair<std::string, std::string> refused[] = {
        {Path("missing.lev"), std::strerror(ENOENT)}, {m_dir.string(), std::strerror(EISDIR)},
        {Path("fifo.lev"), kReasonNotRegular},         {Path("zero.lev"), kReasonNotRegular},
        {huge, kReasonTooLarge},
    };
    for (const auto& [path, why] : refused) {
        EXPECT_FALSE(ReadRegularFile(path, read, reason)) << path;
        EXPECT_EQ(reason, why) << path;
    }
    EXPECT_FALSE(ReadRegularFile(file, read, reason, bytes.size() - 1));
    EXPECT_EQ(reason, kReasonTooLarge);
}

TEST_F(FileAccess, WritesReplaceOnlyRegularFiles)
{
    std::string reason;
    ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0600), 0);
    fs::create_directory(Path("folder"));
    std::vector<std::string> kept = {"fifo", "folder"};
    // A device node of its own (a copy of /dev/null), where the user may make one.
    if (mknod(Path("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        kept.push_back("device");
    fs::create_symlink("fifo", Path("link-to-fifo"));
    kept.push_back("link-to-fifo");
    std::sort(kept.begin(), kept.end());

    for (const std::string& name : kept) {
        const mode_t before = Mode(Path(name));
        EXPECT_FALSE(WriteFileAtomically(Path(name), "level", reason)) << name;
        EXPECT_EQ(reason, name == "folder" ? std::strerror(EISDIR) : kReasonNotRegular) << name;
        EXPECT_EQ(Mode(Path(name)), before) << name;
    }
    EXPECT_EQ(Names(), kept) << "a temporary file was left behind";

    // A chain of links that never ends, and a folder that does not exist.
    fs::create_symlink("loop-b", Path("loop-a"));
    fs::create_symlink("loop-a", Path("loop-b"));
    EXPECT_FALSE(WriteFileAtomically(Path("loop-a"), "level", reason));
    EXPECT_EQ(reason, std::strerror(ELOOP));
    EXPECT_FALSE(WriteFileAtomically(Path("none/level.lev"), "level", reason));
    EXPECT_EQ(reason, std::strerror(ENOENT));
}

TEST_F(FileAccess, WritesFollowLinksAndKeepPermissionsOwnerAndOtherHardLinks)
{
    fs::create_directory(Path("real"));
    const std::string target = Write("real/target.lev", "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
    }
    fs::create_hard_link(target, Path("hard.lev"));
    // A chain: relative links, the first one to a link in another folder.
    fs::create_symlink("real/via.lev", Path("link.lev"));
    fs::create_symlink("target.lev", Path("real/via.lev"));

    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(Path("link.lev"), "new", reason)) << reason;
    EXPECT_EQ(Slurp(target), "new");
    EXPECT_EQ(fs::read_symlink(Path("link.lev")), "real/via.lev");
    EXPECT_EQ(fs::read_symlink(Path("real/via.lev")), "target.lev");
    EXPECT_EQ(Slurp(Path("hard.lev")), "old") << "the other name keeps the old file";
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }

    // A link to a file that is not there yet: the file is made where it points, with the
    // permissions the umask gives a new file.
    fs::create_symlink("real/new.lev", Path("dangling.lev"));
    const mode_t umaskBefore = umask(027);
    const bool made = WriteFileAtomically(Path("dangling.lev"), "made", reason);
    umask(umaskBefore);
    ASSERT_TRUE(made) << reason;
    EXPECT_EQ(Slurp(Path("real/new.lev")), "made");
    EXPECT_EQ(Mode(Path("real/new.lev")) & 07777, 0640u);
    EXPECT_TRUE(S_ISLNK(Mode(Path("dangling.lev"))));

    // A name as long as a name may be still leaves room for the temporary file beside it.
    const std::string longName(255, 'x');
    ASSERT_TRUE(WriteFileAtomically(Path(longName), "long", reason)) << reason;
    ASSERT_TRUE(WriteFileAtomically(Path(longName), "longer", reason)) << reason;
    EXPECT_EQ(Slurp(Path(longName)), "longer");
    EXPECT_EQ(Names(), (std::vector<std::string>{"dangling.lev", "hard.lev", "link.lev", "real", longName}));
}

// In a sticky folder open to all, a save follows only the links of the saver and of the folder's
// owner, as the kernel would; giving a link to another user needs root.
TEST_F(FileAccess, LinksInSharedFoldersAreFollowedOnlyFromTheirOwners)
{
    const std::string target = Write("target.lev", "old");
    fs::create_directory(Path("shared"));
    ASSERT_EQ(chmod(Path("shared").c_str(), 01777), 0);
    fs::create_symlink(target, Path("shared/mine.lev"));
    std::string reason;
    ASSERT_TRUE(WriteFileAtomically(Path("shared/mine.lev"), "mine", reason)) << reason;
    EXPECT_EQ(Slurp(target), "mine");
    if (geteuid() != 0)
        GTEST_SKIP() << "a link of another user needs root";

    fs::create_symlink(target, Path("shared/theirs.lev"));
    ASSERT_EQ(lchown(Path("shared/theirs.lev").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(WriteFileAtomically(Path("shared/theirs.lev"), "theirs", reason));
    EXPECT_EQ(reason, kReasonForeignLink);
    EXPECT_EQ(Slurp(target), "mine");
    // Reached through a link of the saver's elsewhere, just the same.
    fs::create_symlink(Path("shared/theirs.lev"), Path("via.lev"));
    EXPECT_FALSE(WriteFileAtomically(Path("via.lev"), "theirs", reason));
    // The folder's owner's links are followed, and so is any link in a folder without the sticky bit.
    ASSERT_EQ(chown(Path("shared").c_str(), 65534, 65534), 0);
    ASSERT_TRUE(WriteFileAtomically(Path("shared/theirs.lev"), "owner's", reason)) << reason;
    EXPECT_EQ(Slurp(target), "owner's");
    ASSERT_EQ(chown(Path("shared").c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(Path("shared").c_str(), 0777), 0);
    ASSERT_TRUE(WriteFileAtomically(Path("shared/theirs.lev"), "not sticky", reason)) << reason;
    EXPECT_EQ(Slurp(target), "not sticky");
}

TEST_F(FileAccess, AFailedWriteKeepsTheOldFileByteForByte)
{
    // The disk fills up half way through the new file, whatever its size.
    for (const std::size_t size : {1000u, 4096u, 12988u, 16384u, 65536u, 1u << 20}) {
        const std::string old = Write("level.lev", std::string(size, 'o'));
        std::string reason;
        bool written = true;
        {
            const CFileSizeLimit full(size / 2);
            written = WriteFileAtomically(old, std::string(size, 'n'), reason);
        }
        EXPECT_FALSE(written) << size;
        EXPECT_EQ(reason, std::strerror(EFBIG)) << size;
        EXPECT_TRUE(Slurp(old) == std::string(size, 'o')) << size;
        EXPECT_EQ(Names(), std::vector<std::string>{"level.lev"}) << size;
    }
}
