#pragma once
#include <vector>

// A shot as the test-mode mouse gives it: a strength (blocks per time unit; the mouse gives 3
// times a whole number) and a heading in radians, y downward.
struct CShot {
    double strength = 0.0;
    double angle = 0.0;
    bool operator==(const CShot&) const = default;
};

// How a shot ended.
enum ShotResult : int {
    ShotRest = 0,   // the ball came to rest on the level
    ShotWater = 1,  // it fell into water or left the level and was put back where the shot started
    ShotCup = 2,    // it sank into the cup
    ShotMoving = 3, // it still rolled when the step limit was reached
};

// Where a shot starts: the ball's position and the slow-step count that carries over from the
// shot before (see CBall::GetSlowSteps). Nothing else of the ball carries over between shots
// that could change how the next one rolls: Launch resets the heading, speed, cup pull and wall
// contact; the roll of the dots and the cup-touched flag only change what is drawn and heard.
struct CBallState {
    double x = 0.0;
    double y = 0.0;
    int slowSteps = 0;
    bool operator==(const CBallState&) const = default;
};

struct CPathPoint {
    double x = 0.0;
    double y = 0.0;
};

// A shot and what became of it: the result, the steps it took and the state the next shot
// starts from (for water the start of this shot with the count the ball had when it fell in).
// The path, when recorded, holds the ball's centre before the first step and after every step
// that left it on the level; after a fall into water its last point is where the ball went in.
struct CPlayedShot {
    CShot shot;
    int result = ShotRest;
    long long steps = 0;
    CBallState end;
    // The ball's centre lay on wall ground during the shot (CBall::HasPassedWall).
    bool throughWall = false;
    std::vector<CPathPoint> path;
};

// "rest", "water", "cup" or "moving".
inline const char* GetShotResultName(int result)
{
    switch (result) {
    case ShotWater:
        return "water";
    case ShotCup:
        return "cup";
    case ShotMoving:
        return "moving";
    default:
        return "rest";
    }
}
