#include "view/EditorSettings.h"
#include "app/MainFrame.h"
#include "view/ProfileKey.h"
#include "app/RecentFileList.h"
#include "holmfc/Registry.h"
#include "view/QtTestApp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// Each test starts from an empty settings store.
struct Settings : ::testing::Test {
    void SetUp() override { Store().clear(); }
    static QSettings Store()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisationName, kApplicationName);
    }
    static QVariant Value(const char* name)
    {
        return Store().value(QStringLiteral("Software/Brannholt/Quorvale/Quorvale Editor/misc/") + name);
    }
};

} // namespace

TEST_F(Settings, GridAndSoundRoundTripUnderMisc)
{
    CEditorSettings settings;
    settings.LoadSettings();
    EXPECT_TRUE(settings.m_showGrid);
    EXPECT_TRUE(settings.m_playSound);
    EXPECT_FALSE(Value("grid").isValid());
    settings.SaveSettings();
    EXPECT_EQ(Value("grid").toInt(), 1);
    EXPECT_EQ(Value("sound").toInt(), 1);

    // Any non-zero number reads as true and is written back as 1; zero reads as false.
    Store().setValue("Software/Brannholt/Quorvale/Quorvale Editor/misc/grid", 7);
    Store().setValue("Software/Brannholt/Quorvale/Quorvale Editor/misc/sound", 0);
    CEditorSettings loaded;
    loaded.LoadSettings();
    EXPECT_TRUE(loaded.m_showGrid);
    EXPECT_FALSE(loaded.m_playSound);
    loaded.SaveSettings();
    EXPECT_EQ(Value("grid").toInt(), 1);
    EXPECT_EQ(Value("sound").toInt(), 0);
}

TEST_F(Settings, RegistryKeysAndValues)
{
    CRegistry registry;
    EXPECT_FALSE(registry.SetRootKey(static_cast<RegistryRoot>(42)));
    EXPECT_EQ(registry.GetRootKey(), RegistryRoot::CurrentUser);

    EXPECT_TRUE(registry.SetKey("Software\\Test", true));
    EXPECT_FALSE(registry.SetKey("Software\\Missing", false));
    EXPECT_EQ(registry.GetLastStatus(), CRegistry::kNotFound);
    EXPECT_EQ(registry.GetKeyPath(), "Software\\Test");

    EXPECT_FALSE(registry.ValueExists("count"));
    EXPECT_EQ(registry.ReadInt("count", -5), -5);
    registry.SetLazyWrite(false);
    EXPECT_TRUE(registry.WriteInt("count", 12));
    EXPECT_TRUE(registry.ValueExists("count"));
    EXPECT_EQ(registry.ReadInt("count", -5), 12);
    EXPECT_TRUE(registry.WriteString("name", "twelve"));
    EXPECT_EQ(registry.ReadInt("name", -5), -5);
    EXPECT_TRUE(registry.SetKey("Software\\Test", false));

    registry.ResetKey();
    EXPECT_EQ(registry.GetKeyPath(), "");
}

TEST_F(Settings, RecentFilesKeepTheNewestFour)
{
    CRecentFileList list;
    for (const char* name : {"/l/a.lev", "/l/b.lev", "/l/c.lev", "/l/d.lev", "/l/e.lev", "/l/c.lev"})
        list.Add(name);
    list.WriteList();
    CRecentFileList read;
    read.ReadList();
    ASSERT_EQ(read.GetSize(), 4);
    EXPECT_EQ(read.GetAt(0), "/l/c.lev");
    EXPECT_EQ(read.GetAt(1), "/l/e.lev");
    EXPECT_EQ(read.GetAt(3), "/l/b.lev");
    EXPECT_EQ(read.GetMenuText(0), "&1 /l/c.lev");
}

TEST_F(Settings, BarsAndWindowPlacementAreRestored)
{
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
    {
        CMainFrame frame;
        frame.show();
        EXPECT_TRUE(frame.GetToolBar()->isHidden());
        EXPECT_TRUE(frame.statusBar()->isHidden());
        EXPECT_EQ(frame.geometry(), placed);
        EXPECT_FALSE(frame.isMaximized());
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
