#pragma once
#include "model/Level.h"
#include "solve/Shot.h"
#include "solve/ShotSet.h"

#include <atomic>
#include <vector>

struct CSolveOptions {
    int maxShots = 6;
    int headings = CShotSet::kDefaultHeadings;
    // Threads; 0 or less: one per processor. The result does not depend on it.
    int jobs = 0;
    // Seconds of wall time; 0 or less: no limit.
    double timeLimit = 0.0;
    // Rest positions in the same square of 1 / mergeGrid blocks count as one, the first one the
    // search reaches standing for all (its slow-step count too); 0 keeps every distinct state.
    int mergeGrid = 16;
    // Positions nearest the cup first and headings nearest its direction first (CLayerExpansion);
    // false: the plain order, positions as they were reached and headings from index 0 upward.
    // Without merging both find the same par; aiming finds a solution sooner.
    bool aim = true;
};

enum SolveStatus : int {
    SolveFound = 0,     // the result holds the shortest solution found
    SolveNone = 1,      // no solution of at most maxShots shots (under the merging)
    SolveTimedOut = 2,  // the time limit came first
    SolveCancelled = 3, // the cancel flag came first
};

// Polled while a search runs.
struct CSolveProgress {
    long long shots = 0;     // shots played so far
    int depth = 0;           // the length of the solutions now searched
    long long positions = 0; // the states they start from
};

struct CSolveResult {
    int status = SolveNone;
    // The solution, replayed as test mode plays it, each shot with its path.
    std::vector<CPlayedShot> shots;
    long long shotsPlayed = 0;
    // Every solution of at most this many shots has been ruled out (under the merging).
    int depthSearched = 0;
};

// The shot solver: finds the fewest shots that take the ball from the level's start into the cup
// as test mode plays them (the shots of CShotSet). Breadth first: all one-shot solutions, then
// all two-shot ones from the states the first shots left, and so on, each state expanded once.
// The states of a layer are taken nearest the cup first (CCupDistance), their shots in the order
// of CLayerExpansion (headings nearest the direction of the cup first, strengths weakest first);
// the first solution in that order at the first length that has one is the result, the same for
// any number of threads. A solution is exact: replaying its shots (CShotPlayer::PlaySequence)
// gives the same balls bit for bit.
//
// What the search can miss, so that the true par may be lower than the one found:
// - merging (mergeGrid above 0): of the states in one square only the first reached is shot
//   from; another one there, a little elsewhere or with another slow-step count (a ball put back
//   from water keeps the count it fell in with), could have a solution that it has not. The count
//   changes only shots that start slowly: strength 0, which waits out the count or rolls down a
//   slope.
// - shots still rolling after CShotPlayer::kStepLimit steps (a ring of slopes) are dropped.
// - only the headings of CShotSet are tried, each with every strength; the mouse gives headings
//   in between, and a strength with a heading only where the pointer can be.
// - the first shot starts with the slow-step count of a ball that has not rolled yet, as the
//   first test mode of an editor's run; test mode entered again keeps the count of the last shot.
//
// Solve may run on any thread; the progress may be read and the cancel flag set from any other.
class CShotSolver {
public:
    explicit CShotSolver(const CLevel& level);

    CSolveResult Solve(const CSolveOptions& options, const std::atomic<bool>* cancel = nullptr);
    CSolveProgress GetProgress() const;

private:
    const CLevel m_level;
    std::atomic<long long> m_shots = 0;
    std::atomic<int> m_depth = 0;
    std::atomic<long long> m_positions = 0;
};
