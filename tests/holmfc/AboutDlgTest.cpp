#include "FakeOpener.h"
#include "QStringPrinter.h"

#include "app/AboutDlg.h"
#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "app/MainFrame.h"
#include "holmfc/HyperLink.h"
#include "holmfc/ProgramPath.h"
#include "common/QtTestApp.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QLabel* FindLabel(const QDialog& dialog, const QString& text)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

// The line the child run of ReadMeTargetKeepsTheCaseOfTheProgramFolder prints its target on.
const char* const kTargetLine = "ReadMe target: ";

} // namespace

TEST(AboutDlg, HelpAboutOpensTheBoxOverTheMainWindow)
{
    CMainFrame frame;
    const CModalHandler about([&](QWidget* modal) {
        auto* dialog = qobject_cast<CAboutDlg*>(modal);
        EXPECT_TRUE(dialog && dialog->parentWidget() == &frame && !dialog->windowIcon().isNull());
        modal->close();
    });
    frame.GetAction(CmdAppAbout)->trigger();
    EXPECT_TRUE(about.WasShown());
}

TEST(AboutDlg, LinksToTheMakerAndTheManualOfTheLanguageBesideTheProgram)
{
    const CAboutDlg english;
    EXPECT_EQ(english.windowTitle(), QStringLiteral("About Quorvale Editor"));
    EXPECT_EQ(english.GetWebLink().GetURL(), QStringLiteral("URL:https://www.example.org/quorvale"));
    EXPECT_EQ(english.GetMailLink().GetURL(), QStringLiteral("mailto:quorvale@example.org"));
    EXPECT_EQ(english.GetReadMeLink().text(), QStringLiteral("ReadMe"));
    // The build copies the manual beside the programs.
    EXPECT_EQ(english.GetReadMeLink().GetURL(), GetProgramPath(true) + QStringLiteral("Manual/index.html"));
    for (const CHyperLink* link : {&english.GetWebLink(), &english.GetMailLink(), &english.GetReadMeLink()}) {
        EXPECT_EQ(link->toolTip(), link->GetURL());
        EXPECT_EQ(link->width(), QFontMetrics(link->font()).horizontalAdvance(link->text()));
    }

    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    const CAboutDlg dialog;
    CEditorApp::SetLanguage(QStringLiteral("en"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Om Quorvale Editor"));
    EXPECT_NE(FindLabel(dialog, QStringLiteral("Freeware. Hämta senaste versionen här:")), nullptr);
    EXPECT_EQ(dialog.GetReadMeLink().text(), QStringLiteral("ReadMe-filen."));
    EXPECT_EQ(dialog.GetReadMeLink().GetURL(), GetProgramPath(true) + QStringLiteral("Manual/index-se.html"));
    EXPECT_TRUE(QFile::exists(dialog.GetReadMeLink().GetURL()));
    // The longer Swedish sentence has the wider box of the Swedish layout.
    const QLabel* info = FindLabel(dialog, QStringLiteral("För mer information (hjälp och liknande) läs i "));
    const QLabel* englishInfo = FindLabel(english, QStringLiteral("More information and help is found in"));
    ASSERT_TRUE(info && englishInfo);
    EXPECT_LT(info->x(), englishInfo->x());
}

TEST(AboutDlg, TabReachesTheLinksAndSpaceFollowsTheFocusedOne)
{
    CFakeOpener opener;
    CAboutDlg dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    auto press = [](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
        QApplication::processEvents();
    };
    // A focused link is drawn in the focus colour, with a dotted frame along its edges.
    auto framed = [](CHyperLink& link) {
        const QImage image = link.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, 0) == CHyperLink::s_crFocusColour)
                return true;
        return false;
    };
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_FALSE(framed(dialog.GetWebLink()));
    for (CHyperLink* link : {&dialog.GetWebLink(), &dialog.GetMailLink(), &dialog.GetReadMeLink()}) {
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), link) << link->text().toStdString();
        EXPECT_TRUE(framed(*link));
        press(Qt::Key_Space);
        EXPECT_TRUE(link->IsVisited());
    }
    EXPECT_EQ(opener.opened.size(), 3);
    EXPECT_EQ(opener.opened.front(), QUrl(QStringLiteral("https://www.example.org/quorvale")));
    // Round to the OK button.
    press(Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<QPushButton*>(QApplication::focusWidget()));
}

// Runs a copy of this test program from a folder with capitals in its name; the copy prints the
// ReadMe target of its About box.
TEST(AboutDlg, ReadMeTargetKeepsTheCaseOfTheProgramFolder)
{
    if (qEnvironmentVariableIsSet("QV_ABOUT_CHILD")) {
        const CAboutDlg dialog;
        std::printf("%s%s\n", kTargetLine, qPrintable(dialog.GetReadMeLink().GetURL()));
        return;
    }
#ifdef Q_OS_WIN
    GTEST_SKIP() << "file names ignore case here, so the folder is lower-cased";
#endif
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("Quorvale Games/Editor BIN"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/test_holmfc");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QV_ABOUT_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(copy, {QStringLiteral("--gtest_filter=AboutDlg.ReadMeTargetKeepsTheCaseOfTheProgramFolder")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().constData();

    QString target;
    for (const QString& line : QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String(kTargetLine)))
            target = line.mid(static_cast<qsizetype>(std::strlen(kTargetLine)));
    EXPECT_EQ(target, QDir(folder).canonicalPath() + QStringLiteral("/Manual/index.html"));
}
