#pragma once
#include "sim/BallListener.h"

#include <QObject>

#include <atomic>

class CTestMode;

// Carries the test-mode ball's notifications from the ball thread to test mode. A notification
// runs on the user-interface thread while the ball thread waits for it (a blocking queued call),
// so the view repaints the ball it reads and the ball thread never touches a widget. While the
// user-interface thread waits for the ball to stop, PumpEvents keeps that thread's events moving,
// among them a notification the ball thread may be blocked in.
class CBallNotifier : public QObject, public CBallListener {
    Q_OBJECT
public:
    explicit CBallNotifier(CTestMode& testMode);

    // Called on the ball thread.
    void OnBallNotify(int id, int code) override;
    // Called on the user-interface thread.
    bool PumpEvents() override;
    void OnBallTrace(const std::string& line) override;

    // The view is going away: notifications still on their way are dropped unhandled, and
    // PumpEvents delivers nothing but them, so no event reaches a half-destroyed view.
    void Detach() { m_testMode = nullptr; }

private:
    // Runs on the user-interface thread the notification that the ball thread waits in.
    Q_INVOKABLE void Deliver();

    // Written by the ball thread before it queues the call, read by the call.
    std::atomic<int> m_id = 0;
    std::atomic<int> m_code = 0;
    // Read and written on the user-interface thread only.
    CTestMode* m_testMode;
    bool m_quitting = false;
};
