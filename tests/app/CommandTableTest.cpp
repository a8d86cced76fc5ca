#include "app/CommandTable.h"
#include "app/EditorApp.h"
#include "common/EditorWindow.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

namespace {

QKeySequence Key(const char* text)
{
    return QKeySequence::fromString(QLatin1String(text), QKeySequence::PortableText);
}

} // namespace

TEST(CommandTable, ActionsCarryTheTextsKeysAndPrompts)
{
    CMainFrame frame;
    for (const CCommand& command : GetCommandTable()) {
        QAction* action = frame.GetAction(command.id);
        ASSERT_NE(action, nullptr) << command.id;
        int keys = 0;
        for (const char* key : command.keys)
            keys += key ? 1 : 0;
        EXPECT_EQ(action->shortcuts().size(), keys) << command.id;
    }
    QAction* undo = frame.GetAction(CmdEditUndo);
    EXPECT_EQ(undo->text(), "&Undo\tCtrl+Z");
    EXPECT_EQ(undo->shortcuts(), (QList<QKeySequence>{Key("Ctrl+Z"), Key("Alt+Backspace")}));
    EXPECT_EQ(undo->statusTip(), "Undo the last action");
    EXPECT_EQ(undo->toolTip(), "Undo");
    // A menu text without a key shows none, even though the command has F3.
    EXPECT_EQ(frame.GetAction(CmdPlaySound)->text(), "Pl&ay sound\t");
    EXPECT_EQ(frame.GetAction(CmdPlaySound)->shortcut(), Key("F3"));
    EXPECT_EQ(frame.GetAction(CmdFileSaveAs)->text(), "Save &As...\tCtrl+Shift+S");
    EXPECT_EQ(frame.GetAction(CmdAppExit)->text(), "E&xit\tCtrl+Q");
}

TEST(CommandTable, EveryCommandHasItsSwedishTexts)
{
    // That every text has its Swedish entry is the check of the Swedish file
    // (SwedishTranslation); here the menus show them.
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("sv")));
    {
        CMainFrame frame;
        EXPECT_EQ(frame.GetAction(CmdEditUndo)->text(), "&Ångra\tCtrl+Z");
        // The same keys in both languages.
        EXPECT_EQ(frame.GetAction(CmdEditUndo)->shortcuts(),
                  (QList<QKeySequence>{Key("Ctrl+Z"), Key("Alt+Backspace")}));
        EXPECT_EQ(frame.GetIdleMessage(), "Klar");
    }
    ASSERT_TRUE(CEditorApp::SetLanguage(QStringLiteral("en")));
    EXPECT_FALSE(CEditorApp::SetLanguage(QStringLiteral("de")));
}

TEST_F(EditorWindow, ChecksAndStatusFollowTheState)
{
    EXPECT_TRUE(Checked(CmdToolPlot));
    Run(CmdToolLine);
    EXPECT_TRUE(Checked(CmdToolLine));
    EXPECT_FALSE(Checked(CmdToolPlot));

    // Every toolbar button has its icon from the resources.
    for (const QAction* item : frame->GetToolBar()->actions())
        EXPECT_TRUE(item->isSeparator() || !item->icon().pixmap(16).isNull()) << item->text().toStdString();
    Run(CmdViewToolbar);
    EXPECT_TRUE(frame->GetToolBar()->isHidden());
    EXPECT_FALSE(Checked(CmdViewToolbar));

    // One message pane: the prompt while a command is hovered, then the idle text again.
    EXPECT_EQ(frame->GetIdleMessage(), "Ready");
    frame->GetAction(CmdFileNew)->showStatusText(frame.get());
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Create a new document");
    // The word that the sound server does not start the sounds.
    emit testMode.GetSounds().Unavailable();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Sound is not available");
    frame->statusBar()->clearMessage();
    EXPECT_EQ(frame->statusBar()->findChildren<QLabel*>().size(), 1);
}
