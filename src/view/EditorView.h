#pragma once
#include "edit/EditListener.h"
#include "edit/EditingSession.h"
#include "render/RasterImage.h"
#include "render/Rect.h"
#include "view/EditorSettings.h"
#include "view/SolveTools.h"
#include "view/TestMode.h"

#include <QWidget>

#include <functional>

class CDeviceContext;

// The editor's view of the level: it turns Qt's input into calls of the editing session, does
// what the session answers (grab the mouse, repaint), answers the session's reports of changes in
// one place, and paints the level with everything drawn over it. It owns test mode, the solver
// commands and the settings.
//
// Positions are client pixels: the view's own pixels, scaled like the rest of the window on a
// high-density screen and shown there on patches of whole device pixels (CViewGeometry maps the
// pointer). Rectangles exclude their right and bottom edges.
class CEditorView : public QWidget, private CEditListener {
    Q_OBJECT
public:
    // The view edits through session, which the document owns and keeps for the whole run.
    explicit CEditorView(CEditingSession& session, QWidget* parent = nullptr);
    // Stops a rolling ball and saves the settings, the ball's sound flag among them.
    ~CEditorView() override;

    CEditingSession& GetSession() const { return m_session; }
    CTestMode& GetTestMode() { return m_testMode; }
    const CTestMode& GetTestMode() const { return m_testMode; }
    // Find par, Play solution and Shot map.
    CSolveTools& GetSolveTools() { return m_solveTools; }
    const CSolveTools& GetSolveTools() const { return m_solveTools; }
    CViewGeometry GetGeometry() const { return m_session.GetGeometry(); }
    int GetCellSize() const { return m_session.GetCellSize(); }
    bool IsGridShown() const { return m_settings.m_showGrid; }

    // Commands that need the view: the grid, and Properties with its dialog.
    void OnShowGrid();
    void OnProperties();

    // A document was attached (New, Open) and the session holds its level. The first call of a
    // run moves the current directory to "Levels", then to the folder of mostRecentFile, the
    // first entry of the recent-file list, unless it is empty. Test mode ends.
    void OnInitialUpdate(const QString& mostRecentFile);

    // Painting. The level picture is rebuilt after the level, the cell size or the grid flag
    // changed; paints copy it and draw the overlays on top. Invalidation never erases unless
    // asked to: what lies outside the repainted parts stays as it was.
    void RebuildLevelBitmap();
    void InvalidateRect(const CRect& rect, bool erase);
    void InvalidateAll(bool erase);
    void InvalidateLevelArea();
    // Draws into the picture shown at once, without waiting for the next paint.
    void DrawNow(const std::function<void(CDeviceContext&)>& draw);
    // Does what the session answered to an input.
    void ApplyInputReply(const CInputReply& reply);
    // The view's picture as shown: the client area at one pixel per client pixel.
    const CRasterImage& GetWindowImage() const { return m_windowImage; }
    const CRasterImage& GetLevelBitmap() const { return m_levelBitmap; }
    // Why the level is not shown, when the window is too small for a pixel a block; else empty.
    QString GetTooLargeMessage() const;

signals:
    // Something that the menus and the toolbar show changed.
    void StateChanged();
    // The level or its ball start changed, once for each change, after it was made.
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
    // The session's reports: the one place where a change of the level or of the current block
    // becomes a new picture, a new fit, a ball bound afresh and the solver's findings dropped.
    void BeforeLevelChange() override;
    void OnEditChange(const CEditChange& change) override;
    CRect CellsRect(const CCellRect& cells) const;
    CPoint ClientPoint(const QMouseEvent& event) const;
    void OnDraw(CDeviceContext& dc, const CRect& dirty);

    CEditingSession& m_session;
    CEditorSettings m_settings;
    CTestMode m_testMode{*this, m_session};
    // Plays through the test-mode ball: goes before it.
    CSolveTools m_solveTools{*this};
    CRasterImage m_levelBitmap;
    // What the view shows, one pixel per client pixel.
    CRasterImage m_windowImage;

    static bool s_firstInitialUpdate;
};
