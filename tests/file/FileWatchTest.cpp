// The watch on the open file: the writes of others seen through renames and links, by content.
#include "common/ScratchFolder.h"
#include "file/FileAccess.h"
#include "file/FileWatch.h"

#include <gtest/gtest.h>

#include <poll.h>

using FileWatch = CScratchTest;

TEST_F(FileWatch, SeesEveryWriterOfTheFileAndNothingElse)
{
    const std::string file = Write("level.lev", "first");
    fs::create_directory(m_dir / "other");
    CFileWatch watch;
    watch.Watch(file);
    ASSERT_GE(watch.GetDescriptor(), 0);
    // Waits for the events of a change and tells whether any concerns the file.
    auto eventsConcernIt = [&] {
        pollfd ready{watch.GetDescriptor(), POLLIN, 0};
        return poll(&ready, 1, 5000) == 1 && watch.ReadEvents();
    };
    std::string reason;
    Write("other.lev", "another file in the folder");
    EXPECT_FALSE(eventsConcernIt());
    // Atomic saves, one after the other: the watch outlives the renames.
    for (const char* text : {"second", "third"}) {
        ASSERT_TRUE(WriteFileAtomically(file, text, reason));
        EXPECT_TRUE(eventsConcernIt()) << text;
        EXPECT_TRUE(watch.HasChanged());
        watch.Remember();
        EXPECT_FALSE(watch.HasChanged());
    }
    // The same bytes written again are no change; a file deleted is one.
    ASSERT_TRUE(WriteFileAtomically(file, "third", reason));
    EXPECT_TRUE(eventsConcernIt());
    EXPECT_FALSE(watch.HasChanged());
    fs::remove(file);
    EXPECT_TRUE(eventsConcernIt());
    EXPECT_TRUE(watch.HasChanged());

    // A link to a file in another folder, under a name that is not UTF-8, written in place.
    const std::string target = Write("other/\xE5.lev", "linked");
    fs::create_symlink(target, Path("link.lev"));
    watch.Watch(Path("link.lev"));
    EXPECT_FALSE(watch.HasChanged());
    std::ofstream(target, std::ios::binary) << "changed in place";
    EXPECT_TRUE(eventsConcernIt());
    EXPECT_TRUE(watch.HasChanged());
}
