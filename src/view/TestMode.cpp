#include "view/TestMode.h"

#include "render/DeviceContext.h"
#include "view/EditorView.h"
#include "view/ToolInput.h"

#include <algorithm>
#include <cmath>
#include <string>

void CTestMode::OnTestMode()
{
    CToolInput(m_view).CancelDrag();
    m_view.m_testMode = !m_view.m_testMode;
    if (m_view.m_testMode) {
        BindBall();
        // The ball shows at once; the overlays stay until the next full repaint.
        CDeviceContext dc(m_view.m_windowImage);
        m_view.m_ball.Draw(dc, false);
        m_view.RebuildLevelBitmap();
        // Moves in test mode get only the default handling: the arrow, not the cross of editing.
        m_view.unsetCursor();
    } else {
        m_view.m_ball.Stop();
        m_view.InvalidateAll(true);
    }
    emit m_view.StateChanged();
}

void CTestMode::OnLevelChanged()
{
    if (m_view.m_testMode)
        BindBall();
}

void CTestMode::BindBall()
{
    const CLevel& level = m_view.GetLevel();
    CBall& ball = m_view.m_ball;
    ball.AttachLevel(&level);
    ball.SetX(level.GetBallX());
    ball.SetY(level.GetBallY());
    ball.SetCellSize(m_view.GetCellSize());
    ball.SetOriginX(m_view.m_originX);
    ball.SetOriginY(m_view.m_originY);
    m_view.InvalidateRect(m_view.m_ballRect, false);
    m_view.m_ballRect = ball.GetRect();
    m_view.InvalidateRect(m_view.m_ballRect, false);
}

void CTestMode::OnBallNotify(int, int code)
{
    if (code == BallInCup) {
        if (m_view.m_testMode)
            OnTestMode();
        return;
    }
    const CRect r = m_view.m_ball.GetRect();
    const CRect ballRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                         std::max(r.top, r.bottom)};
    // Where the ball was and where it is now; the level picture fills in behind it.
    m_view.InvalidateRect(m_view.m_ballRect, false);
    m_view.InvalidateRect(ballRect, false);
    m_view.m_ballRect = ballRect;
    if (!m_view.m_testMode)
        m_view.m_ball.Stop();
    if (code == BallStopped)
        emit m_view.StateChanged();
}

void CTestMode::Shoot(CPoint point)
{
    if (!m_view.m_testMode)
        return;
    CBall& ball = m_view.m_ball;
    const CViewGeometry geometry = m_view.GetGeometry();
    const int c = geometry.GetCellSize();
    const CPoint origin = geometry.GetOrigin();
    const double x = ball.GetX();
    const double y = ball.GetY();
    const double angle = std::atan2(point.y - (y * c + origin.y), point.x - (x * c + origin.x));
    const CPoint cell = geometry.ClampedCellFromPoint(point);
    const double strength = 3.0 * std::trunc(std::sqrt((cell.x - x) * (cell.x - x) + (cell.y - y) * (cell.y - y)));
    ball.Start(strength, angle, &m_view.m_notifier, m_view.m_speedLevel);
    emit m_view.StateChanged();
}

void CTestMode::OnSpeed(int level)
{
    m_view.m_speedLevel = level;
    m_view.m_notifier.OnBallTrace("Changing ballspeed to: " + std::to_string(m_view.m_speedLevel) + "\n");
    m_view.m_ball.SetSpeedLevel(m_view.m_speedLevel);
    emit m_view.StateChanged();
}

void CTestMode::OnPlaySound()
{
    m_view.m_ball.SetSoundOn(!m_view.m_ball.IsSoundOn());
    emit m_view.StateChanged();
}

void CTestMode::OnStopBall()
{
    m_view.m_ball.Stop();
    emit m_view.StateChanged();
}
