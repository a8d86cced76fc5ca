#include "QStringPrinter.h"
#include "FakeOpener.h"
#include "MessageBoxCatcher.h"

#include "holmfc/BrowserCommand.h"
#include "holmfc/HyperLink.h"
#include "view/QtTestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(GotoURL, HandsAddressesToTheDesktopWithoutTheirUrlPrefix)
{
    CFakeOpener opener;
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("URL:https://www.example.org/quorvale")), CHyperLink::kOpened);
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("mailto:quorvale@example.org")), CHyperLink::kOpened);
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("https://www.example.org/quorvale")));
    EXPECT_EQ(opener.opened[1], QUrl(QStringLiteral("mailto:quorvale@example.org")));
    EXPECT_TRUE(opener.started.isEmpty());
}

TEST(GotoURL, LocalFilesThatAreNotThereFailWithoutAskingTheDesktop)
{
    CFakeOpener opener;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString manual = dir.filePath(QStringLiteral("Manual/index.html"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Manual")));

    EXPECT_EQ(CHyperLink::GotoURL(manual), CHyperLink::kErrorFileNotFound);
    EXPECT_EQ(CHyperLink::GotoURL(dir.filePath(QStringLiteral("Handbok/index.html"))), CHyperLink::kErrorPathNotFound);
    EXPECT_TRUE(opener.opened.isEmpty());

    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(CHyperLink::GotoURL(manual), CHyperLink::kOpened);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(manual));
}

TEST(GotoURL, FallsBackOnTheDefaultBrowserWithTheAddressAsOneArgument)
{
    CFakeOpener opener;
    opener.desktopAccepts = false;
    const QString address = QStringLiteral("https://www.example.org/a b;rm -rf ~ \"quoted\"");

    opener.browserCommand = QStringLiteral("/usr/lib/browser/browser %u");
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kOpened);
    opener.browserCommand = QStringLiteral("\"/opt/My Browser/browser\" -nohome \"%1\"");
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kOpened);
    opener.browserCommand = QStringLiteral("browser --class %i %U");
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kOpened);
    opener.browserCommand = QStringLiteral("browser --new-window");
    EXPECT_EQ(CHyperLink::GotoURL(QStringLiteral("URL:") + address), CHyperLink::kOpened);

    ASSERT_EQ(opener.started.size(), 4);
    EXPECT_EQ(opener.started[0], (QStringList{QStringLiteral("/usr/lib/browser/browser"), address}));
    EXPECT_EQ(opener.started[1], (QStringList{QStringLiteral("/opt/My Browser/browser"), QStringLiteral("-nohome"), address}));
    EXPECT_EQ(opener.started[2], (QStringList{QStringLiteral("browser"), QStringLiteral("--class"), address}));
    EXPECT_EQ(opener.started[3], (QStringList{QStringLiteral("browser"), QStringLiteral("--new-window"), address}));

    // No browser known, or one that does not start.
    opener.browserCommand.clear();
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kErrorNoAssociation);
    opener.browserCommand = QStringLiteral("browser %u");
    opener.processStarts = false;
    EXPECT_EQ(CHyperLink::GotoURL(address), CHyperLink::kErrorOutOfResources);
}

TEST(GotoURL, RefusesAFallbackCommandLineThatDoesNotFitItsBuffer)
{
    CBrowserCommand command;
    const QString program = QStringLiteral("/usr/bin/browser");
    // program, a space, the address: 519 characters fit with the terminator, 520 do not.
    const QString fits = QStringLiteral("https://www.example.org/") + QString(519 - program.size() - 1 - 24, QLatin1Char('x'));
    ASSERT_TRUE(command.Build(program + QStringLiteral(" %u"), fits));
    EXPECT_EQ(command.GetCommandLine().size(), 519);
    EXPECT_EQ(command.GetCommandLine(), program + QLatin1Char(' ') + fits);
    EXPECT_FALSE(command.Build(program + QStringLiteral(" %u"), fits + QLatin1Char('x')));
    EXPECT_TRUE(command.GetProgram().isEmpty());
    EXPECT_TRUE(command.GetArguments().isEmpty());

    CFakeOpener opener;
    opener.desktopAccepts = false;
    opener.browserCommand = program + QStringLiteral(" %u");
    EXPECT_EQ(CHyperLink::GotoURL(fits + QLatin1Char('x')), CHyperLink::kErrorNoAssociation);
    EXPECT_TRUE(opener.started.isEmpty());
    EXPECT_EQ(CHyperLink::GotoURL(fits), CHyperLink::kOpened);
    EXPECT_EQ(opener.started.size(), 1);
}

TEST(ReportError, ShowsTheTextOfTheCodeUnderItsHeading)
{
    const std::pair<int, const char*> table[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {42, "Unknown Error (42) occurred."},
        {-7, "Unknown Error (-7) occurred."},
    };
    for (const auto& [code, text] : table)
        EXPECT_EQ(CHyperLink::GetErrorMessage(code), QStringLiteral("Can't open link:\n\n") + QString::fromUtf8(text)) << code;

    const CShownMessage shown = CatchMessageBoxes([] { CHyperLink::ReportError(42); });
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.text, QStringLiteral("Can't open link:\n\nUnknown Error (42) occurred."));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}
