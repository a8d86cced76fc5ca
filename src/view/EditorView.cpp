#include "view/EditorView.h"

#include "holmfc/ProgramPath.h"
#include "render/DeviceContext.h"
#include "render/LevelImage.h"
#include "render/SlopeArrow.h"
#include "sim/Ball.h"
#include "view/TestMode.h"
#include "view/ToolInput.h"

#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <ctime>

bool CEditorView::s_firstInitialUpdate = true;

namespace {

// The view's background, shown where nothing else is drawn.
constexpr Colour kWindowColour = MakeRgb(255, 255, 255);

// The shape palette's order: the order of the shape table.
constexpr int kPaletteShapes[] = {Solid, Circle, QuarterDisc, Triangle, HalfDisc};

CRect UnionRect(const CRect& a, const CRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

CRect IntersectRect(const CRect& a, const CRect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

} // namespace

CEditorView::CEditorView(CLevel& level, QWidget* parent) : QWidget(parent), m_level(level)
{
    m_currentBlock.Set(Solid, 0, Grass, NoSlope, Wall, NoSlope);
    m_settings.LoadSettings();
    m_ball.SetSoundOn(m_settings.m_playSound);
    m_ball.SetSoundPlayer(&m_sounds);
    // Random levels draw from the C library's generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    BuildPalettes();

    // Every paint covers its whole rectangle from the window image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button held set the cursor over the level area.
    setMouseTracking(true);
}

CEditorView::~CEditorView()
{
    // From here on the ball thread's notifications are dropped: the view is going away.
    m_notifier.Detach();
    m_ball.Stop();
    m_settings.m_playSound = m_ball.IsSoundOn();
    m_settings.SaveSettings();
}

void CEditorView::BuildPalettes()
{
    CBlock sample;
    for (int i = 0; i < 5; ++i) {
        sample.Set(kPaletteShapes[i], 0, Grass, NoSlope, Wall, NoSlope);
        m_shapePalette.emplace_back(CRect{70 + 50 * i, 5, 110 + 50 * i, 45}, sample);
    }
    for (int kind = Grass; kind <= Water; ++kind) {
        sample.Set(Solid, 0, kind, NoSlope, Wall, NoSlope);
        m_materialPalette.emplace_back(CRect{330 + 50 * kind, 5, 370 + 50 * kind, 45}, sample);
        m_materialPalette.back().SetSelected(true);
    }
    m_shapePalette.front().SetSelected(true);
}

// Geometry ------------------------------------------------------------------------------------

CViewGeometry CEditorView::GetGeometry() const
{
    const CLevel& level = m_level;
    return {{m_originX, m_originY}, m_cellSize, level.GetWidth(), level.GetHeight(), devicePixelRatioF()};
}

void CEditorView::FitCellSize()
{
    const CLevel& level = m_level;
    m_cellSize =
        CViewGeometry::FitCellSize(width(), height(), {m_originX, m_originY}, level.GetWidth(), level.GetHeight());
    m_ball.SetCellSize(m_cellSize);
}

CPoint CEditorView::ClientPoint(const QMouseEvent& event) const
{
    return GetGeometry().PointFromPointer(event.position().x(), event.position().y());
}

// Commands and document changes -----------------------------------------------------------------

void CEditorView::OnShowGrid()
{
    m_settings.m_showGrid = !m_settings.m_showGrid;
    RebuildLevelBitmap();
    InvalidateLevelArea();
    emit StateChanged();
}

void CEditorView::SelectShape(int index)
{
    if (index < 0 || index >= static_cast<int>(m_shapePalette.size()))
        return;
    m_currentBlock.Set(m_shapePalette[index].GetBlock().GetShape(), -1, -1, -1, -1, -1);
    for (CPaletteItem& item : m_shapePalette)
        item.SetSelected(false);
    m_shapePalette[index].SetSelected(true);
    InvalidateRect(UnionRect(UnionRect(m_shapePalette.front().GetRect(), m_shapePalette.back().GetRect()), m_blockBox),
                   false);
}

void CEditorView::OnInitialUpdate(const QString& mostRecentFile)
{
    InvalidateAll(true);
    FitCellSize();
    RebuildLevelBitmap();
    m_dragMoved = 0;
    if (s_firstInitialUpdate) {
        s_firstInitialUpdate = false;
        QDir::setCurrent(QStringLiteral("Levels"));
        if (!mostRecentFile.isEmpty())
            QDir::setCurrent(GetFolderOfPath(mostRecentFile));
    }
    if (m_testMode)
        CTestMode(*this).OnTestMode();
}

void CEditorView::OnUpdate()
{
    RebuildLevelBitmap();
    InvalidateAll(true);
}

// Painting ------------------------------------------------------------------------------------

void CEditorView::RebuildLevelBitmap()
{
    m_solveTools.OnLevelChanged();
    emit LevelEdited();
    const CLevel& level = m_level;
    if (level.GetWidth() <= 0 || level.GetHeight() <= 0 ||
        !RenderLevelImage(level, m_cellSize, m_settings.m_showGrid, m_levelBitmap))
        m_levelBitmap.Resize(0, 0);
}

void CEditorView::InvalidateRect(const CRect& rect, bool erase)
{
    const CRect clipped = IntersectRect(rect, {0, 0, m_windowImage.GetWidth(), m_windowImage.GetHeight()});
    if (clipped.IsEmpty())
        return;
    if (erase) {
        CDeviceContext dc(m_windowImage);
        dc.FillRect(clipped, CBrush::MakeSolid(kWindowColour));
    }
    update(clipped.left, clipped.top, clipped.Width(), clipped.Height());
}

void CEditorView::InvalidateAll(bool erase)
{
    InvalidateRect({0, 0, m_windowImage.GetWidth(), m_windowImage.GetHeight()}, erase);
}

void CEditorView::InvalidateLevelArea()
{
    InvalidateRect(GetGeometry().GetLevelArea(), false);
}

void CEditorView::InvalidateCurrentBlock()
{
    InvalidateRect(m_currentBlockArea, false);
}

void CEditorView::StopBallBeforeLevelChange()
{
    m_ball.Stop();
}

// Input -----------------------------------------------------------------------------------------
// The view takes every mouse event for itself; keys other than the arrows go on to the frame.

void CEditorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        CToolInput(*this).OnLeftButtonDown(ClientPoint(*event));
}

void CEditorView::mouseMoveEvent(QMouseEvent* event)
{
    CToolInput(*this).OnMouseMove(ClientPoint(*event), event->buttons().testFlag(Qt::LeftButton));
}

void CEditorView::mouseReleaseEvent(QMouseEvent* event)
{
    const CPoint point = ClientPoint(*event);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton) {
        // The release of a cancelled drag neither draws nor shoots.
        if (CToolInput(*this).OnLeftButtonUp(point, modifiers.testFlag(Qt::ShiftModifier)))
            CTestMode(*this).Shoot(point);
    } else if (event->button() == Qt::RightButton) {
        CToolInput(*this).OnRightButtonUp(point, modifiers.testFlag(Qt::ControlModifier),
                                          modifiers.testFlag(Qt::ShiftModifier));
    }
}

void CEditorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_buttonDown) {
        CToolInput(*this).CancelDrag();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CEditorView::keyReleaseEvent(QKeyEvent* event)
{
    // Once per release of the key, not for the releases that auto-repeat sends.
    if (!event->isAutoRepeat() && CToolInput(*this).OnKeyUp(event->key()))
        return;
    QWidget::keyReleaseEvent(event);
}

void CEditorView::focusOutEvent(QFocusEvent* event)
{
    CToolInput(*this).CancelDrag();
    QWidget::focusOutEvent(event);
}

bool CEditorView::event(QEvent* event)
{
    // A modal dialog has opened over the window: it takes the mouse and the keyboard at once.
    if (event->type() == QEvent::WindowBlocked)
        CToolInput(*this).CancelDrag();
    return QWidget::event(event);
}

void CEditorView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_windowImage.Resize(width(), height()))
        m_windowImage.Fill(kWindowColour);
    FitCellSize();
    RebuildLevelBitmap();
    InvalidateAll(false);
}

void CEditorView::paintEvent(QPaintEvent* event)
{
    const QRect dirty = event->rect();
    CDeviceContext dc(m_windowImage);
    OnDraw(dc, {dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1});

    // On a scaled screen each pixel of the image becomes a patch of whole device pixels, picked
    // by nearest pixel: never smoothed, never blurred (CViewGeometry maps the pointer alike).
    const QImage image(reinterpret_cast<const uchar*>(m_windowImage.GetBits()), m_windowImage.GetWidth(),
                       m_windowImage.GetHeight(), m_windowImage.GetBytesPerLine(), QImage::Format_RGB32);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), image);
}

void CEditorView::OnDraw(CDeviceContext& dc, const CRect& dirty)
{
    // The level picture reaches one pixel beyond the level area: the right and bottom edges.
    const CRect area = GetGeometry().GetLevelArea();
    const CRect picture{area.left, area.top, area.left + m_levelBitmap.GetWidth(), area.top + m_levelBitmap.GetHeight()};
    const CRect copy = IntersectRect(picture, dirty);
    if (!copy.IsEmpty())
        dc.BitBlt(copy.left, copy.top, copy.Width(), copy.Height(), m_levelBitmap, copy.left - area.left,
                  copy.top - area.top);
    if (m_testMode) {
        m_ball.Draw(dc, false);
    } else {
        m_solveTools.Draw(dc);
        DrawOverlay(dc);
    }
}

void CEditorView::DrawOverlay(CDeviceContext& dc)
{
    m_currentBlock.Draw(dc, m_blockBox.left, m_blockBox.top, m_blockBox.Width() - 1);
    for (const CPaletteItem& item : m_shapePalette)
        item.Draw(dc);
    for (const CPaletteItem& item : m_materialPalette)
        item.Draw(dc);

    DrawMaterialSwatch(dc, m_currentBlock.GetFrontKind(), m_currentBlock.GetFrontRotation(), m_frontBox);
    DrawMaterialSwatch(dc, m_currentBlock.GetBackKind(), m_currentBlock.GetBackRotation(), m_backBox);

    DrawBallStart(dc);
    DrawRubberBand(dc);
}

void CEditorView::DrawBallStart(CDeviceContext& dc)
{
    // A ball of its own at the level's start position, at full brightness.
    const CLevel& level = m_level;
    CBall marker(0);
    marker.SetCellSize(m_cellSize);
    marker.SetOriginX(m_originX);
    marker.SetOriginY(m_originY);
    marker.SetX(level.GetBallX());
    marker.SetY(level.GetBallY());
    marker.Draw(dc, false);
}

void CEditorView::DrawRubberBand(CDeviceContext& dc)
{
    if (!m_buttonDown)
        return;
    const CPen red = CPen::MakeSolid(MakeRgb(255, 0, 0));
    const CPen* oldPen = dc.SelectPen(&red);
    const CBrush* oldBrush = dc.SelectBrush(&CBrush::Null());
    if (m_tool == ToolRectangle || m_tool == ToolFrame) {
        const CRect r = GetGeometry().WidenedToCells(m_dragStart, m_dragCurrent);
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
    } else if (m_tool == ToolLine) {
        dc.MoveTo(m_dragStart.x, m_dragStart.y);
        dc.LineTo(m_dragCurrent.x, m_dragCurrent.y);
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void CEditorView::DrawMaterialSwatch(CDeviceContext& dc, int kind, int rotation, const CRect& box)
{
    // The flat base colour of the kind, with an arrow for its slope.
    CBlock swatch;
    swatch.Set(Solid, 0, kind, -1, -1, -1);
    swatch.Draw(dc, box.left, box.top, box.Width());
    DrawSlopeArrow(dc, (box.left + box.right) / 2, (box.top + box.bottom) / 2, box.Width() / 2.2, rotation);
}
