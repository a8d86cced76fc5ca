#include "QStringPrinter.h"

#include "holmfc/UrlOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& text, QFileDevice::Permissions permissions)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.setPermissions(permissions);
}

// Sets an environment variable for the life of the object.
class CEnvironmentValue {
public:
    CEnvironmentValue(const char* name, const QByteArray& value) : m_name(name), m_old(qgetenv(name)) { qputenv(name, value); }
    ~CEnvironmentValue() { qputenv(m_name, m_old); }
    CEnvironmentValue(const CEnvironmentValue&) = delete;
    CEnvironmentValue& operator=(const CEnvironmentValue&) = delete;

private:
    const char* m_name;
    QByteArray m_old;
};

} // namespace

// The desktop's answer comes from xdg-settings and the desktop entry it names, else from $BROWSER;
// a stand-in xdg-settings on the PATH plays the desktop.
TEST(UrlOpener, BrowserCommandComesFromTheDesktopEntryOrElseBrowser)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("data/applications")));
    const QFileDevice::Permissions script = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    WriteFile(dir.filePath(QStringLiteral("data/applications/test-browser.desktop")),
              "[Desktop Entry]\nName=Test\n\n[Desktop Action new]\nExec=wrong\n", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const CEnvironmentValue path("PATH", dir.filePath(QStringLiteral("bin")).toLocal8Bit());
    const CEnvironmentValue data("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    const CEnvironmentValue browser("BROWSER", "lynx -force_html:w3m");
    CUrlOpener desktop;

    // No xdg-settings at all, then one that knows no default browser, then one whose entry has
    // no Exec key in its main group: $BROWSER's first command.
    EXPECT_EQ(desktop.GetBrowserCommand(), QStringLiteral("lynx -force_html"));
    WriteFile(dir.filePath(QStringLiteral("bin/xdg-settings")), "#!/bin/sh\nexit 2\n", script);
    EXPECT_EQ(desktop.GetBrowserCommand(), QStringLiteral("lynx -force_html"));
    WriteFile(dir.filePath(QStringLiteral("bin/xdg-settings")),
              "#!/bin/sh\n[ \"$1 $2\" = \"get default-web-browser\" ] && echo test-browser.desktop\n", script);
    EXPECT_EQ(desktop.GetBrowserCommand(), QStringLiteral("lynx -force_html"));

    WriteFile(dir.filePath(QStringLiteral("data/applications/test-browser.desktop")),
              "[Desktop Entry]\nName=Test\nExec=/opt/test/browser --private %u\n\n[Desktop Action new]\nExec=wrong\n",
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(desktop.GetBrowserCommand(), QStringLiteral("/opt/test/browser --private %u"));
}
