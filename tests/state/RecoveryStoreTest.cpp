// Recovery copies: kept apart for every running editor, offered once their editor is gone.
#include "common/ScratchFolder.h"
#include "state/LatestJobThread.h"
#include "state/RecoveryStore.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>

#include <sys/wait.h>

namespace {

using RecoveryStore = CScratchTest;

} // namespace

TEST_F(RecoveryStore, ACopyIsOfferedOnceItsEditorIsGoneAndToOneEditorOnly)
{
    const std::string folder = Path("recovery");
    std::string reason;
    CRecoveryStore running(folder);
    ASSERT_TRUE(running.Write("/levels/running.lev", "{Quorvale1}running", reason)) << reason;

    // An editor killed after writing its copy: a process that ends without the store's clean end.
    const pid_t child = fork();
    if (child == 0) {
        auto* killed = new CRecoveryStore(folder);
        killed->Write("/levels/\xE5.lev", "{Quorvale1}first", reason);
        killed->Write("/levels/\xE5.lev", std::string("{Quorvale1}latest\0{x}", 21), reason);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    CRecoveryStore starting(folder);
    std::vector<CRecoveryCopy> found = starting.FindAbandoned();
    ASSERT_EQ(found.size(), 1u) << "the running editor's copy is not offered";
    EXPECT_EQ(found[0].documentPath, "/levels/\xE5.lev");
    EXPECT_EQ(found[0].levelText, std::string("{Quorvale1}latest\0{x}", 21));
    // An editor starting while the question is asked does not offer the same copy.
    EXPECT_TRUE(CRecoveryStore(folder).FindAbandoned().empty());
    starting.Forget(found[0]);
    EXPECT_TRUE(CRecoveryStore(folder).FindAbandoned().empty());

    // Save or Discard removes the copy; the clean end leaves nothing behind at all.
    ASSERT_TRUE(running.Write("", "{Quorvale1}again", reason));
    {
        CRecoveryStore ended(folder);
        ASSERT_TRUE(ended.Write("", "{Quorvale1}ended", reason));
    }
    running.Remove();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "only the running lock";
}

TEST(LatestJobThread, AJobWaitingIsReplacedByTheNextOne)
{
    std::vector<int> ran;
    std::mutex gate;
    std::unique_lock hold(gate);
    std::promise<void> started;
    CLatestJobThread thread;
    thread.Post([&] {
        started.set_value();
        const std::lock_guard wait(gate);
        ran.push_back(1);
    });
    started.get_future().wait();
    thread.Post([&] { ran.push_back(2); });
    thread.Post([&] { ran.push_back(3); });
    hold.unlock();
    thread.Wait();
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
}
