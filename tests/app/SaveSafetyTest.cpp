// Saving never damages the file it replaces and never loses the level being edited: not when the
// process dies in the middle of a save, not when the target is read-only. Opening and discarding
// never write the file at all. A full disk is the file library's to check (FileAccess).
#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "common/LevelFiles.h"
#include "common/QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include <unistd.h>

namespace {

// Large enough that writing and syncing it takes a while: about a megabyte of level text.
constexpr int kLargeSide = 400;
constexpr int kNobody = 65534;

CLevel MakeLevel(int side, const std::string& name, int seed)
{
    CLevel level;
    level.Init(side, side, name, "save safety");
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            level.SetBlock(x, y, (x + y + seed) % 5, (x * y) % 4, (x + seed) % 6, (y + seed) % 9, (x * 7 + y) % 6,
                           (x + 3 * y) % 9);
    return level;
}

// The level text without the identity, which every save rebuilds.
std::string ContentOf(CLevel level)
{
    level.SetId({});
    return level.WriteText();
}

// The content of a level file, or an empty string when it is not a complete, accepted level.
std::string ContentOfFile(const QString& path)
{
    CLevel level;
    return ReadLevel(ReadBytes(path), level) ? ContentOf(level) : std::string();
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs this process, and the programs it starts, as a user that may not write files made by root
// (when run as root; otherwise the current user already cannot write read-only files). Root stays
// the saved user id, so the destructor can switch back.
class COtherUser {
public:
    COtherUser()
        : m_switched(geteuid() == 0 && setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0)
    {
    }
    ~COtherUser()
    {
        if (m_switched) {
            setresuid(0, 0, 0);
            setresgid(0, 0, 0);
        }
    }
    COtherUser(const COtherUser&) = delete;
    COtherUser& operator=(const COtherUser&) = delete;

private:
    bool m_switched;
};

struct SaveSafety : ::testing::Test {
    QTemporaryDir dir;
    const CLevel saved = MakeLevel(kLargeSide, "saved", 0);
    const CLevel edited = MakeLevel(kLargeSide, "edited", 1);
    QString path;

    void SetUp() override
    {
        path = WriteBytes(dir.filePath("level.lev"), FileBytes(saved));
    }
};

} // namespace

// The saving process is this test itself, started again with the file to save over in
// QV_SAVE_LOOP: it says "saving" and then saves the edited level with the document's code until
// it is killed. (A fork of this process could hang on a lock of a Qt thread.) It is killed at
// random moments over its run, again and again; after every kill the file must be one of the two
// levels, complete. Every other round starts from the old file again, so kills land in saves over
// either version.
TEST_F(SaveSafety, KillingTheEditorDuringSavesLeavesAWholeFile)
{
    CEditorDoc document;
    document.GetSession().ReplaceLevel(edited);
    QString reason;
    if (const QString target = qEnvironmentVariable("QV_SAVE_LOOP"); !target.isEmpty()) {
        std::printf("saving\n");
        std::fflush(stdout);
        for (;;)
            document.OnSaveDocument(target, &reason);
    }
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(document.OnSaveDocument(dir.filePath("timing.lev"), &reason));
    auto window = 2 * std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

    std::mt19937 random(7);
    const std::string before = ContentOf(saved);
    const std::string after = ContentOf(edited);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QV_SAVE_LOOP", path);
    environment.insert("TMPDIR", dir.path()); // what the killed child leaves goes with dir
    int newSeen = 0;
    // A busy machine can make the saver slower than the timing taken here: until a kill has come
    // after a completed save, more rounds follow with a wider window.
    constexpr int kRounds = 20;
    for (int round = 0; round < kRounds || (newSeen == 0 && round < 10 * kRounds); ++round) {
        if (round >= kRounds)
            window += window / 2;
        if (round % 2 == 0)
            WriteBytes(path, FileBytes(saved));
        QProcess saver;
        saver.setProcessEnvironment(environment);
        // Another test's New or Open may have left the current folder in a folder since removed.
        saver.setWorkingDirectory(dir.path());
        saver.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=SaveSafety.KillingTheEditorDuringSavesLeavesAWholeFile"});
        while (saver.waitForReadyRead(60000) && !saver.readAll().contains("saving\n")) {
        }
        ASSERT_EQ(saver.state(), QProcess::Running);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % window.count()));
        saver.kill(); // SIGKILL
        saver.waitForFinished(60000);
        const std::string content = ContentOfFile(path);
        ASSERT_TRUE(content == before || content == after) << "round " << round << ": damaged file";
        newSeen += content == after;
    }
    // The kills fell both before and after saves that completed.
    EXPECT_GT(newSeen, 0);
}

TEST_F(SaveSafety, AReadOnlyTargetIsNeverReplaced)
{
    const std::string bytes = ReadBytes(path);
    // A read-only file in a folder the saver may write to, and a file in a read-only folder.
    QTemporaryDir writable;
    const QString inOpenFolder = writable.filePath("level.lev");
    ASSERT_TRUE(QFile::copy(path, inOpenFolder));
    ASSERT_TRUE(QFile::setPermissions(writable.path(), QFileDevice::Permissions(0x7777)));
    ASSERT_TRUE(QFile::setPermissions(inOpenFolder, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                        QFileDevice::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                      QFileDevice::ReadOther | QFileDevice::ExeOther));

    for (const QString& target : {path, inOpenFolder}) {
        CEditorDoc document;
        document.GetSession().ReplaceLevel(edited);
        document.GetSession().SetModified(true);
        QString reason;
        bool savedAnyway = true;
        {
            const COtherUser other;
            savedAnyway = document.OnSaveDocument(target, &reason);
        }
        EXPECT_FALSE(savedAnyway) << target.toStdString();
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_TRUE(document.IsModified());
        EXPECT_TRUE(ReadBytes(target) == bytes) << target.toStdString() << " was replaced";
    }
    EXPECT_EQ(FilesIn(dir.path()), QStringList{"level.lev"});
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(SaveSafety, OpeningAndDiscardingNeverWriteTheFile)
{
    // A current file, an old-format file and one whose text the reader refuses: none is converted,
    // rewritten or touched by opening, editing, switching files and closing without saving.
    const QString old = dir.filePath("old.lev");
    const QString refused = dir.filePath("refused.lev");
    const std::string oldText = "{Quorvael alfa1}{}{old}{}{2}{2}{1}{1}{T1G2W8}{$}{$}{S0I9}";
    const std::string refusedText = "{Quorvale2}{}{x}{}{2}{2}{1}{1}{$}{$}{$}{$}";
    for (const auto& [file, text] : {std::pair{old, oldText}, std::pair{refused, refusedText}})
        WriteBytes(file, CArchive::EncodeLength(static_cast<std::uint32_t>(text.size())) + text);
    QMap<QString, std::pair<std::string, QDateTime>> before;
    for (const QString& name : FilesIn(dir.path())) {
        const QString file = dir.filePath(name);
        before[file] = {ReadBytes(file), QFileInfo(file).lastModified()};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // a write would move the times

    std::optional<CModalHandler> question;
    {
        CMainFrame frame;
        CDocManager& manager = frame.GetDocManager();
        frame.show();
        for (const QString& file : {path, old, refused}) {
            ASSERT_TRUE(manager.OpenDocumentFile(file));
            frame.GetDocument().GetSession().ShiftLevel(1, 0);
            question.emplace(Answer(QMessageBox::No));
        }
        ASSERT_TRUE(manager.OpenDocumentFile(path));
        frame.GetDocument().GetSession().RotateLevel();
        frame.GetDocument().GetSession().SetModified(true);
        // A question closed without an answer keeps the edited level, like Cancel.
        const std::string inWindow = frame.GetDocument().GetLevel().WriteText();
        question.emplace([](QWidget* box) { static_cast<QDialog*>(box)->done(QMessageBox::NoButton); });
        EXPECT_FALSE(manager.OpenDocumentFile(old));
        EXPECT_EQ(frame.GetDocument().GetLevel().WriteText(), inWindow);
        question.emplace(Answer(QMessageBox::No));
        EXPECT_TRUE(frame.close());
    }
    EXPECT_EQ(FilesIn(dir.path()).size(), before.size());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        EXPECT_TRUE(ReadBytes(it.key()) == it.value().first) << it.key().toStdString() << " was written";
        EXPECT_EQ(QFileInfo(it.key()).lastModified(), it.value().second) << it.key().toStdString();
    }
}
