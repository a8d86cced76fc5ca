#include "view/TestMode.h"

#include "app/CommandTable.h"
#include "app/EditorDoc.h"
#include "render/DeviceContext.h"
#include "view/EditorView.h"

#include <algorithm>
#include <cmath>
#include <string>

void CTestMode::OnTestMode()
{
    m_view.m_testMode = !m_view.m_testMode;
    CBall& ball = m_view.m_ball;
    if (m_view.m_testMode) {
        const CEditorDoc& document = m_view.GetDocument();
        const CLevel& level = document.m_level;
        ball.AttachLevel(&level);
        ball.SetX(level.GetBallX());
        ball.SetY(level.GetBallY());
        ball.SetCellSize(document.m_cellSize);
        ball.SetOriginX(m_view.m_originX);
        ball.SetOriginY(m_view.m_originY);
        m_view.m_ballRect = ball.GetRect();
        // The ball shows at once; the overlays stay until the next full repaint.
        CDeviceContext dc(m_view.m_windowImage);
        ball.Draw(dc, false);
        m_view.InvalidateRect(m_view.m_ballRect, false);
        m_view.RebuildLevelBitmap();
    } else {
        ball.Stop();
        m_view.InvalidateAll(true);
    }
    emit m_view.StateChanged();
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
    const int c = m_view.GetDocument().m_cellSize;
    const double x = ball.GetX();
    const double y = ball.GetY();
    const double angle = std::atan2(point.y - (y * c + m_view.m_originY), point.x - (x * c + m_view.m_originX));
    const CPoint cell = m_view.ClampedCellFromPoint(point);
    const double strength = 3.0 * std::trunc(std::sqrt((cell.x - x) * (cell.x - x) + (cell.y - y) * (cell.y - y)));
    ball.Start(strength, angle, &m_view.m_notifier, m_view.m_speedLevel);
    emit m_view.StateChanged();
}

void CTestMode::OnSpeed(int id)
{
    m_view.m_speedLevel = id - CmdSpeedNormal;
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
