#pragma once
#include "render/Rect.h"
#include "sim/Ball.h"
#include "view/BallNotifier.h"
#include "view/SoundModule.h"

class CDeviceContext;
class CEditingSession;
class CEditorView;

// Test mode: the ball bound to the level, shot with the mouse and simulated on the ball thread,
// its speed level and sound, and the notifications by which the view repaints it. While test mode
// is on, the editing session takes no edits from the mouse. A ball that sinks into the cup ends
// test mode.
class CTestMode {
public:
    CTestMode(CEditorView& view, CEditingSession& session);

    // The view is going away: the ball stops, and notifications still on their way are dropped.
    void Shutdown();

    bool IsOn() const { return m_on; }
    // Switches test mode on or off; a drag under way is cancelled first. Entering binds the ball
    // to the level at its start position and draws it, and the pointer shows the default arrow;
    // leaving stops a rolling ball and repaints everything.
    void Toggle();
    // Test mode entered afresh: the ball at the start, full size and out of the cup.
    void Restart();
    // After the level changed in test mode (the ball was stopped before): the ball is bound to
    // the changed level as entering binds it, and repainted there. Nothing outside test mode.
    void OnLevelChanged();
    // The ball thread's report after a tick (a BallNotifyCode), on the user-interface thread:
    // repaints where the ball was and where it is, or leaves test mode when it sank into the cup.
    void OnBallNotify(int code);

    // A left release at the point shoots: the heading points from the ball to the pointer and the
    // strength grows with the distance in whole cells. Nothing while the ball moves.
    void Shoot(CPoint point);
    // Shoots the ball with the strength and heading; false while the ball still moves.
    bool Shoot(double strength, double angle);
    // Waits until a rolling ball has stopped.
    void StopBall();

    // The speed level (-2 Paus to 5 Ultra, 0 Normal) applies to a shot in progress from its next
    // tick on.
    int GetSpeedLevel() const { return m_speedLevel; }
    void SetSpeedLevel(int level);
    bool IsSoundOn() const { return m_ball.IsSoundOn(); }
    void SetSoundOn(bool on);
    // The ball's sounds.
    CSoundModule& GetSounds() { return m_sounds; }

    const CBall& GetBall() const { return m_ball; }
    void SetSlowSteps(int steps) { m_ball.SetSlowSteps(steps); }
    // Where the ball was painted last.
    const CRect& GetBallRect() const { return m_ballRect; }
    // The ball where it is now, at full brightness.
    void Draw(CDeviceContext& dc) { m_ball.Draw(dc, false); }

private:
    // The ball on the level at its start, full size and out of the cup, at the present cell size;
    // repaints where it was and where it is now.
    void BindBall();

    CEditorView& m_view;
    CEditingSession& m_session;
    // The ball reports to the notifier and plays through the sound module: both outlive it.
    CBallNotifier m_notifier{*this};
    CSoundModule m_sounds;
    CBall m_ball{0};
    bool m_on = false;
    int m_speedLevel = 0;
    CRect m_ballRect;
};
