#include "app/CommandTable.h"

#include "app/AboutDlg.h"
#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "app/MainFrame.h"
#include "app/StringTable.h"
#include "edit/EditingSession.h"
#include "holmfc/Readme.h"
#include "view/EditorView.h"
#include "view/SolveTools.h"
#include "view/TestMode.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <algorithm>

namespace {

EditTool ToolOfCommand(int id)
{
    switch (id) {
    case CmdToolLine:
        return ToolLine;
    case CmdToolRectangle:
        return ToolRectangle;
    case CmdToolFrame:
        return ToolFrame;
    case CmdToolFill:
        return ToolFill;
    case CmdToolSetBall:
        return ToolSetBall;
    default:
        return ToolPlot;
    }
}

void SelectTool(CCommandTarget& t, int id)
{
    t.view.GetSession().SetTool(ToolOfCommand(id));
}

bool IsCurrentTool(const CCommandTarget& t, int id)
{
    return t.view.GetSession().GetTool() == ToolOfCommand(id);
}

bool IsCurrentSpeed(const CCommandTarget& t, int id)
{
    return t.view.GetTestMode().GetSpeedLevel() == id - CmdSpeedNormal;
}

bool IsBarVisible(const CCommandTarget& t, int id)
{
    return t.frame.IsBarVisible(id);
}

void ToggleBar(CCommandTarget& t, int id)
{
    t.frame.ShowBar(id, !t.frame.IsBarVisible(id));
}

// The commands on the current block, which honour the Shift key as it is at that moment (so the
// menu, the key and a click on the block sample all do), and those on the level: the session's.
template <BlockCommand command>
void RunBlockCommand(CCommandTarget& t, int)
{
    t.view.GetSession().RunBlockCommand(command, QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier));
}

template <void (CEditingSession::*command)()>
void LevelCommand(CCommandTarget& t, int)
{
    (t.view.GetSession().*command)();
}

template <void (CTestMode::*command)()>
void TestModeCommand(CCommandTarget& t, int)
{
    (t.view.GetTestMode().*command)();
}

template <void (CSolveTools::*command)()>
void SolveCommand(CCommandTarget& t, int)
{
    (t.view.GetSolveTools().*command)();
}

void SetSpeed(CCommandTarget& t, int id)
{
    t.view.GetTestMode().SetSpeedLevel(id - CmdSpeedNormal);
}

void OpenRecentFile(CCommandTarget& t, int id)
{
    t.frame.GetDocManager().OnOpenRecentFile(id - CmdRecentFile1);
}

// clang-format off
const CCommand s_commands[] = {
    // File
    {CmdFileNew, QT_TRANSLATE_NOOP("Command", "&New\tCtrl+N"), QT_TRANSLATE_NOOP("Command", "Create a new document\nNew"), {"Ctrl+N"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileNew(); }, UpdateKind::None, nullptr},
    {CmdFileOpen, QT_TRANSLATE_NOOP("Command", "&Open...\tCtrl+O"), QT_TRANSLATE_NOOP("Command", "Open an existing document\nOpen"), {"Ctrl+O"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileOpen(); }, UpdateKind::None, nullptr},
    {CmdFileSave, QT_TRANSLATE_NOOP("Command", "&Save\tCtrl+S"), QT_TRANSLATE_NOOP("Command", "Save the active document\nSave"), {"Ctrl+S"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileSave(); }, UpdateKind::None, nullptr},
    // Save As and Exit also take the keys desktop programs use for them; their menu texts show no key.
    {CmdFileSaveAs, QT_TRANSLATE_NOOP("Command", "Save &As...\tCtrl+Shift+S"), QT_TRANSLATE_NOOP("Command", "Save the active document with a new name\nSave As"), {"Ctrl+Shift+S"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileSaveAs(); }, UpdateKind::None, nullptr},
    {CmdEarlierVersions, QT_TRANSLATE_NOOP("Command", "Earlier &Versions..."),
     QT_TRANSLATE_NOOP("Command", "Open a version that this file had before one of its saves\nEarlier Versions"), {},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnEarlierVersions(); }, UpdateKind::Enable,
     [](const CCommandTarget& t, int) { return !t.frame.GetDocument().GetPathName().isEmpty(); }},
    {CmdRecentFile1, QT_TRANSLATE_NOOP("Command", "Recent File"), QT_TRANSLATE_NOOP("Command", "Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile1 + 1, QT_TRANSLATE_NOOP("Command", "Recent File"), QT_TRANSLATE_NOOP("Command", "Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile1 + 2, QT_TRANSLATE_NOOP("Command", "Recent File"), QT_TRANSLATE_NOOP("Command", "Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile4, QT_TRANSLATE_NOOP("Command", "Recent File"), QT_TRANSLATE_NOOP("Command", "Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdAppExit, QT_TRANSLATE_NOOP("Command", "E&xit\tCtrl+Q"), QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents\nExit"), {"Ctrl+Q"},
     [](CCommandTarget& t, int) { t.frame.close(); }, UpdateKind::None, nullptr},
    // Edit
    {CmdEditUndo, QT_TRANSLATE_NOOP("Command", "&Undo\tCtrl+Z"), QT_TRANSLATE_NOOP("Command", "Undo the last action\nUndo"), {"Ctrl+Z", "Alt+Backspace"},
     LevelCommand<&CEditingSession::Undo>, UpdateKind::None, nullptr},
    {CmdRotateBack, QT_TRANSLATE_NOOP("Command", "Rotate &back material\tW"), QT_TRANSLATE_NOOP("Command", "Rotate background material\nRotate background"), {"W"},
     RunBlockCommand<BlockCommand::RotateBack>, UpdateKind::None, nullptr},
    {CmdResetBackRotation, QT_TRANSLATE_NOOP("Command", "Reset b&ack rotation\tCtrl+W"), QT_TRANSLATE_NOOP("Command", "Reset background rotation\nReset background rotation"),
     {"Ctrl+W"}, RunBlockCommand<BlockCommand::ResetBackRotation>, UpdateKind::None, nullptr},
    {CmdRotateFront, QT_TRANSLATE_NOOP("Command", "Rotate &front material\tE"), QT_TRANSLATE_NOOP("Command", "Rotate front material\nRotate front"), {"E"},
     RunBlockCommand<BlockCommand::RotateFront>, UpdateKind::None, nullptr},
    {CmdResetFrontRotation, QT_TRANSLATE_NOOP("Command", "Reset f&ront rotation\tCtrl+E"), QT_TRANSLATE_NOOP("Command", "Reset front rotation\nReset front rotation"),
     {"Ctrl+E", "Z"}, RunBlockCommand<BlockCommand::ResetFrontRotation>, UpdateKind::None, nullptr},
    {CmdResetRotation, QT_TRANSLATE_NOOP("Command", "Rese&t front and back rotation\tA"), QT_TRANSLATE_NOOP("Command", "Reset front and back rotation\nReset rotation"),
     {"A"}, RunBlockCommand<BlockCommand::ResetRotation>, UpdateKind::None, nullptr},
    {CmdRotateBlock, QT_TRANSLATE_NOOP("Command", "R&otate block\tR"), QT_TRANSLATE_NOOP("Command", "Rotate block\nRotate block"), {"R", "Shift+R"}, RunBlockCommand<BlockCommand::RotateBlock>, UpdateKind::None, nullptr},
    {CmdSwapMaterials, QT_TRANSLATE_NOOP("Command", "&Swap materials\tS"), QT_TRANSLATE_NOOP("Command", "Swap background and front material"), {"S"},
     RunBlockCommand<BlockCommand::SwapMaterials>, UpdateKind::None, nullptr},
    {CmdRotateLevel, QT_TRANSLATE_NOOP("Command", "R&otate level\tQ"), QT_TRANSLATE_NOOP("Command", "Rotate the level 90 degrees"), {"Q"}, LevelCommand<&CEditingSession::RotateLevel>, UpdateKind::None, nullptr},
    {CmdFlipHorizontal, QT_TRANSLATE_NOOP("Command", "Flip &Horizontal"), QT_TRANSLATE_NOOP("Command", "Flips the level horizontally"), {}, LevelCommand<&CEditingSession::FlipHorizontal>, UpdateKind::None, nullptr},
    {CmdFlipVertical, QT_TRANSLATE_NOOP("Command", "Flip &Vertical"), QT_TRANSLATE_NOOP("Command", "Flips the level vertically"), {}, LevelCommand<&CEditingSession::FlipVertical>, UpdateKind::None, nullptr},
    {CmdRandomLevel, QT_TRANSLATE_NOOP("Command", "Create &Random Level\tCtrl+R"), QT_TRANSLATE_NOOP("Command", "Create a random level\nRandom level"), {"Ctrl+R"},
     LevelCommand<&CEditingSession::CreateRandomLevel>, UpdateKind::None, nullptr},
    {CmdMakeFit, QT_TRANSLATE_NOOP("Command", "&Make fit\tCtrl+F"), QT_TRANSLATE_NOOP("Command", "Remove unused area"), {"Ctrl+F"}, LevelCommand<&CEditingSession::MakeFit>, UpdateKind::None, nullptr},
    {CmdProperties, QT_TRANSLATE_NOOP("Command", "&Properties...\tAlt+Enter"), QT_TRANSLATE_NOOP("Command", "Change level properties\nLevel properties"),
     {"Alt+Return", "Alt+Enter"}, [](CCommandTarget& t, int) { t.view.OnProperties(); }, UpdateKind::None, nullptr},
    // Tools
    {CmdToolPlot, QT_TRANSLATE_NOOP("Command", "&Plot\tP"), QT_TRANSLATE_NOOP("Command", "Draws single blocks\nPlot"), {"P"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolLine, QT_TRANSLATE_NOOP("Command", "&Line\tL"), QT_TRANSLATE_NOOP("Command", "Draws line\nLine"), {"L"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolRectangle, QT_TRANSLATE_NOOP("Command", "&Rectangle\tC"), QT_TRANSLATE_NOOP("Command", "Draws a rectangle\nRectangle"), {"C"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdToolFrame, QT_TRANSLATE_NOOP("Command", "&Frame\tF"), QT_TRANSLATE_NOOP("Command", "Draws a frame\nFrame"), {"F"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolFill, QT_TRANSLATE_NOOP("Command", "F&ill\tI"), QT_TRANSLATE_NOOP("Command", "Fills an area with current block\nFill"), {"I"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdToolSetBall, QT_TRANSLATE_NOOP("Command", "&Set Ball\tB"), QT_TRANSLATE_NOOP("Command", "Set start position\nSet ball"), {"B"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdTestMode, QT_TRANSLATE_NOOP("Command", "Test &mode\tCtrl+T"), QT_TRANSLATE_NOOP("Command", "Test level\nTest"), {"Ctrl+T"}, TestModeCommand<&CTestMode::Toggle>, UpdateKind::Check,
     [](const CCommandTarget& t, int) { return t.view.GetTestMode().IsOn(); }},
    // Tools: the shot solver
    {CmdFindPar, QT_TRANSLATE_NOOP("Command", "Find p&ar\tF5"), QT_TRANSLATE_NOOP("Command", "Find the fewest shots that sink the ball\nFind par"), {"F5"},
     SolveCommand<&CSolveTools::OnFindPar>, UpdateKind::Enable, [](const CCommandTarget& t, int) { return !t.view.GetSolveTools().IsFindingPar(); }},
    {CmdPlaySolution, QT_TRANSLATE_NOOP("Command", "Pla&y solution\tF7"), QT_TRANSLATE_NOOP("Command", "Play the shots found for par in test mode\nPlay solution"), {"F7"},
     SolveCommand<&CSolveTools::OnPlaySolution>, UpdateKind::Enable, [](const CCommandTarget& t, int) { return t.view.GetSolveTools().CanPlaySolution(); }},
    {CmdShotMap, QT_TRANSLATE_NOOP("Command", "Sh&ot map\tF8"), QT_TRANSLATE_NOOP("Command", "Show or hide where every first shot ends\nShot map"), {"F8"},
     SolveCommand<&CSolveTools::OnShotMap>, UpdateKind::Check, [](const CCommandTarget& t, int) { return t.view.GetSolveTools().IsShotMapShown(); }},
    {CmdStopSearch, QT_TRANSLATE_NOOP("Command", "Stop s&earch\tEsc"), QT_TRANSLATE_NOOP("Command", "Stop finding par or mapping the shots\nStop search"), {"Esc"},
     SolveCommand<&CSolveTools::OnStopSearch>, UpdateKind::Enable, [](const CCommandTarget& t, int) { return t.view.GetSolveTools().IsSearching(); }},
    // Ball
    {CmdStopBall, QT_TRANSLATE_NOOP("Command", "&Stop\tSpace"), QT_TRANSLATE_NOOP("Command", "Stop ball on current position\nStop ball"), {"Space"},
     TestModeCommand<&CTestMode::StopBall>, UpdateKind::Enable, [](const CCommandTarget& t, int) { return t.view.GetTestMode().GetBall().IsMoving(); }},
    {CmdSpeedPaus, QT_TRANSLATE_NOOP("Command", "&Paus\tCtrl+0"), QT_TRANSLATE_NOOP("Command", "Stop ball"), {"Ctrl+0"}, SetSpeed, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedPaus + 1, QT_TRANSLATE_NOOP("Command", "&Half\tCtrl+1"), QT_TRANSLATE_NOOP("Command", "Half speed"), {"Ctrl+1"}, SetSpeed, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal, QT_TRANSLATE_NOOP("Command", "&Normal\tCtrl+2"), QT_TRANSLATE_NOOP("Command", "Normal speed"), {"Ctrl+2"}, SetSpeed, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 1, QT_TRANSLATE_NOOP("Command", "X&2\tCtrl+3"), QT_TRANSLATE_NOOP("Command", "Double speed"), {"Ctrl+3"}, SetSpeed, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 2, QT_TRANSLATE_NOOP("Command", "X&3\tCtrl+4"), QT_TRANSLATE_NOOP("Command", "Triple speed"), {"Ctrl+4"}, SetSpeed, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 3, QT_TRANSLATE_NOOP("Command", "X&4\tCtrl+5"), QT_TRANSLATE_NOOP("Command", "Four times normal speed"), {"Ctrl+5"}, SetSpeed, UpdateKind::Radio,
     IsCurrentSpeed},
    {CmdSpeedNormal + 4, QT_TRANSLATE_NOOP("Command", "Super\tCtrl+6"), QT_TRANSLATE_NOOP("Command", "Move the ball as fast as possible"), {"Ctrl+6"}, SetSpeed,
     UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedUltra, QT_TRANSLATE_NOOP("Command", "Ultra\tCtrl+7"), QT_TRANSLATE_NOOP("Command", "Move ball to next position"), {"Ctrl+7"}, SetSpeed, UpdateKind::Radio,
     IsCurrentSpeed},
    {CmdPlaySound, QT_TRANSLATE_NOOP("Command", "Pl&ay sound"), QT_TRANSLATE_NOOP("Command", "Toggle sound"), {"F3"}, [](CCommandTarget& t, int) { t.view.GetTestMode().SetSoundOn(!t.view.GetTestMode().IsSoundOn()); }, UpdateKind::Check,
     [](const CCommandTarget& t, int) { return t.view.GetTestMode().IsSoundOn(); }},
    // View
    {CmdViewToolbar, QT_TRANSLATE_NOOP("Command", "&Toolbar"), QT_TRANSLATE_NOOP("Command", "Show or hide the toolbar\nToggle ToolBar"), {}, ToggleBar, UpdateKind::Check,
     IsBarVisible},
    {CmdViewStatusBar, QT_TRANSLATE_NOOP("Command", "&Status Bar"), QT_TRANSLATE_NOOP("Command", "Show or hide the status bar\nToggle StatusBar"), {}, ToggleBar,
     UpdateKind::Check, IsBarVisible},
    {CmdShowGrid, QT_TRANSLATE_NOOP("Command", "Show &grid\tCtrl+G"), QT_TRANSLATE_NOOP("Command", "Show or hide grid\nGrid"), {"Ctrl+G"},
     [](CCommandTarget& t, int) { t.view.OnShowGrid(); }, UpdateKind::Check,
     [](const CCommandTarget& t, int) { return t.view.IsGridShown(); }},
    // Help
    {CmdHelpIndex, QT_TRANSLATE_NOOP("Command", "&Index\tF1"), QT_TRANSLATE_NOOP("Command", "Start the help"), {"F1"},
     [](CCommandTarget&, int) { ShowReadme(IdsReadme); }, UpdateKind::None, nullptr},
    {CmdAppAbout, QT_TRANSLATE_NOOP("Command", "&About Editor..."), QT_TRANSLATE_NOOP("Command", "Display program information, version number and copyright\nAbout"), {},
     [](CCommandTarget& t, int) {
         CAboutDlg dialog(&t.frame);
         dialog.exec();
     },
     UpdateKind::None, nullptr},
    // Keys of the framework's standard commands, which nothing here handles: they do nothing.
    {CmdEditCopy, nullptr, nullptr, {"Ctrl+C", "Ctrl+Ins"}, nullptr, UpdateKind::None, nullptr},
    {CmdEditCut, nullptr, nullptr, {"Ctrl+X", "Shift+Del"}, nullptr, UpdateKind::None, nullptr},
    {CmdEditPaste, nullptr, nullptr, {"Ctrl+V", "Shift+Ins"}, nullptr, UpdateKind::None, nullptr},
    {CmdNextPane, nullptr, nullptr, {"F6"}, nullptr, UpdateKind::None, nullptr},
    {CmdPrevPane, nullptr, nullptr, {"Shift+F6"}, nullptr, UpdateKind::None, nullptr},
};
// clang-format on

} // namespace

std::span<const CCommand> GetCommandTable()
{
    return s_commands;
}

const CCommand* FindCommand(int id)
{
    const auto it = std::find_if(std::begin(s_commands), std::end(s_commands),
                                 [id](const CCommand& command) { return command.id == id; });
    return it == std::end(s_commands) ? nullptr : &*it;
}
