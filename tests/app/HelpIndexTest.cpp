#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "app/MainFrame.h"
#include "holmfc/ProgramPath.h"
#include "common/QtTestApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Takes the place of the desktop for file URLs and notes what it was asked to open.
class CFileOpener : public QObject {
    Q_OBJECT
public:
    CFileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~CFileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> m_opened;

public slots:
    void Open(const QUrl& url) { m_opened.append(url); }
};

} // namespace

TEST(HelpIndex, OpensTheManualOfTheLanguageBesideTheProgram)
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    EXPECT_EQ(GetProgramPath(true), folder); // the case is kept where file names have case
    EXPECT_EQ(GetProgramPath(false), QCoreApplication::applicationFilePath());
    // The folder of a path ends after its last backslash, else its last slash.
    EXPECT_EQ(GetFolderOfPath("a/b/c.lev"), "a/b/");
    EXPECT_EQ(GetFolderOfPath("level.lev"), "level.lev");
    EXPECT_EQ(GetFolderOfPath("C:\\Levels\\x/y.lev"), "C:\\Levels\\");

    CFileOpener opener;
    {
        CMainFrame frame;
        frame.GetAction(CmdHelpIndex)->trigger();
        frame.GetAction(CmdHelpIndex)->trigger();
    }
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    {
        CMainFrame frame;
        frame.GetAction(CmdHelpIndex)->trigger();
    }
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("en")));
    const QUrl english = QUrl::fromLocalFile(folder + "Manual/index.html");
    EXPECT_EQ(opener.m_opened, (QList<QUrl>{english, english, QUrl::fromLocalFile(folder + "Manual/index-se.html")}));
}

#include "HelpIndexTest.moc"
