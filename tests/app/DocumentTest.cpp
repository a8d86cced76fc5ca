#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "view/LevelPropertiesDlg.h"
#include "app/MainFrame.h"
#include "app/RecentFileList.h"
#include "common/EditorWindow.h"
#include "common/FileSizeLimit.h"
#include "common/LevelFiles.h"

#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

// An edit of the level: a new name, as Properties gives it.
void Rename(CEditingSession& session, const char* name)
{
    const CLevel& level = session.GetLevel();
    session.SetProperties(level.GetWidth(), level.GetHeight(), level.GetCreator(), name);
}

struct Document : DocumentWindow {
    // A copy of the sample level, which the tests may overwrite.
    QString sample;
    void SetUp() override
    {
        sample = dir.filePath("first-steps.lev");
        ASSERT_TRUE(QFile::copy(QStringLiteral(QV_TEST_SOURCE_DIR "/data/Levels/first-steps.lev"), sample));
    }
};

} // namespace

TEST_F(Document, StartsEmptyThenNewAsksForTheSize)
{
    // The first new document of the window, which comes without a dialog.
    manager.OnFileNew();

    // The next one shows the dialog with 20 and 20; Cancel keeps the level.
    int width = 0;
    int height = 0;
    {
        CModalHandler cancel([&](QWidget* modal) {
            auto* dialog = qobject_cast<CLevelPropertiesDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            width = dialog->findChild<QSpinBox*>("width")->value();
            height = dialog->findChild<QSpinBox*>("height")->value();
            dialog->reject();
        });
        manager.OnFileNew();
    }
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 20);
    EXPECT_EQ(document.GetLevel().GetWidth(), 10);

    // 100 is refused with a message and the dialog stays open; 2 x 99 is taken.
    QString refusal;
    bool stayedOpen = false;
    CModalHandler fill([&](QWidget* modal) {
        auto* dialog = qobject_cast<CLevelPropertiesDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QSpinBox*>("width")->setValue(100);
        dialog->findChild<QLineEdit*>("name")->setText("my {best} level");
        {
            CModalHandler refuse(Answer(QMessageBox::Ok, &refusal));
            dialog->accept();
        }
        stayedOpen = dialog->isVisible();
        dialog->findChild<QSpinBox*>("width")->setValue(2);
        dialog->findChild<QSpinBox*>("height")->setValue(99);
        dialog->accept();
    });
    manager.OnFileNew();
    EXPECT_EQ(refusal, "Please enter an integer between 2 and 99.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(document.GetLevel().GetWidth(), 2);
    EXPECT_EQ(document.GetLevel().GetHeight(), 99);
    EXPECT_EQ(document.GetLevel().GetName(), "my best level");
    EXPECT_DOUBLE_EQ(document.GetLevel().GetBallY(), 49.5);
}

TEST_F(Document, AsksToSaveExactlyWhenTheLevelIsModified)
{
    ASSERT_TRUE(manager.OpenDocumentFile(sample));
    frame->show();
    EXPECT_TRUE(frame->close()); // no question

    frame = std::make_unique<CMainFrame>();
    ASSERT_TRUE(frame->GetDocManager().OpenDocumentFile(sample));
    Rename(frame->GetDocument().GetSession(), "Changed");
    frame->show();
    QString question;
    {
        const CModalHandler cancel(Answer(QMessageBox::Cancel, &question));
        EXPECT_FALSE(frame->close());
    }
    EXPECT_EQ(question, "Save changes to first-steps.lev?"); // the file by its name, not its path
    // Ctrl+Q closes the window after the same question.
    question.clear();
    const CModalHandler discard(Answer(QMessageBox::No, &question));
    Key(Qt::Key_Q);
    EXPECT_EQ(question, "Save changes to first-steps.lev?");
    EXPECT_FALSE(frame->isVisible());

    // As the desktop session ends, the same question. Cancel stops the logout; after No, closing
    // the window still asks (another program may have stopped the logout), but the session
    // manager's Quit, which ends the session, closes it without asking again.
    // Qt answers the Quit by closing every window and ending the application; here the window is
    // closed as Qt closes it, after the window's own look at the Quit, and the tests go on.
    struct CQuitCloses : QObject {
        QWidget* window = nullptr;
        bool eventFilter(QObject*, QEvent* event) override
        {
            return event->type() == QEvent::Quit && (window->close(), true);
        }
    } quitCloses;
    qApp->installEventFilter(&quitCloses); // before the window's filter, so it runs after it
    frame = std::make_unique<CMainFrame>();
    quitCloses.window = frame.get();
    ASSERT_TRUE(frame->GetDocManager().OpenDocumentFile(sample));
    Rename(frame->GetDocument().GetSession(), "Changed");
    frame->show();
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::No}) {
        const CModalHandler handler(Answer(answer));
        EXPECT_EQ(frame->AskBeforeSessionEnds(), answer == QMessageBox::No);
        EXPECT_TRUE(handler.WasShown());
    }
    const CModalHandler cancel(Answer(QMessageBox::Cancel));
    EXPECT_FALSE(frame->close());
    const CModalHandler unasked(Answer(QMessageBox::Cancel));
    QEvent quit(QEvent::Quit);
    QApplication::sendEvent(qApp, &quit);
    EXPECT_FALSE(unasked.WasShown());
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(Document, UnreadableFilesAreReportedRejectedOnesAreNot)
{
    ASSERT_TRUE(manager.OpenDocumentFile(sample));
    const std::string before = document.GetLevel().WriteText();
    const QString missing = dir.filePath("missing.lev");
    const QString truncated = Put("truncated.lev", ArchiveOf("{Quorvale1}").substr(0, 5));
    // What files are read is FileAccess's to check; here each kind of reason as the user reads it.
    const std::pair<QString, QString> cases[] = {
        {missing, "No such file or directory"},
        {truncated, "unexpected end of file"},
        {"/dev/zero", "Not a regular file"},
    };
    for (const auto& [path, reason] : cases) {
        QString message;
        CModalHandler report(Answer(QMessageBox::Ok, &message));
        EXPECT_FALSE(manager.OpenDocumentFile(path));
        EXPECT_EQ(message, "Cannot open " + QDir::toNativeSeparators(path) + ".\n" + reason);
        EXPECT_EQ(document.GetLevel().WriteText(), before);
    }
    // The reasons of the editor's own speak Swedish too.
    ASSERT_TRUE(CEditorApp::SetLanguage("sv"));
    {
        QString message;
        CModalHandler report(Answer(QMessageBox::Ok, &message));
        EXPECT_FALSE(manager.OpenDocumentFile("/dev/zero"));
        EXPECT_EQ(message, QString::fromUtf8("Det går inte att öppna /dev/zero.\nInte en vanlig fil"));
    }
    CEditorApp::SetLanguage("en");

    // A text the reader refuses: opened without a word, the level stays under the new name.
    const QString rejected = Put("rejected.lev", ArchiveOf("{Not a level}{1}{x}{y}"));
    EXPECT_TRUE(manager.OpenDocumentFile(rejected));
    EXPECT_EQ(document.GetPathName(), rejected);
    EXPECT_EQ(document.GetLevel().WriteText(), before);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(Document, CtrlShiftSAsksForANewNameEvenWhenTheLevelHasOne)
{
    ASSERT_TRUE(manager.OpenDocumentFile(sample));
    const CModalHandler cancel([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Save As");
        dialog->reject();
    });
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(cancel.WasShown());
}

TEST_F(Document, NamesThatAreNotUtf8OpenAndSaveUnderTheirOwnBytes)
{
    // A name with the byte 0xFF, which Qt reads as U+FFFD and so loses.
    const QByteArray raw = QFile::encodeName(dir.path()) + "/level\xFF.lev";
    std::filesystem::copy_file(sample.toStdString(), raw.toStdString());
    const QString name = DecodeFileName(raw);

    // Named on the command line.
    auto* app = static_cast<CEditorApp*>(QCoreApplication::instance());
    ASSERT_TRUE(app->InitInstance({"quorvale-editor", "--lang", "en", name}));
    EXPECT_EQ(app->GetMainFrame()->GetDocument().GetPathName(), name);
    EXPECT_EQ(app->GetMainFrame()->windowTitle(), QString::fromUtf8("level\uFFFD.lev[*] - Quorvale editor"));

    // Chosen in an Open dialog that answers with the name as Qt shows it, with U+FFFD.
    const CModalHandler open([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Typed into the name field: while that has the focus, selectFile leaves it as it is.
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFile::decodeName(raw));
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept, as its Open button
    });
    manager.OnFileOpen();
    EXPECT_EQ(document.GetPathName(), name);

    // Saved back under the same bytes; nothing else is written.
    Rename(document.GetSession(), "Saved back");
    ASSERT_TRUE(manager.DoSave(document.GetPathName()));
    CLevel reread;
    ASSERT_TRUE(reread.LoadFromFile(raw.toStdString()));
    EXPECT_EQ(reread.GetName(), "Saved back");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 2);

    // Opened again from the recent files, also after the list was stored and read back.
    ASSERT_TRUE(manager.OpenDocumentFile(sample));
    CRecentFileList stored;
    stored.ReadList();
    EXPECT_EQ(stored.GetAt(1), name);
    manager.OnOpenRecentFile(1);
    EXPECT_EQ(document.GetPathName(), name);

    // A Save As that cannot be written leaves the level modified, under its own name; so does a
    // New whose save, asked for by its question, finds the disk full.
    Rename(document.GetSession(), "Changed");
    QString message;
    {
        const CModalHandler report(Answer(QMessageBox::Ok, &message));
        EXPECT_FALSE(manager.DoSave(dir.path()));
    }
    EXPECT_EQ(message, "Cannot save " + dir.path() + ".\nIs a directory");
    {
        const CFileSizeLimit full(100);
        std::optional<CModalHandler> report;
        const CModalHandler question([&](QWidget* modal) {
            report.emplace(Answer(QMessageBox::Ok, &message));
            Answer(QMessageBox::Yes)(modal);
        });
        manager.OnFileNew();
    }
    EXPECT_TRUE(message.endsWith(".lev.\nFile too large")) << message.toStdString();
    EXPECT_EQ(level.GetName(), "Changed");
    EXPECT_TRUE(document.IsModified());
    std::filesystem::remove(raw.toStdString()); // Qt cannot see the name, so it cannot remove it
}

TEST_F(Document, AFileDroppedOnTheWindowOpensOnceTheDropHasEnded)
{
    // Dragged over the middle of the view and dropped, as a file manager drops; whether the window
    // took the drop. The events go to the window, which finds the widget that takes drops.
    const QPoint middle = view.mapTo(frame.get(), view.rect().center());
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(middle, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame->windowHandle(), &enter);
        if (!enter.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(frame->windowHandle(), &leave);
            return false;
        }
        QDropEvent dropped(middle, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame->windowHandle(), &dropped);
        return dropped.isAccepted();
    };
    EXPECT_FALSE(drop({QUrl("https://example.org/level.lev")}));

    // A name with the byte 0xFF, percent-encoded in the URL as file managers send it.
    const QByteArray raw = QFile::encodeName(dir.path()) + "/dropped\xFF.lev";
    std::filesystem::copy_file(sample.toStdString(), raw.toStdString());
    const QUrl url = QUrl::fromEncoded("file://" + raw.toPercentEncoding("/"));
    ASSERT_TRUE(manager.OpenDocumentFile(sample));
    Rename(session, "Changed");
    // The question comes once the drop has returned, and Cancel keeps the level.
    QString question;
    {
        const CModalHandler cancel(Answer(QMessageBox::Cancel, &question));
        EXPECT_TRUE(drop({QUrl("https://example.org/"), url}));
        EXPECT_TRUE(question.isEmpty());
        ASSERT_TRUE(WaitFor([&] { return cancel.WasShown(); }));
    }
    EXPECT_EQ(question, "Save changes to first-steps.lev?");
    EXPECT_EQ(level.GetName(), "Changed");

    const CModalHandler discard(Answer(QMessageBox::No));
    EXPECT_TRUE(drop({url}));
    EXPECT_TRUE(WaitFor([&] { return document.GetPathName() == DecodeFileName(raw); }));
}
