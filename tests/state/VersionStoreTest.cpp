// The earlier versions kept before saves: what is kept, for which file, and what is dropped.
#include "common/FileSizeLimit.h"
#include "common/ScratchFolder.h"
#include "state/VersionStore.h"

#include <gtest/gtest.h>

namespace {

class VersionStore : public CScratchTest {
protected:
    // The contents of the versions kept of path, newest first.
    static std::vector<std::string> Kept(const CVersionStore& store, const std::string& path)
    {
        std::vector<std::string> contents;
        for (const CKeptVersion& version : store.List(path)) {
            EXPECT_EQ(version.size, Slurp(version.path).size());
            contents.push_back(Slurp(version.path));
        }
        return contents;
    }
    // Gives the file at path the content and keeps it, as a save over it would.
    static void SaveOver(CVersionStore& store, const std::string& path, const std::string& content)
    {
        std::ofstream(path, std::ios::binary) << content;
        std::string reason;
        ASSERT_TRUE(store.Keep(path, reason)) << reason;
    }
};

} // namespace

TEST_F(VersionStore, KeepsTheLastTwentyContentsOfAFileNewestFirst)
{
    CVersionStore store(Path("versions"));
    const std::string file = Path("level.lev");
    std::string reason;
    ASSERT_TRUE(store.Keep(file, reason)) << "a new file has nothing to keep";
    EXPECT_TRUE(store.List(file).empty());
    for (int i = 0; i < 23; ++i)
        SaveOver(store, file, "content " + std::to_string(i));
    // A save that did not change the file keeps nothing new.
    SaveOver(store, file, "content 22");
    const std::vector<std::string> kept = Kept(store, file);
    ASSERT_EQ(kept.size(), 20u);
    EXPECT_EQ(kept.front(), "content 22");
    EXPECT_EQ(kept.back(), "content 3");
    // The file is kept by its path, however that is written; the file itself is never touched.
    const fs::path start = fs::current_path();
    fs::current_path(m_dir);
    EXPECT_EQ(store.List("./sub/../level.lev").size(), 20u);
    fs::current_path(start);
    EXPECT_EQ(Slurp(file), "content 22");
}

TEST_F(VersionStore, TheTotalLimitDropsTheOldestCopiesOfAllFiles)
{
    CVersionStore store(Path("versions"), CVersionStore::kMaxPerFile, 1000);
    const std::string a = Path("a.lev");
    const std::string b = Path("b.lev");
    SaveOver(store, a, "a1" + std::string(298, 'x'));
    SaveOver(store, b, "b1" + std::string(298, 'x'));
    SaveOver(store, a, "a2" + std::string(298, 'x'));
    SaveOver(store, b, "b2" + std::string(398, 'x'));
    EXPECT_EQ(Kept(store, a), std::vector<std::string>{"a2" + std::string(298, 'x')});
    EXPECT_EQ(Kept(store, b).size(), 2u);
    // A copy larger than the whole limit is still kept, alone.
    SaveOver(store, a, std::string(1500, 'z'));
    EXPECT_EQ(Kept(store, a), std::vector<std::string>{std::string(1500, 'z')});
    EXPECT_TRUE(Kept(store, b).empty());
}

TEST_F(VersionStore, PathsOfAnyBytesAndLengthHaveHistoriesOfTheirOwn)
{
    CVersionStore store(Path("versions"));
    // Names that differ only in bytes that are not UTF-8, which a conversion to text would merge.
    const std::string latin = Path("\xE5.lev");
    const std::string other = Path("\xE4.lev");
    SaveOver(store, latin, "latin");
    SaveOver(store, other, "other");
    EXPECT_EQ(Kept(store, latin), std::vector<std::string>{"latin"});
    EXPECT_EQ(Kept(store, other), std::vector<std::string>{"other"});

    // A path longer than any file name: the store's names stay short.
    std::string deep = m_dir.string();
    while (deep.size() < 3000)
        deep += "/" + std::string(200, 'd');
    fs::create_directories(deep);
    SaveOver(store, deep + "/deep.lev", "deep");
    EXPECT_EQ(Kept(store, deep + "/deep.lev"), std::vector<std::string>{"deep"});

    // Two paths whose hashes meet: the folder of one is taken to record the other's path, so the
    // next version of the first must go to a folder of its own.
    const std::string taken = store.List(latin).front().path;
    std::ofstream(fs::path(taken).parent_path() / "path", std::ios::binary) << "/another/level.lev";
    EXPECT_TRUE(store.List(latin).empty());
    SaveOver(store, latin, "latin 2");
    EXPECT_EQ(Kept(store, latin), std::vector<std::string>{"latin 2"});
    EXPECT_EQ(Slurp(taken), "latin");
}

TEST_F(VersionStore, AStoreThatCannotBeWrittenFailsTheKeepAlone)
{
    const std::string file = Write("level.lev", std::string(4000, 'l'));
    std::string reason;
    // A folder that cannot be made (a file stands in the way), and a full disk.
    Write("blocked", "");
    EXPECT_FALSE(CVersionStore(Path("blocked/versions")).Keep(file, reason));
    EXPECT_FALSE(reason.empty());
    CVersionStore store(Path("versions"));
    SaveOver(store, file, "small");
    std::ofstream(file, std::ios::binary) << std::string(4000, 'l');
    {
        const CFileSizeLimit full(1000);
        reason.clear();
        EXPECT_FALSE(store.Keep(file, reason));
    }
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(Kept(store, file), std::vector<std::string>{"small"}) << "a partial copy was kept";
    EXPECT_EQ(Slurp(file), std::string(4000, 'l'));
}
