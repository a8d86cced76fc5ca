#pragma once
#include <array>
#include <span>

class CEditorView;
class CMainFrame;

// The command ids of the menus, the toolbar and the accelerator keys.
enum CommandId : int {
    CmdFileNew = 57600,
    CmdFileOpen = 57601,
    CmdFileSave = 57603,
    CmdFileSaveAs = 57604,
    CmdRecentFile1 = 57616,
    CmdRecentFile4 = 57619,
    CmdEditCopy = 57634,
    CmdEditCut = 57635,
    CmdEditPaste = 57637,
    CmdEditUndo = 57643,
    CmdAppAbout = 57664,
    CmdAppExit = 57665,
    CmdHelpIndex = 57666,
    CmdNextPane = 57680,
    CmdPrevPane = 57681,
    CmdViewToolbar = 59392,
    CmdViewStatusBar = 59393,
    CmdShowGrid = 32771,
    CmdMakeFit = 32772,
    CmdProperties = 32773,
    CmdTestMode = 32775,
    CmdResetFrontRotation = 32777,
    CmdResetBackRotation = 32778,
    CmdResetRotation = 32779,
    CmdSwapMaterials = 32780,
    CmdRotateBlock = 32781,
    CmdRotateLevel = 32782,
    CmdRandomLevel = 32783,
    CmdToolLine = 32784,
    CmdToolFill = 32797,
    CmdToolPlot = 32798,
    CmdToolRectangle = 32799,
    CmdToolFrame = 32800,
    CmdRotateFront = 32801,
    CmdRotateBack = 32802,
    CmdToolSetBall = 32803,
    CmdSpeedPaus = 32807,
    CmdSpeedNormal = 32809,
    CmdSpeedUltra = 32814,
    CmdFlipHorizontal = 32815,
    CmdFlipVertical = 32816,
    CmdPlaySound = 32818,
    CmdStopBall = 32820,
    CmdFindPar = 32830,
    CmdPlaySolution = 32831,
    CmdShotMap = 32832,
    CmdStopSearch = 32833,
    CmdEarlierVersions = 32834,
};

// What the commands act on.
struct CCommandTarget {
    CMainFrame& frame;
    CEditorView& view;
};

// How a command's menu item and toolbar button show the state of the editor.
enum class UpdateKind { None, Check, Radio, Enable };

// One command. The texts are translation sources of the context "Command". The menu text holds
// the key after a tab; the prompt is the status-bar text, followed after a newline by the tool
// tip. Keys are in Qt's portable key text. A command without handler (Copy, Cut, Paste, the pane
// keys) takes its keys and does nothing; one whose update kind is None is always enabled and
// never checked.
struct CCommand {
    int id;
    const char* menuText;
    const char* prompt;
    std::array<const char*, 2> keys;
    void (*handler)(CCommandTarget& target, int id);
    UpdateKind updateKind;
    bool (*updateRule)(const CCommandTarget& target, int id);
};

inline constexpr const char* kCommandContext = "Command";

std::span<const CCommand> GetCommandTable();
// The command with that id, or null.
const CCommand* FindCommand(int id);
