#pragma once
#include <string>

// What a ball tells its view after a tick of the ball thread.
enum BallNotifyCode : int {
    BallStopped = 0, // stopped and not in the cup: at rest, or put back after water
    BallInCup = 1,   // stopped in the cup; it has sunk out of sight
    BallMoved = 2,   // moved during the last tick and still moving
};

// The view that a moving ball reports to. The ball calls OnBallNotify and OnBallTrace on its own
// thread and PumpEvents on the user-interface thread.
class CBallListener {
public:
    virtual ~CBallListener() = default;

    // Handles the notification on the user-interface thread and returns only when it has been
    // handled, so the ball thread waits while the view repaints. Called on the ball thread.
    virtual void OnBallNotify(int id, int code) = 0;

    // Handles the events waiting on the user-interface thread, among them a notification that the
    // ball thread may be waiting in; called in a loop while the user-interface thread waits for
    // the ball thread. Returns false when the application is closing down; it must go on
    // handling events even then, or a ball thread waiting in OnBallNotify could never finish.
    virtual bool PumpEvents() = 0;

    // A diagnostic line with no visible effect for the user; ignored unless overridden. Called
    // on either thread.
    virtual void OnBallTrace(const std::string& line) { static_cast<void>(line); }
};
