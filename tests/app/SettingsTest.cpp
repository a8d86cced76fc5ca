#include "view/EditorSettings.h"
#include "app/MainFrame.h"
#include "view/ProfileKey.h"
#include "app/RecentFileList.h"
#include "holmfc/Registry.h"
#include "common/QtTestApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each test starts from an empty settings store and no file: what other tests' windows saved is
// written first, then dropped.
struct Settings : ::testing::Test {
    void SetUp() override
    {
        CRegistry::CloseStores();
        Store().clear();
        m_file = QFile::encodeName(Store().fileName());
        unlink(m_file.constData());
    }
    static QSettings Store()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisationName, kApplicationName);
    }
    static QVariant Value(const char* name)
    {
        return Store().value(QStringLiteral("Software/Brannholt/Quorvale/Quorvale Editor/misc/") + name);
    }
    // The settings file replaced by something else, which the editor's stores open afresh.
    void ReplaceFile(const std::function<void(const char* name)>& make) const
    {
        CRegistry::CloseStores();
        QDir().mkpath(QFileInfo(QFile::decodeName(m_file)).path());
        unlink(m_file.constData());
        make(m_file.constData());
    }
    void TearDown() override
    {
        CRegistry::CloseStores();
        unlink(m_file.constData());
    }

    QByteArray m_file;
};

} // namespace

// A settings file that is a FIFO, or far larger than settings are, is not opened: the settings
// keep their defaults, and the file is left as it is.
TEST_F(Settings, OnlyARegularFileOfSaneSizeIsRead)
{
    ReplaceFile([](const char* name) { ASSERT_EQ(mkfifo(name, 0600), 0); });
    // A writer that finds a reader at the other end lets it go on, and tells.
    std::atomic<bool> opened = false;
    std::atomic<bool> done = false;
    std::thread writer([&] {
        while (!done) {
            if (const int fd = open(m_file.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                opened = true;
                close(fd);
            }
            std::this_thread::yield();
        }
    });
    CEditorSettings settings;
    settings.m_showGrid = false;
    settings.LoadSettings();
    settings.SaveSettings();
    QCoreApplication::processEvents();
    done = true;
    writer.join();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(settings.m_showGrid);
    struct stat info {};
    EXPECT_TRUE(stat(m_file.constData(), &info) == 0 && S_ISFIFO(info.st_mode));

    const QByteArray large = "[Software]\nBrannholt\\Quorvale\\Quorvale%20Editor\\misc\\grid=0\n" +
                             QByteArray(2 << 20, '\n');
    ReplaceFile([&](const char* name) {
        QFile file(QFile::decodeName(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(large) == large.size());
    });
    CEditorSettings defaults;
    defaults.LoadSettings();
    EXPECT_TRUE(defaults.m_showGrid);
    defaults.SaveSettings();
    QCoreApplication::processEvents();
    QFile file(QFile::decodeName(m_file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), large);
}

// A key is opened only when it holds values or may be made; values read back as written.
TEST_F(Settings, RegistryKeysAndValues)
{
    CRegistry registry;
    EXPECT_FALSE(registry.SetKey("Software\\Missing", false));
    EXPECT_EQ(registry.GetLastStatus(), CRegistry::kNotFound);
    EXPECT_TRUE(registry.SetKey("Software\\Test", true));
    EXPECT_EQ(registry.ReadInt("count", -5), -5);
    registry.SetLazyWrite(false);
    EXPECT_TRUE(registry.WriteInt("count", 12));
    EXPECT_TRUE(registry.WriteString("name", "twelve"));
    EXPECT_EQ(registry.ReadInt("name", -5), -5);
    EXPECT_TRUE(CRegistry().SetKey("Software\\Test", false));
}

// The values of one change (a setting, the four recent files) reach the file together once the
// event has been handled, not one write a value.
TEST_F(Settings, RecentFilesKeepTheNewestFourWrittenInOneGo)
{
    CEditorSettings settings;
    settings.m_playSound = false;
    settings.SaveSettings();
    CRecentFileList list;
    for (const char* name : {"/l/a.lev", "/l/b.lev", "/l/c.lev", "/l/d.lev", "/l/e.lev", "/l/c.lev"})
        list.Add(name);
    EXPECT_EQ(list.GetSize(), 4);
    list.WriteList();
    QFile file(QFile::decodeName(m_file));
    EXPECT_FALSE(file.exists());
    QCoreApplication::processEvents();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("sound=0") && text.contains("File4=/l/b.lev")) << text.constData();
    CRecentFileList read;
    read.ReadList();
    ASSERT_EQ(read.GetSize(), 4);
    EXPECT_EQ(read.GetAt(0), "/l/c.lev");
    EXPECT_EQ(read.GetAt(3), "/l/b.lev");

    // A long name is shortened in the middle on the menu and shown whole in the status bar.
    const QString longName = QStringLiteral("/l/") + QString(10000, QLatin1Char('x')) + QStringLiteral("/end.lev");
    read.Add(longName);
    read.WriteList();
    CMainFrame frame;
    const QList<QAction*> actions = frame.findChildren<QAction*>();
    const auto entry = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
        return action->text().startsWith(QLatin1String("&1 "));
    });
    ASSERT_NE(entry, actions.end());
    EXPECT_EQ((*entry)->text(), QStringLiteral("&1 /l/") + QString(27, QLatin1Char('x')) + QChar(0x2026) +
                                    QString(21, QLatin1Char('x')) + QStringLiteral("/end.lev"));
    EXPECT_EQ((*entry)->statusTip(), longName);
}

TEST_F(Settings, ViewSettingsBarsAndWindowPlacementAreRestored)
{
    // Any non-zero number reads as true and is written back as 1; zero reads as false.
    Store().setValue("Software/Brannholt/Quorvale/Quorvale Editor/misc/grid", 7);
    Store().setValue("Software/Brannholt/Quorvale/Quorvale Editor/misc/sound", 0);
    const QRect placed(40, 60, 640, 480);
    {
        CMainFrame frame;
        frame.show();
        frame.GetToolBar()->hide();
        frame.statusBar()->hide();
        frame.setGeometry(placed);
        EXPECT_TRUE(frame.close());
    }
    // Closing the editor also saved the view's settings.
    EXPECT_EQ(Value("grid").toInt(), 1);
    EXPECT_EQ(Value("sound").toInt(), 0);
    {
        CMainFrame frame;
        frame.show();
        EXPECT_TRUE(frame.GetToolBar()->isHidden());
        EXPECT_TRUE(frame.statusBar()->isHidden());
        EXPECT_EQ(frame.geometry(), placed);
        frame.showMaximized();
        EXPECT_TRUE(frame.close());
    }
    {
        // Maximised again, and back to the same place when restored.
        CMainFrame frame;
        frame.show();
        EXPECT_TRUE(frame.isMaximized());
        frame.showNormal();
        EXPECT_EQ(frame.geometry(), placed);
    }
    // A damaged value leaves the window at its first size.
    Store().setValue("Software/Brannholt/Quorvale/Quorvale Editor/WindowPlacement", QByteArray("damaged"));
    CMainFrame frame;
    EXPECT_EQ(frame.size(), QGuiApplication::primaryScreen()->availableSize() * 3 / 4);
}
