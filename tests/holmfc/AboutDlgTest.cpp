#include "QStringPrinter.h"

#include "app/AboutDlg.h"
#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "app/MainFrame.h"
#include "holmfc/HyperLink.h"
#include "holmfc/ProgramPath.h"
#include "common/QtTestApp.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QLabel* FindLabel(const QDialog& dialog, const QString& text)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

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
    EXPECT_EQ(english.GetReadMeLink().toolTip(), english.GetReadMeLink().GetURL()) << "the links are attached";

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

TEST(AboutDlg, TabReachesEachLinkInTurnAndFramesIt)
{
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
    }
    // Round to the OK button.
    press(Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<QPushButton*>(QApplication::focusWidget()));
}
