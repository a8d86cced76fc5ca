#include "view/EditorView.h"

#include "holmfc/ProgramPath.h"
#include "render/DeviceContext.h"
#include "render/LevelImage.h"
#include "view/EditOverlay.h"
#include "view/LevelPropertiesDlg.h"
#include "view/PaletteTips.h"

#include <QDir>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

bool CEditorView::s_firstInitialUpdate = true;

namespace {

// The view's background, shown where nothing else is drawn.
constexpr Colour kWindowColour = MakeRgb(255, 255, 255);

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

CEditorView::CEditorView(CEditingSession& session, QWidget* parent) : QWidget(parent), m_session(session)
{
    m_settings.LoadSettings();
    m_testMode.SetSoundOn(m_settings.m_playSound);
    // Random levels draw from the C library's generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    m_session.SetListener(this);

    // Every paint covers its whole rectangle from the window image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button held set the cursor over the level area.
    setMouseTracking(true);
}

CEditorView::~CEditorView()
{
    m_session.SetListener(nullptr);
    m_testMode.Shutdown();
    m_settings.m_playSound = m_testMode.IsSoundOn();
    m_settings.SaveSettings();
}

// The session's reports -------------------------------------------------------------------------

void CEditorView::BeforeLevelChange()
{
    // The ball thread reads the level: it must not run while the level changes.
    if (m_testMode.GetBall().IsMoving())
        m_testMode.StopBall();
}

void CEditorView::OnEditChange(const CEditChange& change)
{
    switch (change.kind) {
    case CEditChange::CellsChanged:
        RebuildLevelBitmap();
        InvalidateRect(CellsRect(change.cells), false);
        break;
    case CEditChange::LevelReplaced:
        RebuildLevelBitmap();
        InvalidateAll(true);
        break;
    case CEditChange::BallStartMoved:
        InvalidateLevelArea();
        break;
    case CEditChange::CurrentBlockChanged:
        InvalidateRect(change.shapeMarkMoved
                           ? UnionRect(m_session.GetPalettes().GetShapeSpan(), CPalettes::kBlockBox)
                           : CPalettes::kCurrentBlockArea,
                       false);
        return;
    }
    // What the solver found was for the level as it was; the ball starts over on the new one.
    m_solveTools.OnLevelChanged();
    m_testMode.OnLevelChanged();
    emit LevelEdited();
}

CRect CEditorView::CellsRect(const CCellRect& cells) const
{
    return GetGeometry().CellRect(cells.left, cells.top, cells.right - 1, cells.bottom - 1);
}

// Commands and documents --------------------------------------------------------------------------

void CEditorView::OnShowGrid()
{
    m_settings.m_showGrid = !m_settings.m_showGrid;
    RebuildLevelBitmap();
    InvalidateLevelArea();
    emit StateChanged();
}

void CEditorView::OnProperties()
{
    const CLevel& level = m_session.GetLevel();
    CLevelPropertiesDlg dialog(this);
    dialog.SetCreator(QString::fromStdString(level.GetCreator()));
    dialog.SetName(QString::fromStdString(level.GetName()));
    dialog.SetLevelSize(level.GetWidth(), level.GetHeight());
    if (dialog.exec() == QDialog::Accepted)
        m_session.SetProperties(dialog.GetLevelWidth(), dialog.GetLevelHeight(), dialog.GetCreator().toStdString(),
                                dialog.GetName().toStdString());
}

void CEditorView::OnInitialUpdate(const QString& mostRecentFile)
{
    if (s_firstInitialUpdate) {
        s_firstInitialUpdate = false;
        QDir::setCurrent(QStringLiteral("Levels"));
        if (!mostRecentFile.isEmpty())
            QDir::setCurrent(GetFolderOfPath(mostRecentFile));
    }
    if (m_testMode.IsOn())
        m_testMode.Toggle();
}

// Painting ------------------------------------------------------------------------------------

void CEditorView::RebuildLevelBitmap()
{
    const CLevel& level = m_session.GetLevel();
    if (level.GetWidth() <= 0 || level.GetHeight() <= 0 ||
        !RenderLevelImage(level, GetCellSize(), m_settings.m_showGrid, m_levelBitmap))
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

void CEditorView::DrawNow(const std::function<void(CDeviceContext&)>& draw)
{
    CDeviceContext dc(m_windowImage);
    draw(dc);
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
    if (const QString message = GetTooLargeMessage(); !message.isEmpty()) {
        const CPoint origin = CEditingSession::kOrigin;
        painter.setPen(Qt::black);
        painter.drawText(QRect(origin.x, origin.y, width() - 2 * origin.x, height() - origin.y),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, message);
    }
}

QString CEditorView::GetTooLargeMessage() const
{
    const CLevel& level = m_session.GetLevel();
    if (GetCellSize() > 0 || level.GetWidth() <= 0 || level.GetHeight() <= 0)
        return {};
    // At one pixel a block, the level area holds as many blocks as it has pixels.
    const CPoint origin = CEditingSession::kOrigin;
    return tr("The level is %1 x %2 blocks; the window shows at most %3 x %4 blocks at this size")
        .arg(level.GetWidth())
        .arg(level.GetHeight())
        .arg(std::max(width() - origin.x, 0))
        .arg(std::max(height() - origin.y, 0));
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
    if (m_testMode.IsOn()) {
        m_testMode.Draw(dc);
    } else {
        m_solveTools.Draw(dc, devicePixelRatioF());
        DrawEditOverlay(dc, m_session);
    }
}

// Input -----------------------------------------------------------------------------------------
// The view takes every mouse event for itself; keys other than the arrows go on to the frame.

CPoint CEditorView::ClientPoint(const QMouseEvent& event) const
{
    // Qt rounds a widget's event position to whole pixels; the position in the window keeps the
    // pointer's device pixel on a scaled screen. The picture is shown on the window's grid of
    // device pixels, so the pixel is found in the window and moved by the view's place there. An
    // event made by hand may give the view's own position for the window's: that one is taken.
    const double ratio = devicePixelRatioF();
    const QPoint offset = mapTo(window(), QPoint(0, 0));
    const QPointF scene = event.scenePosition();
    const QPointF local = event.position();
    if (std::abs(scene.x() - local.x() - offset.x()) <= 0.5 && std::abs(scene.y() - local.y() - offset.y()) <= 0.5) {
        const CPoint inWindow = CViewGeometry::PointFromPointer(scene.x(), scene.y(), ratio);
        return {inWindow.x - offset.x(), inWindow.y - offset.y()};
    }
    return CViewGeometry::PointFromPointer(local.x(), local.y(), ratio);
}

void CEditorView::ApplyInputReply(const CInputReply& reply)
{
    if (reply.mouse == CInputReply::Mouse::Grab)
        grabMouse();
    else if (reply.mouse == CInputReply::Mouse::Release && QWidget::mouseGrabber() == this)
        releaseMouse();
    if (reply.cursor != CInputReply::Cursor::Keep) {
        const Qt::CursorShape shape = reply.cursor == CInputReply::Cursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor;
        if (cursor().shape() != shape)
            setCursor(shape);
    }
    InvalidateRect(reply.repaint, false);
}

void CEditorView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Rotate block on the sample honours the Shift key as it is now, as the menu and the key do.
    const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    ApplyInputReply(m_session.LeftButtonDown(ClientPoint(*event), shift));
}

void CEditorView::mouseMoveEvent(QMouseEvent* event)
{
    ApplyInputReply(m_session.MouseMove(ClientPoint(*event), event->buttons().testFlag(Qt::LeftButton)));
}

void CEditorView::mouseReleaseEvent(QMouseEvent* event)
{
    const CPoint point = ClientPoint(*event);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->button() == Qt::LeftButton) {
        const CInputReply reply = m_session.LeftButtonUp(point, modifiers.testFlag(Qt::ShiftModifier));
        ApplyInputReply(reply);
        if (reply.shoot)
            m_testMode.Shoot(point);
    } else if (event->button() == Qt::RightButton) {
        m_session.RightButtonUp(point, modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier));
    }
}

void CEditorView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_session.GetDrag().IsActive()) {
        ApplyInputReply(m_session.CancelDrag());
        return;
    }
    QWidget::keyPressEvent(event);
}

void CEditorView::keyReleaseEvent(QKeyEvent* event)
{
    // Once per release of the key, not for the releases that auto-repeat sends.
    if (event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        m_session.ShiftLevel(-1, 0);
        break;
    case Qt::Key_Up:
        m_session.ShiftLevel(0, -1);
        break;
    case Qt::Key_Right:
        m_session.ShiftLevel(1, 0);
        break;
    case Qt::Key_Down:
        m_session.ShiftLevel(0, 1);
        break;
    default:
        QWidget::keyReleaseEvent(event);
        break;
    }
}

void CEditorView::focusOutEvent(QFocusEvent* event)
{
    ApplyInputReply(m_session.CancelDrag());
    QWidget::focusOutEvent(event);
}

bool CEditorView::event(QEvent* event)
{
    // A modal dialog has opened over the window: it takes the mouse and the keyboard at once.
    if (event->type() == QEvent::WindowBlocked)
        ApplyInputReply(m_session.CancelDrag());
    // The palette items and the samples of the current block say what they are and do.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint position = help->pos();
        const QString text = PaletteTipText(m_session.GetPalettes().FindSpot(
            CViewGeometry::PointFromPointer(position.x(), position.y(), devicePixelRatioF())));
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void CEditorView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_windowImage.Resize(width(), height()))
        m_windowImage.Fill(kWindowColour);
    m_session.SetClientSize(width(), height());
    RebuildLevelBitmap();
    InvalidateAll(false);
}
