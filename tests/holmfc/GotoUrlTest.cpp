#include "FakeOpener.h"
#include "QStringPrinter.h"

#include "holmfc/HyperLink.h"
#include "common/QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GotoURL, DesktopOpensAddressesAndOnlyLocalFilesThatAreThere)
{
    CFakeOpener opener;
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Manual")));
    const QString manual = dir.filePath(QStringLiteral("Manual/index.html"));
    EXPECT_EQ(CHyperLink::GotoURL(manual), CHyperLink::kErrorFileNotFound);
    EXPECT_EQ(CHyperLink::GotoURL(dir.filePath(QStringLiteral("Handbok/index.html"))), CHyperLink::kErrorPathNotFound);
    EXPECT_TRUE(opener.opened.isEmpty());

    ASSERT_TRUE(QFile(manual).open(QIODevice::WriteOnly));
    EXPECT_EQ(CHyperLink::GotoURL(manual), CHyperLink::kOpened);
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("URL:https://www.example.org/quorvale")), CHyperLink::kOpened);
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("mailto:quorvale@example.org")), CHyperLink::kOpened);
    EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl::fromLocalFile(manual), QUrl(QStringLiteral("https://www.example.org/quorvale")),
                                          QUrl(QStringLiteral("mailto:quorvale@example.org"))}));
    EXPECT_TRUE(opener.started.isEmpty());
}

TEST(GotoURL, FallsBackOnTheDefaultBrowserWithTheEncodedUrlAsOneArgument)
{
    CFakeOpener opener;
    opener.desktopAccepts = false;
    const QString address = QStringLiteral("https://www.example.org/a b;rm -rf ~ \"quoted\"");
    const QString encoded = QStringLiteral("https://www.example.org/a%20b;rm%20-rf%20~%20%22quoted%22");
    for (const char* command : {"/usr/lib/browser/browser %u", "\"/opt/My Browser/browser\" -nohome \"%1\"",
                                "browser --class %i %U", "browser --new-window"}) {
        opener.browserCommand = QString::fromUtf8(command);
        EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("URL:") + address), CHyperLink::kOpened) << command;
    }
    EXPECT_EQ(opener.started,
              (QList<QStringList>{{QStringLiteral("/usr/lib/browser/browser"), encoded},
                                  {QStringLiteral("/opt/My Browser/browser"), QStringLiteral("-nohome"), encoded},
                                  {QStringLiteral("browser"), QStringLiteral("--class"), encoded},
                                  {QStringLiteral("browser"), QStringLiteral("--new-window"), encoded}}));

    // A local file whose name looks like an option reaches the browser as a file:// URL.
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(QFile(QStringLiteral("--new-window #1.html")).open(QIODevice::WriteOnly));
    opener.started.clear();
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("--new-window #1.html")), CHyperLink::kOpened);
    QDir::setCurrent(previous);
    ASSERT_EQ(opener.started.size(), 1);
    const QStringList started = opener.started.constFirst();
    EXPECT_EQ(started.size(), 3); // the browser, its option and the URL
    EXPECT_TRUE(started.constLast().startsWith(QStringLiteral("file:///"))) << started.constLast().toStdString();
    EXPECT_TRUE(started.constLast().endsWith(QStringLiteral("/--new-window%20%231.html")));

    opener.browserCommand.clear();
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kErrorNoAssociation);
    opener.browserCommand = QStringLiteral("browser %u");
    opener.processStarts = false;
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kErrorOutOfResources);
}

TEST(GotoURL, RefusesAFallbackCommandLineThatDoesNotFitItsBuffer)
{
    CFakeOpener opener;
    opener.desktopAccepts = false;
    opener.browserCommand = QStringLiteral("/usr/bin/browser %u");
    // "/usr/bin/browser", a space and the address: 519 characters fit with the terminator.
    const QString fits = QStringLiteral("https://www.example.org/") + QString(519 - 17 - 24, QLatin1Char('x'));
    EXPECT_EQ(CHyperLink::GotoURL(fits + QLatin1Char('x')), CHyperLink::kErrorNoAssociation);
    EXPECT_TRUE(opener.started.isEmpty());
    EXPECT_EQ(CHyperLink::GotoURL(fits), CHyperLink::kOpened);
    EXPECT_EQ(opener.started.size(), 1);
}

// The text under the heading for each code (shown in a message box: HyperLink's failure case).
TEST(ReportError, ShowsTheTextOfTheCodeUnderItsHeading)
{
    // The codes GotoURL can give here (no association, code 31, in HyperLinkTest), and another.
    const std::pair<int, const char*> table[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const auto& [code, text] : table)
        EXPECT_EQ(CHyperLink::GetErrorMessage(code), QStringLiteral("Can't open link:\n\n") + QString::fromUtf8(text)) << code;
}
