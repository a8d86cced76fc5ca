#pragma once
#include "render/Point.h"

class CEditorView;

// Test mode: the ball bound to the document's level, shot with the mouse and simulated on the
// ball thread, its speed level and sounds, and the notifications by which the view repaints it.
// A ball that sinks into the cup ends test mode.
class CTestMode {
public:
    explicit CTestMode(CEditorView& view) : m_view(view) {}

    // Toggles test mode. Entering binds the ball to the level at its start position and draws it;
    // leaving stops a rolling ball and repaints everything.
    void OnTestMode();
    // The ball thread's report after a tick (a BallNotifyCode), on the user-interface thread:
    // repaints where the ball was and where it is, or leaves test mode when it sank into the cup.
    void OnBallNotify(int id, int code);
    // A left release at the point shoots: the heading points from the ball to the pointer and the
    // strength grows with the distance in whole cells. Nothing while the ball moves.
    void Shoot(CPoint point);
    // Speed commands: the level is the command id less that of Normal; it applies to a shot in
    // progress from its next tick on.
    void OnSpeed(int id);
    void OnPlaySound();
    void OnStopBall();

private:
    CEditorView& m_view;
};
