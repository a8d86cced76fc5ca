#pragma once
#include "view/EditorSettings.h"
#include "model/Block.h"
#include "render/PaletteItem.h"
#include "render/RasterImage.h"
#include "render/Rect.h"
#include "sim/Ball.h"
#include "view/BallNotifier.h"
#include "view/EditTool.h"
#include "view/SolveTools.h"
#include "view/SoundModule.h"
#include "view/UndoHistory.h"
#include "view/ViewGeometry.h"

#include <QWidget>

#include <memory>
#include <vector>

class CDeviceContext;
class CLevel;

// The editor's view of the document's level: the current tool and block, the palettes to choose
// the block from, the settings, and the painting of the level with everything drawn over it.
//
// Positions are client pixels: the view's own pixels, scaled like the rest of the window on a
// high-density screen and shown there on patches of whole device pixels (CViewGeometry maps the
// pointer). The level's top-left corner lies at (m_originX, m_originY) and every block is the
// document's m_cellSize pixels square. Rectangles exclude their right and bottom edges.
class CEditorView : public QWidget {
    Q_OBJECT
    // The input handling and the commands that edit the current block, the drag and the level.
    friend class CBlockCommands;
    friend class CDrawingTools;
    friend class CLevelCommands;
    friend class CSolutionPlayer;
    friend class CTestMode;
    friend class CToolInput;

public:
    // The view edits level, which the document owns and keeps for the whole run.
    explicit CEditorView(CLevel& level, QWidget* parent = nullptr);
    // Stops a rolling ball and saves the settings, the ball's sound flag among them.
    ~CEditorView() override;

    CLevel& GetLevel() const { return m_level; }
    // The edge of one block on the screen in pixels (FitCellSize).
    int GetCellSize() const { return m_cellSize; }

    // State.
    EditTool GetTool() const { return m_tool; }
    void SetTool(EditTool tool) { m_tool = tool; }
    const CBlock& GetCurrentBlock() const { return m_currentBlock; }
    const std::vector<CPaletteItem>& GetShapePalette() const { return m_shapePalette; }
    const std::vector<CPaletteItem>& GetMaterialPalette() const { return m_materialPalette; }
    bool IsTestMode() const { return m_testMode; }
    // A left-button drag that began in the level area is under way.
    bool IsDragging() const { return m_buttonDown; }
    int GetSpeedLevel() const { return m_speedLevel; }
    const CBall& GetBall() const { return m_ball; }
    bool IsBallMoving() const { return m_ball.IsMoving(); }
    bool IsSoundOn() const { return m_ball.IsSoundOn(); }
    // Where the ball was painted last in test mode.
    const CRect& GetBallRect() const { return m_ballRect; }
    bool IsGridShown() const { return m_settings.m_showGrid; }
    int GetOriginX() const { return m_originX; }
    int GetOriginY() const { return m_originY; }
    // The current block, the back material and the front material samples, and their union.
    const CRect& GetBlockBox() const { return m_blockBox; }
    const CRect& GetBackBox() const { return m_backBox; }
    const CRect& GetFrontBox() const { return m_frontBox; }
    const CRect& GetCurrentBlockArea() const { return m_currentBlockArea; }

    // Geometry: where the level lies, at the present cell size and screen scale.
    CViewGeometry GetGeometry() const;
    // The largest whole cell size at which the level fits right of and below the origin.
    void FitCellSize();

    // Commands.
    void OnShowGrid();
    void SelectShape(int index);

    // The document was replaced (New, Open): fit, rebuild and repaint. The first call of a run
    // also moves the current directory to "Levels", then to the folder of mostRecentFile, the
    // first entry of the recent-file list, unless it is empty.
    void OnInitialUpdate(const QString& mostRecentFile);
    // The document's level changed as a whole: rebuild and repaint everything.
    void OnUpdate();

    // Painting. The level picture is rebuilt after the level, the cell size or the grid flag
    // changed (and what the solver found for another level is dropped then); paints copy it and
    // draw the overlays on top. Invalidation never erases unless asked to: what lies outside the
    // repainted parts stays as it was.
    void RebuildLevelBitmap();
    void InvalidateRect(const CRect& rect, bool erase);
    void InvalidateAll(bool erase);
    void InvalidateLevelArea();
    void InvalidateCurrentBlock();

    const CUndoHistory& GetUndoHistory() const { return m_undo; }
    // Find par, Play solution and Shot map.
    CSolveTools& GetSolveTools() { return m_solveTools; }
    // The ball's sounds.
    CSoundModule& GetSounds() { return m_sounds; }
    // Called before a command changes the level in test mode: stops a rolling ball, so that the
    // ball thread never reads a level being changed. Test mode stays on; CTestMode::OnLevelChanged
    // then binds the ball to the changed level.
    void StopBallBeforeLevelChange();
    // The view's picture as shown: the client area at one pixel per client pixel.
    const CRasterImage& GetWindowImage() const { return m_windowImage; }
    const CRasterImage& GetLevelBitmap() const { return m_levelBitmap; }

signals:
    // Something that the menus and the toolbar show changed.
    void StateChanged();
    // The level may have changed: its picture was rebuilt, as after every edit, command, Undo,
    // New and Open (and after a new cell size or grid, which change nothing of the level).
    void LevelEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // Whatever takes the input from the view (a dialog, a menu, another window) ends a drag.
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void BuildPalettes();
    void OnDraw(CDeviceContext& dc, const CRect& dirty);
    void DrawOverlay(CDeviceContext& dc);
    void DrawBallStart(CDeviceContext& dc);
    void DrawRubberBand(CDeviceContext& dc);
    void DrawMaterialSwatch(CDeviceContext& dc, int kind, int rotation, const CRect& box);
    CPoint ClientPoint(const QMouseEvent& event) const;

    CLevel& m_level;
    int m_cellSize = 0;

    int m_originX = 5;
    int m_originY = 50;
    std::vector<CPaletteItem> m_shapePalette;
    std::vector<CPaletteItem> m_materialPalette;
    CBlock m_currentBlock;
    int m_dragMoved = 0;
    CUndoHistory m_undo;
    bool m_testMode = false;
    // The ball reports to the notifier and plays through the sound module: both outlive it.
    CBallNotifier m_notifier{*this};
    CSoundModule m_sounds;
    CBall m_ball{0};
    // Plays through the ball: goes before it.
    CSolveTools m_solveTools{*this};
    bool m_buttonDown = false;
    // The left button held now pressed a drag that was cancelled: its release does nothing.
    bool m_dragCancelled = false;
    CEditorSettings m_settings;
    int m_speedLevel = 0;
    EditTool m_tool = ToolPlot;
    CRect m_ballRect;
    CRect m_blockBox{30, 10, 60, 40};
    CRect m_backBox{10, 10, 23, 23};
    CRect m_frontBox{10, 26, 23, 38};
    CRect m_currentBlockArea{10, 10, 61, 41};
    CPoint m_dragStart;
    CPoint m_dragCurrent;
    CRasterImage m_levelBitmap;
    // What the view shows, one pixel per client pixel.
    CRasterImage m_windowImage;

    static bool s_firstInitialUpdate;
};
