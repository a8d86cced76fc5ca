#include "common/EditorWindow.h"
#include "view/SoundModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A sound server as the sound thread meets it through its output: it starts each sound at once,
// or, while stalled, holds the sound thread inside Play until it is released.
struct CFakeServer {
    std::mutex mutex;
    std::condition_variable released;
    bool stalled = false;
    std::vector<std::string> played;
    std::thread::id playThread;
    std::thread::id destroyThread;

    void Stall(bool on)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        stalled = on;
        released.notify_all();
    }
    std::vector<std::string> Played()
    {
        const std::lock_guard<std::mutex> lock(mutex);
        return played;
    }
};

class CFakeOutput : public CSoundOutput {
public:
    explicit CFakeOutput(std::shared_ptr<CFakeServer> server) : m_server(std::move(server)) {}
    ~CFakeOutput() override
    {
        const std::lock_guard<std::mutex> lock(m_server->mutex);
        m_server->destroyThread = std::this_thread::get_id();
    }
    void Play(const std::string& path, std::function<void()> started) override
    {
        std::unique_lock<std::mutex> lock(m_server->mutex);
        m_server->played.push_back(QFileInfo(QString::fromStdString(path)).fileName().toStdString());
        m_server->playThread = std::this_thread::get_id();
        m_server->released.wait(lock, [&] { return !m_server->stalled; });
        started();
    }

private:
    std::shared_ptr<CFakeServer> m_server;
};

struct SoundThread : ::testing::Test {
    std::shared_ptr<CFakeServer> server = std::make_shared<CFakeServer>();
    int unavailable = 0;

    std::unique_ptr<CSoundModule> MakeSounds(std::chrono::milliseconds giveUpTime)
    {
        auto sounds = std::make_unique<CSoundModule>(
            [server = server] { return std::make_unique<CFakeOutput>(server); }, giveUpTime);
        QObject::connect(sounds.get(), &CSoundModule::Unavailable, [this] { ++unavailable; });
        return sounds;
    }
    void HandleEventsFor(std::chrono::milliseconds time)
    {
        const auto end = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < end)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
};

} // namespace

TEST_F(SoundThread, PlaysInOrderOffTheCallersThread)
{
    const std::unique_ptr<CSoundModule> sounds = MakeSounds(100ms);
    for (const char* name : {"sounds/HitWall.wav", "sounds/none.wav", "sounds/crowd.wav", "sounds/InCup.wav"})
        sounds->Play(name);
    ASSERT_TRUE(WaitFor([&] { return server->Played().size() == 3; }));
    EXPECT_EQ(server->Played(), (std::vector<std::string>{"HitWall.wav", "crowd.wav", "InCup.wav"}));
    EXPECT_NE(server->playThread, std::this_thread::get_id());
    // Every sound started (the missing one needed none): none is given up.
    HandleEventsFor(300ms);
    EXPECT_EQ(unavailable, 0);
    EXPECT_TRUE(sounds->IsAvailable());
}

TEST_F(SoundThread, AStalledServerTurnsTheSoundsOffAndIsLeftBehind)
{
    std::unique_ptr<CSoundModule> sounds = MakeSounds(250ms);
    // A sound given up, then one that starts: the count of sounds given up in a row starts over.
    server->Stall(true);
    sounds->Play("sounds/Water.wav");
    HandleEventsFor(750ms);
    server->Stall(false);
    sounds->Play("sounds/HitWall.wav");
    ASSERT_TRUE(WaitFor([&] { return server->Played().size() == 2; }));
    HandleEventsFor(750ms);

    // Stalled again: two sounds given up leave the sounds on, the third turns them off, once.
    server->Stall(true);
    sounds->Play("sounds/crowd.wav");
    sounds->Play("sounds/InCup.wav");
    HandleEventsFor(750ms);
    EXPECT_EQ(unavailable, 0);
    sounds->Play("sounds/Water.wav");
    EXPECT_TRUE(WaitFor([&] { return unavailable > 0; }));
    sounds->Play("sounds/HitWall.wav");
    HandleEventsFor(400ms);
    EXPECT_EQ(unavailable, 1);
    EXPECT_FALSE(sounds->IsAvailable());

    // The thread, still held inside Play, is left behind; released later, it plays nothing of
    // what waited (given up, or asked for once the sounds were off) and destroys the output on
    // its own thread.
    sounds.reset();
    server->Stall(false);
    ASSERT_TRUE(WaitFor([&] {
        const std::lock_guard<std::mutex> lock(server->mutex);
        return server->destroyThread != std::thread::id();
    }));
    EXPECT_EQ(server->destroyThread, server->playThread);
    EXPECT_EQ(server->Played(), (std::vector<std::string>{"Water.wav", "HitWall.wav", "crowd.wav"}));
}

TEST(SoundModule, FoundInTheCurrentFolderThenBesideTheProgram)
{
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    // The build folder's copy beside the program.
    const QString beside = CSoundModule::FindSoundFile(QStringLiteral("sounds/InCup.wav"));
    EXPECT_TRUE(beside.endsWith(QStringLiteral("/sounds/InCup.wav")));
    EXPECT_TRUE(CSoundModule::FindSoundFile(QStringLiteral("sounds/none.wav")).isEmpty());

    QDir(folder.path()).mkdir(QStringLiteral("sounds"));
    QFile own(folder.filePath(QStringLiteral("sounds/InCup.wav")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();
    EXPECT_EQ(CSoundModule::FindSoundFile(QStringLiteral("sounds/InCup.wav")),
              QFileInfo(own.fileName()).absoluteFilePath());
    QDir::setCurrent(previous);
}

TEST_F(SoundThread, TheModuleIsLoadedByTheFirstSound)
{
    // Loaded by the first sound, not before, on the sound thread; whatever the sound server does,
    // destroying the sounds returns.
    CSoundModule sounds;
    EXPECT_FALSE(sounds.IsLoaded());
    sounds.Play("sounds/Water.wav");
    EXPECT_TRUE(WaitFor([&] { return sounds.IsLoaded(); }));
}
