#include "view/TestMode.h"

#include "edit/EditingSession.h"
#include "render/DeviceContext.h"
#include "sim/ShotStrength.h"
#include "view/EditorView.h"

#include <algorithm>
#include <cmath>
#include <string>

CTestMode::CTestMode(CEditorView& view, CEditingSession& session) : m_view(view), m_session(session)
{
    m_ball.SetSoundPlayer(&m_sounds);
}

void CTestMode::Shutdown()
{
    // From here on the ball thread's notifications are dropped: the view is going away.
    m_notifier.Detach();
    m_ball.Stop();
}

void CTestMode::Toggle()
{
    m_view.ApplyInputReply(m_session.CancelDrag());
    m_on = !m_on;
    m_session.SetTestMode(m_on);
    if (m_on) {
        BindBall();
        // The ball shows at once; the overlays stay until the next full repaint.
        m_view.DrawNow([this](CDeviceContext& dc) { m_ball.Draw(dc, false); });
        m_view.RebuildLevelBitmap();
        // Moves in test mode get only the default handling: the arrow, not the cross of editing.
        m_view.unsetCursor();
    } else {
        m_ball.Stop();
        m_view.InvalidateAll(true);
    }
    emit m_view.StateChanged();
}

void CTestMode::Restart()
{
    if (m_on)
        Toggle();
    Toggle();
}

void CTestMode::OnLevelChanged()
{
    if (m_on)
        BindBall();
}

void CTestMode::BindBall()
{
    const CLevel& level = m_session.GetLevel();
    const CViewGeometry geometry = m_session.GetGeometry();
    m_ball.AttachLevel(&level);
    m_ball.SetX(level.GetBallX());
    m_ball.SetY(level.GetBallY());
    m_ball.SetCellSize(geometry.GetCellSize());
    m_ball.SetOriginX(geometry.GetOrigin().x);
    m_ball.SetOriginY(geometry.GetOrigin().y);
    m_view.InvalidateRect(m_ballRect, false);
    m_ballRect = m_ball.GetRect();
    m_view.InvalidateRect(m_ballRect, false);
}

void CTestMode::OnBallNotify(int code)
{
    if (code == BallInCup) {
        if (m_on)
            Toggle();
        return;
    }
    const CRect r = m_ball.GetRect();
    const CRect ballRect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                         std::max(r.top, r.bottom)};
    // Where the ball was and where it is now; the level picture fills in behind it.
    m_view.InvalidateRect(m_ballRect, false);
    m_view.InvalidateRect(ballRect, false);
    m_ballRect = ballRect;
    if (!m_on)
        m_ball.Stop();
    if (code == BallStopped)
        emit m_view.StateChanged();
}

void CTestMode::Shoot(CPoint point)
{
    if (!m_on)
        return;
    const CViewGeometry geometry = m_session.GetGeometry();
    const int c = geometry.GetCellSize();
    const CPoint origin = geometry.GetOrigin();
    const double x = m_ball.GetX();
    const double y = m_ball.GetY();
    const double angle = std::atan2(point.y - (y * c + origin.y), point.x - (x * c + origin.x));
    const CPoint cell = geometry.ClampedCellFromPoint(point);
    Shoot(GetShotStrength(GetShotStrengthStep(cell.x - x, cell.y - y)), angle);
}

bool CTestMode::Shoot(double strength, double angle)
{
    const bool started = m_ball.Start(strength, angle, &m_notifier, m_speedLevel);
    emit m_view.StateChanged();
    return started;
}

void CTestMode::StopBall()
{
    m_ball.Stop();
    emit m_view.StateChanged();
}

void CTestMode::SetSpeedLevel(int level)
{
    m_speedLevel = level;
    m_notifier.OnBallTrace("Changing ballspeed to: " + std::to_string(m_speedLevel) + "\n");
    m_ball.SetSpeedLevel(m_speedLevel);
    emit m_view.StateChanged();
}

void CTestMode::SetSoundOn(bool on)
{
    m_ball.SetSoundOn(on);
    emit m_view.StateChanged();
}
