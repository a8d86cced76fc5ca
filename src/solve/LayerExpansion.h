#pragma once
#include "solve/Shot.h"
#include "solve/ShotSet.h"
#include "solve/StateKey.h"

#include <atomic>
#include <chrono>
#include <compare>
#include <cstdint>
#include <unordered_set>
#include <vector>

class CCupDistance;
class CLevel;
class CShotPlayer;

// A ball state the search reached, and how: the shot from a state of the layer before.
struct CSearchNode {
    CBallState state;
    int parent = -1;
    CShot shot;
};

// The place of a shot in the search's order: its unit (a node and a heading, see
// CLayerExpansion), then the strength step. Whatever the threads do, the search keeps what comes
// first in it.
struct CShotOrder {
    std::uint64_t unit = 0;
    std::uint32_t strength = 0;
    auto operator<=>(const CShotOrder&) const = default;
};

// When a search must end early: a cancel flag set from another thread, or a deadline.
class CSearchStop {
public:
    using Clock = std::chrono::steady_clock;

    CSearchStop(const std::atomic<bool>* cancel, Clock::time_point deadline) : m_cancel(cancel), m_deadline(deadline)
    {
    }
    bool IsCancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }
    bool IsDue() const { return IsCancelled() || Clock::now() >= m_deadline; }

private:
    const std::atomic<bool>* m_cancel;
    Clock::time_point m_deadline;
};

// Which shots a solution may use beyond those of the shot set: none that passes through a wall,
// and none less forgiving than a share of the headings around it (CShotPlayer::GetForgiveness).
struct CShotFilter {
    bool noTunnel = false;
    int minForgiveness = 0;

    bool Accepts(CShotPlayer& player, const CBallState& from, const CPlayedShot& played) const;
};

// Which headings of the shot set a node's shots take. All of them by default; a coarse plan
// takes every heading within cone steps of the one nearest the cup's direction, then `coarse`
// headings spread evenly over the turn, nearest the cup's direction first.
struct CHeadingPlan {
    int coarse = 0;
    int cone = 0;
};

// Plays the shots of a heading plan from every node of one layer, on as many threads as asked,
// and collects what the next layer needs: the first shot (in the search's order) that sinks the
// ball, or else every new state, one per key, the first in the order that reached it. Shots the
// filter refuses count as neither.
//
// The order: the nodes in blocks of kNodeBlock as the layer lists them; within a block the
// headings by rank (the one nearest the direction of the cup first, then those beside it
// outward), each rank for every node of the block in turn; for a node and heading (a unit) the
// strengths weakest first. So the straight shots at the cup from the nearest positions all come
// before the turns away from it. Without aiming, the plain order: one node after the other, the
// headings from index 0 upward.
class CLayerExpansion {
public:
    static constexpr int kNodeBlock = 16;

    struct CChild {
        CShotOrder order;
        int parent = 0; // the node's place in the layer
        CBallState state;
        CShot shot;
    };

    struct CResult {
        bool cupFound = false;
        CShotOrder cupOrder;
        int cupNode = 0;
        CShot cupShot;
        bool stopped = false;          // the stop came before every shot was played
        std::vector<CChild> children;  // in the search's order; empty unless asked for
    };

    CLayerExpansion(const CLevel& level, const CShotSet& shots, const CCupDistance& cup, int mergeGrid, bool aim,
                    const CShotFilter& filter);

    // The units of one node under the plan.
    std::uint64_t GetUnitsPerNode(const CHeadingPlan& plan) const;

    // keepChildren: collect the new states (not for the last layer). seen: the keys of every
    // state met before, which are not new. For a progress display on another thread, shots grows
    // by one for every shot played and units for every unit finished.
    CResult Run(const std::vector<CSearchNode>& layer, const std::unordered_set<CStateKey>& seen,
                const CHeadingPlan& plan, bool keepChildren, int jobs, const CSearchStop& stop,
                std::atomic<long long>& shots, std::atomic<long long>& units) const;

private:
    // The heading index of a node's unit of the given rank, or -1 when a coarse plan's heading is
    // one its cone already took.
    int HeadingOf(const CHeadingPlan& plan, int first, int rank) const;

    const CLevel& m_level;
    const CShotSet& m_shots;
    const CCupDistance& m_cup;
    int m_mergeGrid;
    bool m_aim;
    CShotFilter m_filter;
};
