#pragma once
#include "render/Point.h"

class CEditorView;

// Test mode: the ball bound to the document's level, shot with the mouse and simulated on the
// ball thread, its speed level and sounds, and the notifications by which the view repaints it.
// A ball that sinks into the cup ends test mode.
class CTestMode {
public:
    explicit CTestMode(CEditorView& view) : m_view(view) {}

    // Toggles test mode; a drag under way is cancelled first. Entering binds the ball to the level
    // at its start position and draws it, and the pointer shows the default arrow; leaving stops a
    // rolling ball and repaints everything.
    void OnTestMode();
    // After a command changed the level in test mode (the ball was stopped before): the ball is
    // bound to the changed level as entering test mode binds it, and repainted there. Nothing
    // outside test mode.
    void OnLevelChanged();
    // The ball thread's report after a tick (a BallNotifyCode), on the user-interface thread:
    // repaints where the ball was and where it is, or leaves test mode when it sank into the cup.
    void OnBallNotify(int id, int code);
    // A left release at the point shoots: the heading points from the ball to the pointer and the
    // strength grows with the distance in whole cells. Nothing while the ball moves.
    void Shoot(CPoint point);
    // Speed commands: the speed level (-2 Paus to 5 Ultra, 0 Normal) applies to a shot in progress
    // from its next tick on.
    void OnSpeed(int level);
    void OnPlaySound();
    void OnStopBall();

private:
    // The ball on the document's level at its start, full size and out of the cup, at the
    // present cell size; repaints where it was and where it is now.
    void BindBall();

    CEditorView& m_view;
};
