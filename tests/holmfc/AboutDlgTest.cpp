#include "QStringPrinter.h"
#include "app/AboutDlg.h"
#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "app/MainFrame.h"
#include "holmfc/HyperLink.h"
#include "holmfc/ProgramPath.h"
#include "view/QtTestApp.h"

#include <QAction>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList LabelTexts(const QDialog& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

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
    bool opened = false;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CAboutDlg*>(modal);
        opened = dialog && dialog->parentWidget() == &frame && !dialog->windowIcon().isNull();
        modal->close();
    });
    frame.GetAction(CmdAppAbout)->trigger();
    EXPECT_TRUE(opened);
}

TEST(AboutDlg, ShowsTheProgramTheMakerAndTheManual)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Quorvale Editor"));
    const QStringList texts = LabelTexts(dialog);
    EXPECT_TRUE(texts.contains(QStringLiteral("Quorvale Editor 1.0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Freeware. Get the latest version:")));
    EXPECT_TRUE(texts.contains(QStringLiteral("More information and help is found in")));

    EXPECT_EQ(dialog.GetWebLink().text(), QStringLiteral("www.example.org/quorvale"));
    EXPECT_EQ(dialog.GetWebLink().GetURL(), QStringLiteral("URL:https://www.example.org/quorvale"));
    EXPECT_EQ(dialog.GetMailLink().text(), QStringLiteral("quorvale@example.org"));
    EXPECT_EQ(dialog.GetMailLink().GetURL(), QStringLiteral("mailto:quorvale@example.org"));
    EXPECT_EQ(dialog.GetReadMeLink().text(), QStringLiteral("ReadMe"));
    // The build copies the manual beside the programs, so it is found there.
    EXPECT_EQ(dialog.GetReadMeLink().GetURL(), GetProgramPath(true) + QStringLiteral("Manual/index.html"));
    for (const CHyperLink* link : {&dialog.GetWebLink(), &dialog.GetMailLink(), &dialog.GetReadMeLink()}) {
        EXPECT_EQ(link->toolTip(), link->GetURL());
        EXPECT_TRUE(link->font().underline());
        EXPECT_FALSE(link->IsVisited());
        EXPECT_EQ(link->width(), QFontMetrics(link->font()).horizontalAdvance(link->text()));
    }
    EXPECT_EQ(dialog.GetWebLink().x(), dialog.GetMailLink().x());

    // Six names in the credits, one per line.
    const QLabel* credits = nullptr;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().count(QLatin1Char('\n')) == 5)
            credits = label;
    ASSERT_NE(credits, nullptr);

    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons[0]->isDefault());
    dialog.show();
    buttons[0]->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(AboutDlg, SpeaksSwedishWithTheSwedishManual)
{
    const CAboutDlg english;
    const QLabel* englishInfo = FindLabel(english, QStringLiteral("More information and help is found in"));
    ASSERT_NE(englishInfo, nullptr);

    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    const CAboutDlg dialog;
    CEditorApp::SetLanguage(QStringLiteral("en"));

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Om Quorvale Editor"));
    EXPECT_TRUE(LabelTexts(dialog).contains(QStringLiteral("Freeware. Hämta senaste versionen här:")));
    EXPECT_EQ(dialog.GetReadMeLink().text(), QStringLiteral("ReadMe-filen."));
    EXPECT_EQ(dialog.GetReadMeLink().GetURL(), GetProgramPath(true) + QStringLiteral("Manual/index-se.html"));
    EXPECT_TRUE(QFile::exists(dialog.GetReadMeLink().GetURL()));
    // The longer Swedish sentence starts further left than the English one.
    const QLabel* info = FindLabel(dialog, QStringLiteral("För mer information (hjälp och liknande) läs i "));
    ASSERT_NE(info, nullptr);
    EXPECT_LT(info->x(), englishInfo->x());
    EXPECT_GT(info->width(), englishInfo->width());
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
