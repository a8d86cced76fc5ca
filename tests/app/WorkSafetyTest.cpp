// No work is lost to an Undo after Open, to another program writing the open file, or to a state
// folder that cannot take a version.
#include "app/DocManager.h"
#include "app/EarlierVersionsDlg.h"
#include "app/EditorDoc.h"
#include "app/RecoveryKeeper.h"
#include "common/EditorWindow.h"
#include "common/FileSizeLimit.h"
#include "common/LevelFiles.h"

#include <QDir>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>

#include <optional>

namespace {

struct WorkSafety : EditorWindow {
    QTemporaryDir dir;
    CEditorDoc& document = frame->GetDocument();
    CDocManager& manager = frame->GetDocManager();

    QString Put(const char* name, const std::string& bytes)
    {
        return WriteBytes(dir.filePath(QLatin1String(name)), bytes);
    }
};

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
    EXPECT_EQ(level.GetName(), "b");
    EXPECT_EQ(level.GetWidth(), 12);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), path);
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
    EXPECT_FALSE(document.IsModified());
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
    EXPECT_TRUE(document.IsModified());
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

TEST_F(WorkSafety, TheRecoveryCopyThreadFollowsTheChangesUntilSaveOrDiscard)
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
        for (int i = 0; i < times; ++i) {
            session.ShiftLevel(i % 2 == 0 ? 1 : -1, 0);
        }
    };
    // Twenty changes write the copy at once; fewer wait for the time to run out.
    change(19);
    EXPECT_TRUE(copies().empty());
    change(1);
    ASSERT_EQ(copies().size(), 1);
    const std::string copy = ReadBytes(folder.filePath(copies().front()));
    EXPECT_NE(copy.find(EncodeFileName(path).toStdString() + '\0' + level.WriteText()), std::string::npos);
    Run(CmdFileSave);
    EXPECT_TRUE(copies().empty()) << "Save removes the copy";
    change(20);
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
        bool saved = false;
        {
            const std::optional<CFileSizeLimit> limit =
                full ? std::optional<CFileSizeLimit>(std::in_place, old.size() / 2) : std::nullopt;
            saved = frame.GetDocManager().DoSave(path);
        }
        EXPECT_TRUE(saved);
        EXPECT_EQ(NameIn(ReadBytes(path)), "new");
        EXPECT_TRUE(frame.statusBar()->currentMessage().startsWith("Saved, but no earlier version of level.lev was kept: "))
            << frame.statusBar()->currentMessage().toStdString();
    }
}
