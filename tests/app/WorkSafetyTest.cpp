// No work is lost: not when the editor dies in the middle of a save, not to a read-only target, an
// Undo after Open, another program writing the open file, or a state folder that cannot take a
// version; opening and discarding never write the file at all. A full disk is the file library's
// to check (FileAccess).
#include "app/DocManager.h"
#include "app/EarlierVersionsDlg.h"
#include "app/EditorDoc.h"
#include "app/RecoveryKeeper.h"
#include "common/EditorWindow.h"
#include "common/FileSizeLimit.h"
#include "common/LevelFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include <unistd.h>

namespace {

using WorkSafety = DocumentWindow;

} // namespace

TEST_F(WorkSafety, AFileSavedOverAfterUndoComesBackThroughEarlierVersions)
{
    const QString path = Put("b.lev", LevelFile(12, "b"));
    ASSERT_TRUE(manager.OpenDocumentFile(path));
    // Undo brings back the blank level of the start, unmodified, under b.lev's name; Save writes it.
    Run(CmdEditUndo);
    EXPECT_FALSE(document.IsModified());
    Run(CmdFileSave);
    ASSERT_EQ(NameIn(ReadBytes(path)), "");

    int listed = 0;
    {
        CModalHandler choose([&](QWidget* modal) {
            auto* dialog = qobject_cast<CEarlierVersionsDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            const auto* list = dialog->findChild<QListWidget*>("versions");
            listed = list->count();
            // The picture shows the level: grass in its middle.
            EXPECT_EQ(list->item(0)->icon().pixmap(96).toImage().pixelColor(48, 48), QColor(0x14, 0x80, 0x14));
            dialog->accept();
        });
        Run(CmdEarlierVersions);
    }
    EXPECT_EQ(listed, 1);
    EXPECT_TRUE(document.IsModified());
    // Save puts it back, and keeps the blank level it replaces as a version too.
    Run(CmdFileSave);
    EXPECT_EQ(NameIn(ReadBytes(path)), "b");
    EXPECT_EQ(manager.GetVersionStore().List(EncodeFileName(path).toStdString()).size(), 2u);
}

TEST_F(WorkSafety, AChangeOnDiskReloadsAnUnmodifiedLevelAndAsksForAModifiedOne)
{
    const QString path = Put("a.lev", LevelFile(10, "first"));
    ASSERT_TRUE(manager.OpenDocumentFile(path));
    Put("a.lev", LevelFile(11, "second"));
    ASSERT_TRUE(WaitFor([&] { return level.GetName() == "second"; }));
    EXPECT_EQ(frame->statusBar()->currentMessage(), "a.lev changed on disk and was reloaded.");

    // A modified level: No keeps it, and Save then asks before it overwrites the file.
    session.ShiftLevel(1, 0);
    QString question;
    {
        CModalHandler keep(Answer(QMessageBox::No, &question));
        Put("a.lev", LevelFile(12, "third"));
        ASSERT_TRUE(WaitFor([&] { return keep.WasShown(); }));
    }
    EXPECT_EQ(question, "a.lev has changed on disk. Reload it and lose your changes?");
    EXPECT_EQ(level.GetName(), "second");
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        question.clear();
        CModalHandler overwrite(Answer(answer, &question));
        EXPECT_EQ(manager.DoSave(path), answer == QMessageBox::Yes);
        EXPECT_EQ(question, "a.lev has changed on disk since you opened it. Overwrite it?");
        EXPECT_EQ(NameIn(ReadBytes(path)), answer == QMessageBox::Yes ? "second" : "third");
    }

    // Opening the open file again reads it again.
    Put("a.lev", LevelFile(13, "fourth"));
    ASSERT_TRUE(manager.OpenDocumentFile(path));
    EXPECT_EQ(level.GetName(), "fourth");
}

TEST_F(WorkSafety, TheRecoveryCopyComesAtTheTwentiethChangeAndGoesWithADiscard)
{
    const QString path = Put("r.lev", LevelFile(10, "r"));
    ASSERT_TRUE(manager.OpenDocumentFile(path));
    CRecoveryKeeper& keeper = frame->GetRecoveryKeeper();
    const QDir folder(qEnvironmentVariable("XDG_STATE_HOME") + "/quorvale-editor/recovery");
    auto copies = [&] {
        keeper.WaitForWrites();
        return folder.entryList({"*.recovery"}, QDir::Files);
    };
    auto change = [&](int times) {
        for (int i = 0; i < times; ++i)
            session.ShiftLevel(i % 2 == 0 ? 1 : -1, 0);
    };
    // Twenty changes write the copy at once; fewer wait for the time to run out.
    change(19);
    EXPECT_TRUE(copies().empty());
    change(1);
    ASSERT_EQ(copies().size(), 1);
    // New, No at the save question, and Cancel in the size dialog (when it comes): the changes
    // were discarded although the level stays.
    {
        std::optional<CModalHandler> properties;
        CModalHandler discard([&](QWidget* modal) {
            properties.emplace([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
            Answer(QMessageBox::No)(modal);
        });
        Run(CmdFileNew);
    }
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(copies().empty()) << "No at the save question removes the copy";
}

// A state folder that cannot be made (a file stands in its place), and a full disk: the old file is
// larger than the new level, and the disk has room for the new level only.
TEST(WorkSafetyStateFolder, AVersionThatCannotBeKeptNeverStopsTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("level.lev");
    const std::string old = LevelFile(60, "old");
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    for (const bool full : {false, true}) {
        WriteBytes(path, old);
        QFile(dir.filePath("blocked")).open(QIODevice::WriteOnly);
        if (!full)
            qputenv("XDG_STATE_HOME", dir.filePath("blocked").toLocal8Bit());
        CMainFrame frame;
        qputenv("XDG_STATE_HOME", state);
        ASSERT_TRUE(frame.GetDocManager().OpenDocumentFile(path));
        frame.GetDocument().GetSession().SetProperties(10, 10, "", "new");
        {
            const std::optional<CFileSizeLimit> limit =
                full ? std::optional<CFileSizeLimit>(std::in_place, old.size() / 2) : std::nullopt;
            EXPECT_TRUE(frame.GetDocManager().DoSave(path));
        }
        EXPECT_EQ(NameIn(ReadBytes(path)), "new");
        EXPECT_TRUE(frame.statusBar()->currentMessage().startsWith("Saved, but no earlier version of level.lev was kept: "))
            << frame.statusBar()->currentMessage().toStdString();
    }
}

namespace {

// Large enough that writing and syncing it takes a while: about a megabyte of level text.
constexpr int kLargeSide = 400;
constexpr int kNobody = 65534;

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
    const CLevel saved = MixedLevel(kLargeSide, kLargeSide, 0);
    const CLevel edited = MixedLevel(kLargeSide, kLargeSide, 1);
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
        WriteBytes(file, ArchiveOf(text));
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
