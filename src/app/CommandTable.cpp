#include "app/CommandTable.h"

#include "app/AboutDlg.h"
#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "app/StringTable.h"
#include "holmfc/Readme.h"
#include "view/EditorView.h"

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
    t.view.SetTool(ToolOfCommand(id));
}

bool IsCurrentTool(const CCommandTarget& t, int id)
{
    return t.view.GetTool() == ToolOfCommand(id);
}

bool IsCurrentSpeed(const CCommandTarget& t, int id)
{
    return t.view.GetSpeedLevel() == id - CmdSpeedNormal;
}

bool IsBarVisible(const CCommandTarget& t, int id)
{
    return t.frame.IsBarVisible(id);
}

void ToggleBar(CCommandTarget& t, int id)
{
    t.frame.ShowBar(id, !t.frame.IsBarVisible(id));
}

void OpenRecentFile(CCommandTarget& t, int id)
{
    t.frame.GetDocManager().OnOpenRecentFile(id - CmdRecentFile1);
}

#define TR(text) QT_TRANSLATE_NOOP("Command", text)

// clang-format off
const CCommand s_commands[] = {
    // File
    {CmdFileNew, TR("&New\tCtrl+N"), TR("Create a new document\nNew"), {"Ctrl+N"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileNew(); }, UpdateKind::None, nullptr},
    {CmdFileOpen, TR("&Open...\tCtrl+O"), TR("Open an existing document\nOpen"), {"Ctrl+O"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileOpen(); }, UpdateKind::None, nullptr},
    {CmdFileSave, TR("&Save\tCtrl+S"), TR("Save the active document\nSave"), {"Ctrl+S"},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileSave(); }, UpdateKind::None, nullptr},
    {CmdFileSaveAs, TR("Save &As..."), TR("Save the active document with a new name\nSave As"), {},
     [](CCommandTarget& t, int) { t.frame.GetDocManager().OnFileSaveAs(); }, UpdateKind::None, nullptr},
    {CmdRecentFile1, TR("Recent File"), TR("Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile1 + 1, TR("Recent File"), TR("Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile1 + 2, TR("Recent File"), TR("Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdRecentFile4, TR("Recent File"), TR("Open this document"), {}, OpenRecentFile, UpdateKind::None, nullptr},
    {CmdAppExit, TR("E&xit"), TR("Quit the application; prompts to save documents\nExit"), {},
     [](CCommandTarget& t, int) { t.frame.close(); }, UpdateKind::None, nullptr},
    // Edit
    {CmdEditUndo, TR("&Undo\tCtrl+Z"), TR("Undo the last action\nUndo"), {"Ctrl+Z", "Alt+Backspace"},
     nullptr, UpdateKind::None, nullptr},
    {CmdRotateBack, TR("Rotate &back material\tW"), TR("Rotate background material\nRotate background"), {"W"},
     nullptr, UpdateKind::None, nullptr},
    {CmdResetBackRotation, TR("Reset b&ack rotation\tCtrl+W"), TR("Reset background rotation\nReset background rotation"),
     {"Ctrl+W"}, nullptr, UpdateKind::None, nullptr},
    {CmdRotateFront, TR("Rotate &front material\tE"), TR("Rotate front material\nRotate front"), {"E"},
     nullptr, UpdateKind::None, nullptr},
    {CmdResetFrontRotation, TR("Reset f&ront rotation\tCtrl+E"), TR("Reset front rotation\nReset front rotation"),
     {"Ctrl+E", "Z"}, nullptr, UpdateKind::None, nullptr},
    {CmdResetRotation, TR("Rese&t front and back rotation\tA"), TR("Reset front and back rotation\nReset rotation"),
     {"A"}, nullptr, UpdateKind::None, nullptr},
    {CmdRotateBlock, TR("R&otate block\tR"), TR("Rotate block\nRotate block"), {"R"}, nullptr, UpdateKind::None, nullptr},
    {CmdSwapMaterials, TR("&Swap materials\tS"), TR("Swap background and front material"), {"S"},
     nullptr, UpdateKind::None, nullptr},
    {CmdRotateLevel, TR("R&otate level\tQ"), TR("Rotate the level 90 degrees"), {"Q"}, nullptr, UpdateKind::None, nullptr},
    {CmdFlipHorizontal, TR("Flip &Horizontal"), TR("Flips the level horizontally"), {}, nullptr, UpdateKind::None, nullptr},
    {CmdFlipVertical, TR("Flip &Vertical"), TR("Flips the level vertically"), {}, nullptr, UpdateKind::None, nullptr},
    {CmdRandomLevel, TR("Create &Random Level\tCtrl+R"), TR("Create a random level\nRandom level"), {"Ctrl+R"},
     nullptr, UpdateKind::None, nullptr},
    {CmdMakeFit, TR("&Make fit\tCtrl+F"), TR("Remove unused area"), {"Ctrl+F"}, nullptr, UpdateKind::None, nullptr},
    {CmdProperties, TR("&Properties...\tAlt+Enter"), TR("Change level properties\nLevel properties"),
     {"Alt+Return", "Alt+Enter"}, nullptr, UpdateKind::None, nullptr},
    // Tools
    {CmdToolPlot, TR("&Plot\tP"), TR("Draws single blocks\nPlot"), {"P"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolLine, TR("&Line\tL"), TR("Draws line\nLine"), {"L"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolRectangle, TR("&Rectangle\tC"), TR("Draws a rectangle\nRectangle"), {"C"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdToolFrame, TR("&Frame\tF"), TR("Draws a frame\nFrame"), {"F"}, SelectTool, UpdateKind::Check, IsCurrentTool},
    {CmdToolFill, TR("F&ill\tI"), TR("Fills an area with current block\nFill"), {"I"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdToolSetBall, TR("&Set Ball\tB"), TR("Set start position\nSet ball"), {"B"}, SelectTool, UpdateKind::Check,
     IsCurrentTool},
    {CmdTestMode, TR("Test &mode\tCtrl+T"), TR("Test level\nTest"), {"Ctrl+T"}, nullptr, UpdateKind::Check,
     [](const CCommandTarget& t, int) { return t.view.IsTestMode(); }},
    // Ball
    {CmdStopBall, TR("&Stop\tSpace"), TR("Stop ball on current position\nStop ball"), {"Space"},
     nullptr, UpdateKind::None, nullptr},
    {CmdSpeedPaus, TR("&Paus\tCtrl+0"), TR("Stop ball"), {"Ctrl+0"}, nullptr, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedPaus + 1, TR("&Half\tCtrl+1"), TR("Half speed"), {"Ctrl+1"}, nullptr, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal, TR("&Normal\tCtrl+2"), TR("Normal speed"), {"Ctrl+2"}, nullptr, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 1, TR("X&2\tCtrl+3"), TR("Double speed"), {"Ctrl+3"}, nullptr, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 2, TR("X&3\tCtrl+4"), TR("Triple speed"), {"Ctrl+4"}, nullptr, UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedNormal + 3, TR("X&4\tCtrl+5"), TR("Four times normal speed"), {"Ctrl+5"}, nullptr, UpdateKind::Radio,
     IsCurrentSpeed},
    {CmdSpeedNormal + 4, TR("Super\tCtrl+6"), TR("Move the ball as fast as possible"), {"Ctrl+6"}, nullptr,
     UpdateKind::Radio, IsCurrentSpeed},
    {CmdSpeedUltra, TR("Ultra\tCtrl+7"), TR("Move ball to next position"), {"Ctrl+7"}, nullptr, UpdateKind::Radio,
     IsCurrentSpeed},
    {CmdPlaySound, TR("Pl&ay sound"), TR("Toggle sound"), {"F3"}, nullptr, UpdateKind::None, nullptr},
    // View
    {CmdViewToolbar, TR("&Toolbar"), TR("Show or hide the toolbar\nToggle ToolBar"), {}, ToggleBar, UpdateKind::Check,
     IsBarVisible},
    {CmdViewStatusBar, TR("&Status Bar"), TR("Show or hide the status bar\nToggle StatusBar"), {}, ToggleBar,
     UpdateKind::Check, IsBarVisible},
    {CmdShowGrid, TR("Show &grid\tCtrl+G"), TR("Show or hide grid\nGrid"), {"Ctrl+G"},
     [](CCommandTarget& t, int) { t.view.OnShowGrid(); }, UpdateKind::Check,
     [](const CCommandTarget& t, int) { return t.view.IsGridShown(); }},
    // Help
    {CmdHelpIndex, TR("&Index\tF1"), TR("Start the help"), {"F1"},
     [](CCommandTarget&, int) { ShowReadme(IdsReadme); }, UpdateKind::None, nullptr},
    {CmdAppAbout, TR("&About Editor..."), TR("Display program information, version number and copyright\nAbout"), {},
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

#undef TR

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
