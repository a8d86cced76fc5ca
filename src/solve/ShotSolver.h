#pragma once
#include "model/Level.h"
#include "solve/Shot.h"
#include "solve/ShotSet.h"

#include <atomic>
#include <mutex>
#include <vector>

struct CSolveOptions {
    int maxShots = 6;
    int headings = CShotSet::kDefaultHeadings;
    // Threads; 0 or less: one per processor. A search that ends by itself gives the same result
    // for any number.
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
    // Only shots at least this forgiving (percent, CShotPlayer::GetForgiveness).
    int minForgiveness = 0;
    // Only shots during which the ball's centre never lies on wall ground.
    bool noTunnel = false;
};

// How a search ended: each is an answer.
enum SolveEnding : int {
    SolvePar = 0,         // a solution of N shots and none of fewer: the par is N
    SolveAtMost = 1,      // stopped with a solution: the par is at most its length
    SolveNoneWithin = 2,  // no solution of at most maxShots shots
    SolveUnreachable = 3, // no shot from anywhere the ball can go gets it into the cup (CCupReach)
    SolveNoneFound = 4,   // stopped before any solution was found
};

// A solution: its shots replayed from the level's start as test mode plays them, each with its
// path, and how forgiving each shot is (percent, CShotPlayer::GetForgiveness).
struct CSolution {
    std::vector<CPlayedShot> shots;
    std::vector<int> forgiveness;
};

struct CSolveResult : CSolution {
    int ending = SolveNoneWithin;
    // Every solution of at most this many shots has been ruled out (under the merging).
    int depthProved = 0;
    // For the two stopped endings: stopped by the cancel flag rather than the time limit.
    bool cancelled = false;
    // For SolveUnreachable: the level has no cup ground at all.
    bool noCup = false;
    long long shotsPlayed = 0;
    // Wall time of the search, and when its first solution was found (negative: none was).
    double seconds = 0.0;
    double firstSeconds = -1.0;
};

// Polled while a search runs, from any thread.
struct CSolveProgress {
    long long shots = 0;          // shots played so far
    int best = 0;                 // shots of the best solution found so far; 0: none yet
    int proving = 0;              // the length whose solutions are being ruled out; 0 while searching ahead
    int depthProved = 0;          // every solution of at most this many shots is ruled out
    long long positionsDone = 0;  // of the positions the current layer shoots from
    long long positionsTotal = 0;
    double seconds = 0.0;         // since the search started
};

// The shot solver: finds the fewest shots that take the ball from the level's start into the cup
// as test mode plays them (the shots of CShotSet, each one the mouse can give). It answers at once
// when the cup cannot be reached at all (CCupReach); otherwise it works in two phases:
// - a look ahead for a first solution, soon: rounds of a beam search that keep only the few
//   positions of each length nearest the cup along the ground (CCupDistance, one per cell where
//   there are enough) and try only some of the headings from each, widening from round to round
//   and each looking only for solutions shorter than the best so far;
// - the proof: breadth first, all solutions of 1 shot, of 2 and so on, each state expanded
//   once, up to one shot less than the best found; the first solution in its order, if any, is
//   the par, otherwise the best found is.
// The states of a layer are taken nearest the cup first, their shots in the order of
// CLayerExpansion (headings nearest the direction of the cup first, strengths weakest first). The
// rounds and the proof are the same for any number of threads, so is the result of a search that
// is not stopped. A stop (time limit or cancel) keeps the best solution found and what was ruled
// out. A solution is exact: replaying its shots (CShotPlayer::PlaySequence) gives the same balls
// bit for bit.
//
// What the search can miss, so that the true par may be lower than the one found:
// - merging (mergeGrid above 0): of the states in one square only the first reached is shot
//   from; another one there, a little elsewhere or with another slow-step count (a ball put back
//   from water keeps the count it fell in with), could have a solution that it has not. The count
//   changes only shots that start slowly: strength 0, which waits out the count or rolls down a
//   slope.
// - shots still rolling after CShotPlayer::kStepLimit steps (a ring of slopes) are dropped.
// - only the headings of CShotSet are tried; the mouse gives headings in between.
// - the first shot starts with the slow-step count of a ball that has not rolled yet, as the
//   first test mode of an editor's run; test mode entered again keeps the count of the last shot.
//
// Solve may run on any thread; the progress and the best solution so far may be read and the
// cancel flag set from any other.
class CShotSolver {
public:
    explicit CShotSolver(const CLevel& level);

    CSolveResult Solve(const CSolveOptions& options, const std::atomic<bool>* cancel = nullptr);
    CSolveProgress GetProgress() const;
    // The best solution found so far by the running or last search; empty before the first.
    CSolution GetBest() const;

private:
    class CRun;

    const CLevel m_level;
    std::atomic<long long> m_shots = 0;
    std::atomic<int> m_best = 0;
    std::atomic<int> m_proving = 0;
    std::atomic<int> m_depthProved = 0;
    std::atomic<long long> m_units = 0;
    std::atomic<long long> m_positionsTotal = 0;
    std::atomic<long long> m_unitsPerPosition = 1;
    std::atomic<long long> m_startedNs = 0;
    mutable std::mutex m_bestMutex;
    CSolution m_bestSolution;
};
